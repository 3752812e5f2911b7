// A new quote after a signature file was read, with real files, the real inotify watch and
// the real store: what counts as a read and what does not.

#include "fakeaskonce.h"
#include "fakedesktop.h"
#include "platform/readwatch.h"
#include "sentaristore/settings/keys.h"
#include "tempstore.h"
#include "tray/quotekeeper.h"
#include "tray/quoteperread.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

using namespace sentari;
using namespace std::chrono_literals;
using testing::FakeAskOnce;
using testing::FakeDesktop;
using testing::TempStore;

namespace {

constexpr auto Together = 300ms;

void readWhole(const QString& path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    file.readAll();
}

} // namespace

class QuotePerReadTest : public QObject {
    Q_OBJECT
private slots:
    void readsByOthersChangeTheQuote()
    {
        TempStore t;
        t.useDataFile("one\r\ntwo\r\nthree\r\nfour\r\n");
        t.store->writeSetting(keys::numbered(keys::SignatureFile, 1), t.spath("sig.txt"));
        t.store->writeSetting(keys::numbered(keys::Intro, 1),
                              "-- \r\n<Quote will be inserted here>");
        t.store->writeSetting(keys::NewQuoteAfterRead, "true");
        t.writeFile("neighbour.txt", "not a signature");
        QVERIFY(QFile::link(t.path("sig.txt"), t.path("link.txt")));
        FakeDesktop desktop;
        FakeAskOnce askOnce;
        tray::QuoteKeeper keeper(*t.store, desktop, askOnce);
        QCOMPARE(keeper.nextQuote(), tray::QuoteKeeper::Outcome::Changed);
        const std::unique_ptr<platform::ReadWatch> watch = platform::ReadWatch::create();
        QVERIFY(watch);
        bool paused = false;
        tray::QuotePerRead perRead(
            *t.store, keeper, watch.get(), [&paused] { return paused; }, Together);
        perRead.reload();
        QSignalSpy changes(&keeper, &tray::QuoteKeeper::quoteChanged);

        // Each step, then how many quote changes it brings. An awaited change may take its
        // time on a busy machine; a further one would follow at once.
        const auto changesAfter = [&](auto step, int awaited) {
            QTest::qWait(std::chrono::milliseconds(Together).count() + 50);
            changes.clear();
            step();
            if (changes.count() < awaited || awaited == 0)
                changes.wait(awaited > 0 ? 5000 : 150);
            QTest::qWait(100);
            return changes.count();
        };
        const auto readSignature = [&] { readWhole(t.path("sig.txt")); };
        QCOMPARE(changesAfter(readSignature, 1), 1);
        QVERIFY(t.readFile("sig.txt").contains(keeper.current().text.toUtf8()));
        // Reads close together, as one program taking the file twice: once.
        const auto readThrice = [&] {
            readSignature();
            readSignature();
            QTest::qWait(50);
            readSignature();
        };
        QCOMPARE(changesAfter(readThrice, 1), 1);
        QCOMPARE(changesAfter([&] { readWhole(t.path("neighbour.txt")); }, 0), 0);
        QCOMPARE(changesAfter([&] { readWhole(t.path("link.txt")); }, 1), 1);
        // Sentari's own refresh, which replaces the file: only its own change.
        QCOMPARE(changesAfter([&] { keeper.nextQuote(); }, 1), 1);
        QCOMPARE(changesAfter(readSignature, 1), 1);
        paused = true;
        QCOMPARE(changesAfter(readSignature, 0), 0);
        paused = false;
        t.store->deleteSetting(keys::NewQuoteAfterRead);
        perRead.reload();
        QCOMPARE(changesAfter(readSignature, 0), 0);
        t.store->writeSetting(keys::NewQuoteAfterRead, "yes"); // only "true" switches it on
        perRead.reload();
        QCOMPARE(changesAfter(readSignature, 0), 0);
        // A list changed elsewhere is followed after the next refresh.
        t.store->writeSetting(keys::NewQuoteAfterRead, "true");
        t.store->writeSetting(keys::numbered(keys::SignatureFile, 1), t.spath("other.txt"));
        keeper.nextQuote();
        QCOMPARE(changesAfter(readSignature, 0), 0);
        QCOMPARE(changesAfter([&] { readWhole(t.path("other.txt")); }, 1), 1);
        QCOMPARE(desktop.messages.size(), 0);
    }
};

QTEST_MAIN(QuotePerReadTest)
#include "tst_quoteperread.moc"
