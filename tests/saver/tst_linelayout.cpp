#include "saver/chardrawer.h"
#include "saver/linelayout.h"
#include "saver/saversettings.h"
#include "sentaristore/settingsstore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

using namespace sentari::saver;

Q_DECLARE_METATYPE(std::vector<std::int32_t>)

namespace {
std::u32string u32(const char* s)
{
    std::u32string out;
    for (char32_t c : QString::fromUtf8(s).toUcs4())
        out.push_back(c);
    return out;
}
QString q(const std::u32string& s)
{
    return QString::fromUcs4(s.data(), qsizetype(s.size()));
}

class NullCanvas : public Canvas {
public:
    void drawCell(const Glyph&, std::int32_t, std::int32_t) override { ++cells; }
    void clear() override {}
    int cells = 0;
};
} // namespace

class TestLineLayout : public QObject {
    Q_OBJECT
private slots:
    void widthFollowsScreen_data()
    {
        QTest::addColumn<double>("pixels");
        QTest::addColumn<int>("chars");
        QTest::newRow("640") << 640.0 << 13;
        QTest::newRow("800") << 800.0 << 17;
        QTest::newRow("1024") << 1024.0 << 20;
        QTest::newRow("1152") << 1152.0 << 25;
        QTest::newRow("1280 is not wider than 1152") << 1280.0 << 20;
        QTest::newRow("1920") << 1920.0 << 20;
        QTest::newRow("800.5") << 800.5 << 20;
    }
    void widthFollowsScreen()
    {
        QFETCH(double, pixels);
        QFETCH(int, chars);
        QCOMPARE(LineLayout::widthInCharacters(pixels), chars);
    }

    void breaksLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<std::vector<std::int32_t>>("lengths");

