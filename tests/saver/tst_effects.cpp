#include "recordingcanvas.h"
#include "saver/quotecycle.h"

#include <QTest>
#include <algorithm>

using namespace sentari::saver;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

const std::u32string Quiet = U"Quiet minds rest"; // one line of 16 at 1024: x0 = 272
// At 1024 the long word breaks over lines 2 and 3, and line 4 is empty.
const std::u32string LongWord = U"aaaa " + std::u32string(45, U'b') + U" c d";

QString text(const std::vector<RecordingCanvas::Draw>& draws)
{
    QString out;
    for (const auto& d : draws)
        out += QChar(char16_t(d.ch));
    return out;
}

std::vector<RecordingCanvas::Draw> withoutSpaces(std::vector<RecordingCanvas::Draw> draws)
{
    draws.erase(
        std::remove_if(draws.begin(), draws.end(), [](const auto& d) { return d.ch == U' '; }),
        draws.end());
    std::sort(draws.begin(), draws.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    return draws;
}

} // namespace

class TestEffects : public QObject {
    Q_OBJECT
private slots:
    void restPositions_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("firstXMin");
        QTest::addColumn<int>("firstXMax");
        QTest::addColumn<int>("y");
        QTest::newRow("Waves") << 1 << 272 << 272 << 30;
        QTest::newRow("Horizontal bounce: just left of 0") << 2 << -3 << 0 << 0;
        QTest::newRow("Shoot: right-aligned") << 3 << 512 << 513 << 0;
        QTest::newRow("Trampoline: landed") << 4 << -2 << 2 << 0;
        QTest::newRow("Appear") << 5 << 272 << 272 << 30;
        QTest::newRow("Typing") << 6 << 272 << 272 << 30;
        QTest::newRow("InsideOut") << 7 << 272 << 272 << 30;
        QTest::newRow("Scramble") << 8 << 272 << 272 << 30;
        QTest::newRow("9 runs Waves") << 9 << 272 << 272 << 30;
    }
    void restPositions()
    {
        QFETCH(int, effect);
        QFETCH(int, firstXMin);
        QFETCH(int, firstXMax);
        QFETCH(int, y);
        Bench b;
        b.setText(Quiet);
        b.run(runEffect(b.scene, effect, 1));
        const auto shown = withoutSpaces(b.canvas.intact());
        QCOMPARE(text(shown), QStringLiteral("Quietmindsrest"));
        const int firstX = shown.front().x;
        QVERIFY2(firstX >= firstXMin && firstX <= firstXMax, qPrintable(QString::number(firstX)));
        for (const auto& d : shown)
            QCOMPARE(d.y, y);
        // Characters stand 30 pixels apart (rounding may shift one by a pixel).
        QVERIFY(std::abs((shown.back().x - shown.front().x) - 15 * 30) <= 1);
        QVERIFY(b.canvas.clears.empty());
    }

    void yAdvance_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("after");
        QTest::newRow("Waves from the top") << 1 << 0.0 << 82.5;
        QTest::newRow("Waves below") << 1 << 100.0 << 152.5;
        for (int e = 2; e <= 4; ++e) {
            QTest::addRow("effect %d from the top", e) << e << 0.0 << 35.0;
            QTest::addRow("effect %d below", e) << e << 100.0 << 135.0;
        }
        for (int e = 5; e <= 8; ++e) {
            QTest::addRow("effect %d from the top", e) << e << 0.0 << 65.0;
            QTest::addRow("effect %d below", e) << e << 100.0 << 135.0;
        }
    }
    void yAdvance()
    {
        QFETCH(int, effect);
        QFETCH(double, before);
        QFETCH(double, after);
        Bench b;
        b.setText(U"ab cd");
        b.scene.y = before;
        b.run(runEffect(b.scene, effect, 1));
        QCOMPARE(b.scene.y, after);
    }

    void emptyLineDrawsNothing_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<double>("after");
        QTest::newRow("Waves") << 1 << 152.5;
        QTest::newRow("Horizontal bounce") << 2 << 135.0;
        QTest::newRow("Shoot keeps y") << 3 << 100.0;
        QTest::newRow("Trampoline") << 4 << 135.0;
        QTest::newRow("Appear") << 5 << 135.0;
        QTest::newRow("Typing") << 6 << 135.0;
        QTest::newRow("InsideOut") << 7 << 135.0;
        QTest::newRow("Scramble") << 8 << 135.0;
    }
    void emptyLineDrawsNothing()
    {
        QFETCH(int, effect);
        QFETCH(double, after);
        Bench b;
        b.setText(LongWord);
        QCOMPARE(b.scene.layout.lineLength(4), 0);
        b.scene.y = 100;
        b.run(runEffect(b.scene, effect, 4));
        QVERIFY(b.canvas.draws.empty());
        QCOMPARE(b.scene.y, after);
        QCOMPARE(b.clock.now(), std::int64_t(0));
    }

    void lineWiderThanWindow()
    {
        Bench shoot;
        // Fits at a pitch of 30, yet the right-aligned x = 1024 - 34 * 32 < 0.
        shoot.setText(std::u32string(34, U'w'));
        shoot.run(runEffect(shoot.scene, 3, 1));
        QVERIFY(shoot.canvas.draws.empty());
        QCOMPARE(shoot.scene.y, 35.0);

        Bench bounce;
        bounce.setText(std::u32string(34, U'w'));
        bounce.run(runEffect(bounce.scene, 2, 1));
        // Turns at once, one step to the left: the characters and the trailing space.
        QCOMPARE(bounce.canvas.draws.size(), std::size_t(35));
        QVERIFY(bounce.canvas.draws.front().x < 0);
    }

    void trampolineThrowsThreeTimes()
    {
        Bench b;
        b.setText(U"Hop");
        b.run(runEffect(b.scene, 4, 1));
        std::vector<int> xs; // where "H" went, repeats dropped
        for (const auto& d : b.canvas.draws)
            if (d.ch == U'H' && (xs.empty() || xs.back() != d.x))
                xs.push_back(d.x);
        std::vector<int> peaks;
        std::vector<int> landings;
        for (std::size_t i = 1; i + 1 < xs.size(); ++i) {
            if (xs[i] > xs[i - 1] && xs[i] > xs[i + 1])
                peaks.push_back(xs[i]);
            if (xs[i] < xs[i - 1] && xs[i] < xs[i + 1])
                landings.push_back(xs[i]);
        }
        QCOMPARE(peaks.size(), std::size_t(3));
        // First turn when the speed falls below 0.1, the others at their ceilings.
        QVERIFY2(peaks[0] >= 280 && peaks[0] <= 295, qPrintable(QString::number(peaks[0])));
        QVERIFY2(peaks[1] >= 260 && peaks[1] <= 264, qPrintable(QString::number(peaks[1])));
        QVERIFY2(peaks[2] >= 210 && peaks[2] <= 214, qPrintable(QString::number(peaks[2])));
        QCOMPARE(landings.size(), std::size_t(2));
        for (int x : landings)
            QVERIFY(x >= -2 && x <= 2);
    }

    void insideOutPadsOddLines()
    {
        Bench b;
        b.setText(U"a"); // x0 = (1024 - 30) / 2 = 497
        b.run(runEffect(b.scene, 7, 1));
        QCOMPARE(b.canvas.draws.size(), std::size_t(2));
        QCOMPARE(b.canvas.draws[0].ch, U' ');
        QCOMPARE(b.canvas.draws[0].x, 527);
        QCOMPARE(b.canvas.draws[1].ch, U'a');
        QCOMPARE(b.canvas.draws[1].x, 497);
        QCOMPARE(b.canvas.draws[0].at, b.canvas.draws[1].at);

        Bench shoot;
        shoot.setText(U"a");
        shoot.run(runEffect(shoot.scene, 3, 1));
        QVERIFY(!shoot.canvas.draws.empty());
        for (const auto& d : shoot.canvas.draws)
            QCOMPARE(d.ch, U'a');
    }

    void wavesSettleFlat()
    {
        Bench b;
        b.setText(Quiet);
        b.run(runEffect(b.scene, 1, 1));
        // 1001 frames of 16, then per character a space above, a space below and the character.
        QCOMPARE(b.canvas.draws.size(), std::size_t(1001 * 16 + 3 * 16));
        const auto last =
            std::vector<RecordingCanvas::Draw>(b.canvas.draws.end() - 48, b.canvas.draws.end());
        for (std::size_t j = 0; j < 16; ++j) {
            QCOMPARE(last[3 * j].ch, U' ');
            QVERIFY(last[3 * j].y < 30 && last[3 * j + 1].y > 30);
            QCOMPARE(last[3 * j + 2].y, 30);
            QCOMPARE(last[3 * j + 2].x, 272 + 30 * int(j));
        }
        // Early frames really wave.
        int lowest = 1000, highest = -1000;
        for (std::size_t k = 0; k < 16 * 50; ++k) {
            lowest = std::min(lowest, b.canvas.draws[k].y);
            highest = std::max(highest, b.canvas.draws[k].y);
        }
        QVERIFY(lowest <= 12 && highest >= 48);
    }

    void clockTimePerSpeed_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("speed");
        QTest::addColumn<qint64>("least");
        QTest::addColumn<qint64>("most");
        for (int speed = 0; speed <= 2; ++speed) {
            // Pass counts alone: 40001; 16 x 5001 + 2001; 8 x 7001 + 25001; 151 x (16 x 21 + 1).
            QTest::addRow("Appear %d", speed) << 5 << speed << qint64(1000025) << qint64(1000025);
            QTest::addRow("Typing %d", speed) << 6 << speed << qint64(2050425) << qint64(2050425);
            QTest::addRow("InsideOut %d", speed)
                << 7 << speed << qint64(2025225) << qint64(2025225);
            QTest::addRow("Scramble %d", speed) << 8 << speed << qint64(1272175) << qint64(1272175);
        }
        // Waves draws 16064 characters; one pacing point per 31, 91 or 181, 8 ms apart, and
        // 1001 passes of 25 us at most on top.
        QTest::newRow("Waves slow") << 1 << 0 << qint64(518 * 8000) << qint64(518 * 8000 + 25025);
        QTest::newRow("Waves medium") << 1 << 1 << qint64(176 * 8000) << qint64(176 * 8000 + 25025);
        QTest::newRow("Waves fast") << 1 << 2 << qint64(88 * 8000) << qint64(88 * 8000 + 25025);
    }
    void clockTimePerSpeed()
    {
        QFETCH(int, effect);
        QFETCH(int, speed);
        QFETCH(qint64, least);
        QFETCH(qint64, most);
        Bench b(1024, 768, speed);
        b.setText(Quiet);
        b.run(runEffect(b.scene, effect, 1));
        QVERIFY2(b.clock.now() >= least && b.clock.now() <= most,
                 qPrintable(QString::number(b.clock.now())));
    }

    void shootSpeedFollowsPace_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<qint64>("least");
        QTest::newRow("slow") << 0 << qint64(103 * 8000);
        QTest::newRow("fast") << 2 << qint64(17 * 8000);
    }
    void shootSpeedFollowsPace()
    {
        QFETCH(int, speed);
        QFETCH(qint64, least);
        Bench b(1024, 768, speed);
        b.setText(U"ab"); // right-aligned x 960: about 1601 steps of 0.6 per character
        b.run(runEffect(b.scene, 3, 1));
        QVERIFY(std::abs(qint64(b.canvas.draws.size()) - 3202) <= 2);
        QVERIFY2(b.clock.now() >= least && b.clock.now() <= least + 8000,
                 qPrintable(QString::number(b.clock.now())));
    }

    void scrambleStopsWhenUnlocked()
    {
        Bench b;
        b.setText(Quiet);
        auto steps = runEffect(b.scene, 8, 1);
        for (int i = 0; i < 100; ++i)
            QVERIFY(steps.resume() >= 0);
        b.scene.unlocked = true;
        int more = 0;
        while (steps.resume() >= 0)
            ++more;
        QVERIFY(more <= 17); // the rest of the current pass over the line
        QCOMPARE(b.scene.y, 65.0);
    }

    void fullScreenPausesAndClears_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("clears");
        QTest::newRow("765 still fits 768") << 700.0 << false;
        QTest::newRow("769 does not") << 704.0 << true;
    }
    void fullScreenPausesAndClears()
    {
        QFETCH(double, y);
        QFETCH(bool, clears);
        Bench b;
        b.scene.quotePause = 200000;
        b.scene.y = y;
        b.run(nextLine(b.scene, 0));
        QCOMPARE(b.canvas.clears.size(), std::size_t(clears ? 1 : 0));
        QCOMPARE(b.scene.y, clears ? 0.0 : y + 35);
        QCOMPARE(b.clock.now(), clears ? std::int64_t(200001) * 25 : 0);
    }

    void longQuoteRestartsAtTop_data()
    {
        // Base lines of six one-word lines on a 640 x 200 screen: a line whose y + 30 would
        // pass 200 pauses the quote, clears, and the next starts at the effect's top.
        QTest::addColumn<int>("effect");
        QTest::addColumn<std::vector<int>>("baseLines");
        QTest::addColumn<int>("clears");
        QTest::newRow("Waves: 52.5 apart") << 1 << std::vector<int>{30, 82, 135, 30, 82, 135} << 2;
        for (int e = 2; e <= 4; ++e)
            QTest::addRow("effect %d from 0", e)
                << e << std::vector<int>{0, 35, 70, 105, 140, 0} << 1;
        for (int e = 5; e <= 8; ++e)
            QTest::addRow("effect %d from 30", e)
                << e << std::vector<int>{30, 65, 100, 135, 170, 30} << 1;
    }
    void longQuoteRestartsAtTop()
    {
        QFETCH(int, effect);
        QFETCH(std::vector<int>, baseLines);
        QFETCH(int, clears);
        Bench b(640, 200);
        b.scene.quotePause = 1000;
        // One 13-letter word per line at 640.
        std::u32string quote;
        for (char32_t c : std::u32string(U"abcdef"))
            quote += (quote.empty() ? U"" : U" ") + std::u32string(13, c);
        b.setText(quote);
        QCOMPARE(b.scene.layout.lineCount(), 6);
        std::vector<int> seen;
        std::size_t cleared = 0;
        for (int n = 1; n <= 6; ++n) {
            b.run(runEffect(b.scene, effect, n));
            // Every effect leaves the line's letters on its base line.
            const char32_t letter = U'a' + char32_t(n - 1);
            const auto last = std::find_if(b.canvas.draws.rbegin(), b.canvas.draws.rend(),
                                           [&](const auto& d) { return d.ch == letter; });
            QVERIFY(last != b.canvas.draws.rend());
            seen.push_back(last->y);
            if (b.canvas.clears.size() > cleared) {
                cleared = b.canvas.clears.size();
                // The pause comes before the clear, and y starts again from 0.
                QCOMPARE(b.scene.y, 0.0);
                QCOMPARE(b.canvas.clears.back(), b.clock.now());
            }
        }
        QCOMPARE(seen, baseLines);
        QCOMPARE(cleared, std::size_t(clears));
    }

    void unlockMessageIsScrambledIn()
    {
        Bench b;
        b.run(unlockMessage(b.scene));
        const auto shown = withoutSpaces(b.canvas.intact());
        QString all;
        for (const auto& d : shown)
            all += QChar(char16_t(d.ch));
        QCOMPARE(all.size(),
                 QStringLiteral("To unlock type password then press enter.").remove(' ').size());
        QCOMPARE(b.scene.layout.lineCount(), 2);
    }
};

QTEST_MAIN(TestEffects)
#include "tst_effects.moc"
