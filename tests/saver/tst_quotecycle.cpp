#include "recordingcanvas.h"
#include "saver/quotecycle.h"

#include <QTest>
#include <stdexcept>

using namespace sentari::saver;

// Quote after quote on a recording canvas: what is fetched when, and what stays shown.
class TestQuoteCycle : public QObject {
    Q_OBJECT
private slots:
    void quoteCycleOrder()
    {
        Bench b;
        b.scene.quotePause = 600000;
        int fetches = 0;
        std::vector<std::size_t> clearsAtFetch;
        CycleHooks hooks;
        hooks.fetchQuote = [&] {
            ++fetches;
            clearsAtFetch.push_back(b.canvas.clears.size());
            if (fetches == 2)
                throw std::runtime_error("store busy");
            return FetchedQuote{false, QStringLiteral("aaaa bbbb cccc dddd eeee ffff gggg")};
        };
        auto cycle = quoteCycles(b.scene, 5, hooks);
        while (b.canvas.clears.empty()) {
            const auto p = cycle.resume();
            QVERIFY(p >= 0);
            b.clock.passes(p);
        }
        // Two lines of "Appear", then the pause, then the clear; only then the next quote.
        QCOMPARE(clearsAtFetch, (std::vector<std::size_t>{0, 1}));
        QCOMPARE(b.canvas.clears[0], std::int64_t(1000025 * 2 + 600001 * 25));
        const std::size_t firstQuote = b.canvas.clearedAtDraw[0];
        QCOMPARE(firstQuote, std::size_t(24 + 9)); // the last line's extra character is empty
        // A failing fetch shows the last quote again, from the top.
        while (b.canvas.clears.size() < 2) {
            const auto p = cycle.resume();
            QVERIFY(p >= 0);
            b.clock.passes(p);
        }
        QCOMPARE(fetches, 3);
        QCOMPARE(b.canvas.clearedAtDraw[1], 2 * firstQuote);
        QCOMPARE(b.canvas.draws[firstQuote].y, 30);
    }

    void noDataFileKeepsLastQuote()
    {
        Bench b;
        b.scene.quotePause = 0;
        int told = 0;
        std::vector<std::int64_t> fetchedAt;
        CycleHooks hooks;
        // No data file, then one quote, then the file is gone again.
        hooks.fetchQuote = [&] {
            fetchedAt.push_back(b.clock.now());
            const bool have = fetchedAt.size() == 2;
            return FetchedQuote{!have, have ? QStringLiteral("aaaa") : QString()};
        };
        hooks.noDataFile = [&] { ++told; };
        auto cycle = quoteCycles(b.scene, 5, hooks);
        while (fetchedAt.size() < 4) {
            const auto p = cycle.resume();
            QVERIFY(p >= 0);
            b.clock.passes(p);
        }
        QCOMPARE(told, 3);
        // An empty screen asks again after a second, not in a busy loop.
        QVERIFY(fetchedAt[1] - fetchedAt[0] >= 1000000);
        // The quote keeps showing after its file went.
        QCOMPARE(b.canvas.clears.size(), std::size_t(3));
        QCOMPARE(b.canvas.clearedAtDraw[0], std::size_t(0));
        QCOMPARE(b.canvas.clearedAtDraw[2], std::size_t(8));
        QCOMPARE(b.canvas.draws.size(), std::size_t(12)); // the fourth has begun
        for (const auto& d : b.canvas.draws)
            QCOMPARE(d.ch, U'a');
    }
};

QTEST_MAIN(TestQuoteCycle)
#include "tst_quotecycle.moc"
