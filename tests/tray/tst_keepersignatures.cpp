// The quote keeper and the signature files: the offer at start-up, every file getting each
// new quote, failures that stop nothing, long lists written in slices.

#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tray/quotekeeper.h"
#include "trayfixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <utility>

using namespace sentari;
using namespace sentari::tray;
using platform::MessageStyle;
using testing::TempStore;

using Fixture = testing::KeeperFixture;

class KeeperSignaturesTest : public QObject {
    Q_OBJECT
private slots:
    void signatureOfferOnlyAtStartUp_data()
    {
        QTest::addColumn<bool>("atStartUp");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("windows");
        QTest::newRow("start-up, first time, yes") << true << false << "" << true << 1 << 1;
        QTest::newRow("start-up, no") << true << false << "" << false << 1 << 0;
        QTest::newRow("start-up, ask") << true << true << "ask" << false << 1 << 0;
        QTest::newRow("start-up, don't ask") << true << true << "don't ask" << true << 0 << 0;
        QTest::newRow("start-up, 'Ask' is not ask") << true << true << "Ask" << true << 0 << 0;
        QTest::newRow("start-up, empty is not ask") << true << true << "" << true << 0 << 0;
        QTest::newRow("later change never offers") << false << false << "" << true << 0 << 0;
    }
    void signatureOfferOnlyAtStartUp()
    {
        QFETCH(bool, atStartUp);
        QFETCH(bool, written);
        QFETCH(QString, stored);
        QFETCH(bool, answer);
        QFETCH(int, asked);
        QFETCH(int, windows);
        Fixture f;
        f.t.useDataFile("q1\r\nq2\r\n");
        if (written)
            f.t.store->writeSetting("CreateSignature", stored.toStdString());
        f.askOnce.answer = answer;
        QCOMPARE(f.keeper.nextQuote(atStartUp), QuoteKeeper::Outcome::Changed);
        QCOMPARE(f.askOnce.askedKeys.size(), asked);
        if (asked) {
            QCOMPARE(f.askOnce.askedKeys[0], QStringLiteral("CreateSignature"));
            QCOMPARE(f.askOnce.questions[0],
                     QStringLiteral("Do you want to create/select an e-mail signature file?\n\n"
                                    "- Your quotes will be automatically added to this file.\n"
                                    "- You can always do this later by selecting 'Change "
                                    "Signature' from the Sentari menu (right click the "
                                    "Sentari icon)."));
        }
        QCOMPARE(f.signatureWindows, windows);
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void everySignatureGetsTheQuote()
    {
        Fixture f;
        f.t.useDataFile("only quote\r\n");
        for (int i = 1; i <= 3; ++i) {
            f.t.store->writeSetting("SignatureFile" + std::to_string(i),
                                    f.t.spath(QString("sig%1.txt").arg(i)));
            f.t.store->writeSetting("Intro" + std::to_string(i),
                                    "Sig " + std::to_string(i) + ": <Quote will be inserted here>");
        }
        // Index 4 has a file but no template: the list ends before it.
        f.t.store->writeSetting("SignatureFile4", f.t.spath("sig4.txt"));
        QCOMPARE(f.keeper.nextQuote(true), QuoteKeeper::Outcome::Changed);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(f.t.readFile(QString("sig%1.txt").arg(i)),
                     QString("Sig %1: only quote").arg(i).toUtf8());
        QVERIFY(!QFile::exists(f.t.path("sig4.txt")));
        QCOMPARE(f.keeper.current().signatureText, QStringLiteral("Sig 1: only quote"));
        QVERIFY(f.keeper.current().signatureRtf.startsWith("{\\rtf1"));
        QVERIFY(f.askOnce.askedKeys.isEmpty());
    }

    // The failure of the file a save could not write has been told by the window already.
    void unwritableSignatureDoesNotStopTheOthers_data()
    {
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("a quote change tells both") << "" << QStringList{"folder", "folder2"};
        QTest::newRow("after a save that could not write one")
            << "folder" << QStringList{"folder2"};
    }
    void unwritableSignatureDoesNotStopTheOthers()
    {
        QFETCH(QString, reported);
        QFETCH(QStringList, told);
        Fixture f;
        f.t.useDataFile("q\r\n");
        QDir().mkpath(f.t.path("folder"));
        QDir().mkpath(f.t.path("folder2"));
        const char* files[] = {"folder", "ok.txt", "folder2"};
        for (int n = 1; n <= 3; ++n) {
            f.t.store->writeSetting(keys::numbered(keys::SignatureFile, n),
                                    f.t.spath(files[n - 1]));
            f.t.store->writeSetting(keys::numbered(keys::Intro, n),
                                    "<Quote will be inserted here>");
        }
        QSignalSpy written(&f.keeper, &QuoteKeeper::signaturesWritten);
        QCOMPARE(f.keeper.nextQuote(false, reported.isEmpty() ? QString() : f.t.path(reported)),
                 QuoteKeeper::Outcome::Changed);
        QCOMPARE(f.t.readFile("ok.txt"), QByteArray("q"));
        // Known at once, told from the event loop: nobody waits on the box.
        QCOMPARE(written.size(), 1);
        QCOMPARE(written[0][0].toStringList().size(), told.size());
        QVERIFY(f.desktop.messages.isEmpty());
        QTRY_COMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.desktop.messages[0].style, MessageStyle::Warning);
        for (const char* file : files)
            QCOMPARE(f.desktop.messages[0].text.contains('"' + f.t.path(file) + '"'),
                     told.contains(file));

        // Told once: the next quotes still answer with both failures but show nothing, until a
        // file was written meanwhile or the list was saved.
        int failuresAnswered = 0;
        const auto messagesAfterNextQuote = [&] {
            const auto before = f.desktop.messages.size();
            f.keeper.nextQuote();
            QTest::qWait(20);
            failuresAnswered = written.last()[0].toStringList().size();
            return f.desktop.messages.mid(before);
        };
        QVERIFY(messagesAfterNextQuote().isEmpty());
        QCOMPARE(failuresAnswered, 2);
        QVERIFY(QDir(f.t.path("folder")).removeRecursively());
        QVERIFY(messagesAfterNextQuote().isEmpty());
        QCOMPARE(failuresAnswered, 1);
        QVERIFY(QFile::remove(f.t.path("folder")) && QDir().mkpath(f.t.path("folder")));
        auto again = messagesAfterNextQuote();
        QCOMPARE(again.size(), 1);
        QVERIFY(again[0].text.contains(f.t.path("folder")) && !again[0].text.contains("folder2"));
        f.keeper.signaturesSaved();
        again = messagesAfterNextQuote();
        QCOMPARE(again.size(), 1);
        QVERIFY(again[0].text.contains(f.t.path("folder2")));
    }