        QTest::newRow("seven words at 1024") << "aaaa bbbb cccc dddd eeee ffff gggg" << 1024.0
                                             << QStringList{"aaaa bbbb cccc dddd eeee", "ffff gggg"}
                                             << std::vector<std::int32_t>{24, 10};
        QTest::newRow("tabs are word gaps")
            << "aaaa\tbbbb\tcccc\tdddd\teeee\tffff\tgggg" << 1024.0
            << QStringList{"aaaa\tbbbb\tcccc\tdddd\teeee", "ffff\tgggg"}
            << std::vector<std::int32_t>{24, 10};
        // Wider than the screen: broken where the screen ends, 21 places of 30 in 640.
        QTest::newRow("word wider than the screen")
            << QString(70, 'x') << 640.0
            << QStringList{QString(21, 'x'), QString(21, 'x'), QString(21, 'x'), QString(7, 'x')}
            << std::vector<std::int32_t>{21, 21, 21, 7};
        QTest::newRow("a word that fits is not broken")
            << QString(21, 'x') << 640.0 << QStringList{QString(21, 'x')}
            << std::vector<std::int32_t>{21};
        QTest::newRow("empty") << "" << 1024.0 << QStringList{""} << std::vector<std::int32_t>{0};
        // The long word goes to lines of its own, broken where the screen ends, and still
        // leaves the next line empty.
        QTest::newRow("long word empties a line")
            << "aaaa " + QString(45, 'b') + " c d" << 1024.0
            << QStringList{"aaaa", QString(34, 'b'), QString(11, 'b'), "", "c d"}
            << std::vector<std::int32_t>{4, 34, 11, 0, 4};
        // The limit counts from the start of the text: an overlong first line shortens the next.
        QTest::newRow("long first word at 640")
            << "abcdefghijklmno pqrstu vwxyz ab" << 640.0
            << QStringList{"abcdefghijklmno", "pqrstu vwxyz", "ab"}
            << std::vector<std::int32_t>{15, 13, 3};
        QTest::newRow("non-ASCII counts as one character")
            << QString::fromUtf8("\u00e9t\u00e9 \u4e2d\u6587 \U0001F600 mmmmmmmmmmmmmm xy")
            << 1024.0
            << QStringList{QString::fromUtf8(
                               "\u00e9t\u00e9 \u4e2d\u6587 \U0001F600 mmmmmmmmmmmmmm"),
                           "xy"}
            << std::vector<std::int32_t>{23, 3};
        QTest::newRow("three lines at 800")
            << "one two three four five six seven eight nine ten" << 800.0
            << QStringList{"one two three four", "five six seven eight", "nine ten"}
            << std::vector<std::int32_t>{18, 21, 9};
    }
    void breaksLines()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QStringList, lines);
        QFETCH(std::vector<std::int32_t>, lengths);
        LineLayout layout;
        std::u32string t;
        for (char32_t c : text.toUcs4())
            t.push_back(c);
        layout.breakLines(t, width);
        QCOMPARE(layout.lineCount(), qsizetype(lines.size()));
        for (int n = 1; n <= layout.lineCount(); ++n) {
            // Every line but the first carries the character after it, if there is one.
            QCOMPARE(q(layout.lineText(n)).trimmed(), lines[n - 1]);
            QCOMPARE(layout.lineLength(n), lengths[size_t(n - 1)]);
        }
    }

    void lineMeasures()
    {
        LineLayout layout;
        layout.breakLines(u32("aaaa bbbb cccc dddd eeee ffff gggg"), 1024);
        QCOMPARE(q(layout.lineText(1)), QStringLiteral("aaaa bbbb cccc dddd eeee"));
        QCOMPARE(q(layout.lineText(2)), QStringLiteral("ffff gggg"));
        QCOMPARE(layout.lineLength(2), 10); // one more than the nine visible
        QCOMPARE(layout.line(2).visible, 9);

        layout.breakLines(u32("one two three four five six seven eight nine ten"), 800);
        // A middle line carries its separating space.
        QCOMPARE(q(layout.lineText(2)), QStringLiteral("five six seven eight "));
        QCOMPARE(layout.line(2).visible, 20);
    }

    void longQuotesNeedMoreThan16Bits()
    {
        std::u32string text;
        for (int i = 0; i < 9000; ++i)
            text += U"word ";
        text += U"end";
        LineLayout layout;
        layout.breakLines(text, 1024);
        const auto& last = layout.line(layout.lineCount());
        QCOMPARE(last.first + last.visible, std::int32_t(text.size()));
        QVERIFY(layout.lineCount() > 2000);
        QVERIFY(q(layout.lineText(layout.lineCount())).endsWith(QStringLiteral("word end")));
    }

    void pacingFollowsSpeed_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("span");
        QTest::newRow("slow") << 0 << 31;
        QTest::newRow("medium") << 1 << 91;
        QTest::newRow("fast") << 2 << 181;
    }
    void pacingFollowsSpeed()
    {
        QFETCH(int, speed);
        QFETCH(int, span);
        AnimationClock clock;
        NullCanvas canvas;
        CharDrawer drawer(canvas, clock);
        drawer.setSpeed(speed);
        // Pacing points fall on the 2nd character and every span after; the first never waits.
        const int draws = 1000;
        for (int i = 0; i < draws; ++i)
            drawer.drawChar(i, 0, i % 3 == 0 ? U'\x01' : U'x');
        const int points = (draws - 2) / span + 1;
        QCOMPARE(clock.now(), std::int64_t(points - 1) * 8000);
        QCOMPARE(canvas.cells, draws - (draws + 2) / 3); // controls pace but are not drawn
        drawer.drawChar(0, 0, U'\t');
        QCOMPARE(canvas.cells, draws - (draws + 2) / 3 + 1); // a tab wipes its place

        // Passes in between shorten the wait; more than 8 ms of them need none.
        AnimationClock c2;
        CharDrawer d2(canvas, c2);
        d2.setSpeed(speed);
        for (int i = 0; i < span + 2; ++i) {
            d2.drawChar(0, 0, U'x');
            c2.passes(100); // 2.5 ms each
        }
        QCOMPARE(c2.now(), std::int64_t(span + 2) * 2500);
    }

    void settingsFallBack_data()
    {
        // Colours and speed fall back to their first values; an effect or pause that is none
        // of the list's own runs "Waves" and gives no pause.
        QTest::addColumn<QStringList>("values"); // transition, fg, bg, pause, speed
        QTest::addColumn<int>("transition");
        QTest::addColumn<bool>("random");
        QTest::addColumn<quint32>("fg");
        QTest::addColumn<quint32>("bg");
        QTest::addColumn<qint64>("pausePasses");
        QTest::addColumn<int>("speed");
        QTest::newRow("valid") << QStringList{"4", "65535", "8388608", "2", "0"} << 4 << false
                               << 65535u << 8388608u << qint64(1200000) << 0;
        QTest::newRow("random foreground") << QStringList{"8", "random", "0", "0", "2"} << 8 << true
                                           << 16777215u << 0u << qint64(200000) << 2;
        QTest::newRow("all empty")
            << QStringList{"", "", "", "", ""} << 1 << false << 16777215u << 0u << qint64(0) << 1;
        QTest::newRow("garbage") << QStringList{"Waves", "white", "-1", "x", "1.5"} << 1 << false
                                 << 16777215u << 0u << qint64(0) << 1;
        QTest::newRow("out of range") << QStringList{"9", "16777216", "99999999", "3", "-1"} << 1
                                      << false << 16777215u << 0u << qint64(0) << 1;
        QTest::newRow("below the list")
            << QStringList{"-2", "0", "0", "-1", "3"} << 1 << false << 0u << 0u << qint64(0) << 1;
        QTest::newRow("Random in capitals is a colour")
            << QStringList{"0", "RANDOM", "255", "1", "1"} << 0 << false << 16777215u << 255u
            << qint64(600000) << 1;
    }
    void settingsFallBack()
    {
        QFETCH(QStringList, values);
        QFETCH(int, transition);
        QFETCH(bool, random);
        QFETCH(quint32, fg);
        QFETCH(quint32, bg);
        QFETCH(qint64, pausePasses);
        QFETCH(int, speed);
        const QStringList keys{"scrTransition", "scrForegroundColor", "scrBackgroundColor",
                               "scrTiming", "scrInterval"};
        const auto s = SaverSettings::read([&](std::string_view key) {
            const int i = keys.indexOf(QString::fromUtf8(key.data(), qsizetype(key.size())));
            return i < 0 ? std::string() : values[i].toStdString();
        });
        QCOMPARE(s.transition, transition);
        QCOMPARE(s.randomForeground, random);
        QCOMPARE(s.foreground, fg);
        QCOMPARE(s.background, bg);
        QCOMPARE(s.pausePasses(), pausePasses);
        QCOMPARE(s.speed, speed);
    }
    void unreadableSettingsGiveFirstValues()
    {
        const QTemporaryDir dir;
        const QString file = dir.path() + "/Sentari.ini";
        QVERIFY(QDir().mkpath(file)); // a folder where the file should be
        sentari::SettingsStore store({file.toStdString(), (dir.path() + "/cache").toStdString()});
        QVERIFY_THROWS_EXCEPTION(sentari::StoreError, store.readSetting("scrTiming"));
        const SaverSettings s = SaverSettings::read(store);
        const SaverSettings first;
        QCOMPARE(s.transition, first.transition);
        QCOMPARE(s.pausePasses(), first.pausePasses());
        QVERIFY(s.pausePasses() > 0);
    }
};

QTEST_APPLESS_MAIN(TestLineLayout)
#include "tst_linelayout.moc"