    // A long list is written from the event loop a slice at a time; a new quote meanwhile
    // starts over, so every file ends with the newest quote and only that refresh reports.
    void longListIsWrittenInSlicesAndRestartedByANewQuote_data()
    {
        QTest::addColumn<bool>("saveReportedIt");
        QTest::newRow("the unwritable file is told") << false;
        QTest::newRow("a save told it already") << true;
    }
    void longListIsWrittenInSlicesAndRestartedByANewQuote()
    {
        QFETCH(bool, saveReportedIt);
        TempStore t;
        constexpr int Count = 100;
        constexpr int Folder = 70; // cannot be written
        QDir().mkpath(t.path("s70.txt"));
        t.store->writeSetting("CreateSignature", "ask"); // the settings file exists now
        QFile ini(QString::fromStdString(t.locations.settingsFile.string()));
        QVERIFY(ini.open(QIODevice::Append));
        for (int n = 1; n <= Count; ++n)
            ini.write(
                QStringLiteral("SignatureFile%1=%2\nIntro%1=%1 <Quote will be inserted here>\n")
                    .arg(n)
                    .arg(t.path(QString("s%1.txt").arg(n)))
                    .toUtf8());
        ini.close();
        const QString reported = saveReportedIt ? t.path("s70.txt") : QString();
        SignatureRefresher refresher(*t.store, std::chrono::milliseconds(0));
        QList<QStringList> finished;
        QObject::connect(&refresher, &SignatureRefresher::finished,
                         [&](const QStringList& failures) { finished << failures; });

        auto first = refresher.start("old", reported);
        QVERIFY(first && first->text == "1 old" && first->rtf.startsWith("{\\rtf1"));
        QVERIFY(refresher.running());
        QCOMPARE(t.readFile("s1.txt"), QByteArray("1 old"));
        QVERIFY(!QFile::exists(t.path(QString("s%1.txt").arg(Count))));
        bool servedMeanwhile = false;
        QTimer::singleShot(0, [&] {
            servedMeanwhile = refresher.running();
            first = refresher.start("new", reported);
        });
        QTRY_VERIFY(!refresher.running());
        QVERIFY(servedMeanwhile);
        QCOMPARE(first->text, QStringLiteral("1 new"));
        for (int n = 1; n <= Count; ++n)
            if (n != Folder)
                QCOMPARE(t.readFile(QString("s%1.txt").arg(n)), QByteArray::number(n) + " new");
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0].size(), saveReportedIt ? 0 : 1);
        if (!saveReportedIt)
            QVERIFY(finished[0][0].contains(t.path("s70.txt")));
    }
};

QTEST_GUILESS_MAIN(KeeperSignaturesTest)
#include "tst_keepersignatures.moc"
