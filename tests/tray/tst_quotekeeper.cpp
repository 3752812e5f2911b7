#include "fakeaskonce.h"
#include "fakedesktop.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"
#include "tempstore.h"
#include "tray/joinlines.h"
#include "tray/quotekeeper.h"

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
using platform::Answer;
using platform::MessageStyle;
using testing::FakeAskOnce;
using testing::FakeDesktop;
using testing::TempStore;

namespace {

struct Fixture {
    TempStore t;
    FakeDesktop desktop;
    FakeAskOnce askOnce;
    QuoteKeeper keeper{*t.store, desktop, askOnce};
    int signatureWindows = 0;
    int quoteChanges = 0;
    Fixture()
    {
        QObject::connect(&keeper, &QuoteKeeper::signatureWindowWanted,
                         [this] { ++signatureWindows; });
        QObject::connect(&keeper, &QuoteKeeper::quoteChanged, [this] { ++quoteChanges; });
    }
};

} // namespace

class QuoteKeeperTest : public QObject {
    Q_OBJECT
private slots:
    void joinLines_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("joined");
        QTest::newRow("three one-word lines") << "one\r\ntwo\r\nthree"
                                              << "one two three";
        QTest::newRow("empty line between") << "one\r\n\r\ntwo"
                                            << "one  two";
        QTest::newRow("trailing CR LF leaves a space") << "word\r\n"
                                                       << "word ";
        QTest::newRow("leading empty lines vanish") << "\r\none\r\ntwo"
                                                    << "one two";
        QTest::newRow("no line break: unchanged") << "  as it is  "
                                                  << "  as it is  ";
        QTest::newRow("only line breaks") << "\r\n\r\n"
                                          << "";
        QTest::newRow("LF as this desktop writes it") << "one\ntwo\n"
                                                      << "one two ";
        QTest::newRow("lone CR") << "one\rtwo"
                                 << "one two";
        const QString longLine(100000, QLatin1Char('x'));
        QTest::newRow("beyond 32767 characters")
            << longLine + "\r\n" + longLine << longLine + " " + longLine;
    }
    void joinLines()
    {
        QFETCH(QString, source);
        QFETCH(QString, joined);
        QCOMPARE(tray::joinLines(source), joined);
    }

    void noDataFileAsksForOneAndEndsWhenCancelled()
    {
        Fixture f;
        QCOMPARE(f.keeper.nextQuote(true), QuoteKeeper::Outcome::Quit);
        QCOMPARE(f.desktop.messageTexts(),
                 QStringList{"Currently you have no active Sentari datafile. Choose a datafile."});
        QCOMPARE(f.desktop.messages[0].style, MessageStyle::Question);
        QCOMPARE(f.desktop.fileDialogs.size(), 1);
        QCOMPARE(f.desktop.fileDialogs[0].filter, QStringLiteral("Text (*.txt)|*.txt"));
        QVERIFY(f.desktop.fileDialogs[0].initialPath.endsWith("/wisdom.txt"));
        QCOMPARE(f.t.store->readSetting("QuoteFile"), std::string());
    }

    // A chosen data file that cannot serve: the message says which and why.
    void unusableDataFileIsNamed()
    {
        Fixture f;
        const QString folder = f.t.dir.path() + QStringLiteral("/a folder.txt");
        QVERIFY(QDir().mkdir(folder));
        f.t.store->writeSetting("QuoteFile", folder.toStdString());
        QCOMPARE(f.keeper.nextQuote(false), QuoteKeeper::Outcome::Quit);
        const QStringList texts = f.desktop.messageTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].startsWith(QStringLiteral(
                     "Currently you have no active Sentari datafile. Choose a datafile.\n\n")) &&
                     texts[0].contains(folder),
                 qPrintable(texts[0]));
    }

    void chosenDataFileIsStoredAndUsed()
    {
        Fixture f;
        const QString path = f.t.writeFile("mine.txt", "\r\nmy quote\r\n");
        f.desktop.fileAnswers.push_back(path);
        f.askOnce.answer = false;
        QCOMPARE(f.keeper.nextQuote(true), QuoteKeeper::Outcome::Changed);
        QCOMPARE(f.t.store->readSetting("QuoteFile"), path.toStdString());
        QCOMPARE(f.keeper.current().quoteFilePath, path.toStdString());
        QCOMPARE(f.keeper.current().text, QStringLiteral("my quote"));
        QCOMPARE(f.keeper.current().index, 2);
    }

    // At start-up the busy pointer shows while the first quote is fetched; whatever the
    // user is asked after that (no data file, the signature offer) comes with the normal one.
    void startUpAsksWithTheNormalPointer_data()
    {
        QTest::addColumn<bool>("dataFile");
        QTest::newRow("no data file: message and file choice") << false;
        QTest::newRow("no signature: the offer") << true;
    }
    void startUpAsksWithTheNormalPointer()
    {
        QFETCH(bool, dataFile);
        struct Desktop : FakeDesktop {
            QList<int> busyWhenAsked;
            Answer message(const QString& text, MessageStyle style) override
            {
                busyWhenAsked << busyDepth;
                return FakeDesktop::message(text, style);
            }
            std::optional<QString> openFileName(const platform::FileDialogRequest& r) override
            {
                busyWhenAsked << busyDepth;
                return FakeDesktop::openFileName(r);
            }
        } desktop;
        TempStore t;
        struct : AskOnce {
            Desktop* desktop = nullptr;
            bool ask(const QString&, const QString&) override
            {
                desktop->busyWhenAsked << desktop->busyDepth;
                return false;
            }
        } askOnce;
        askOnce.desktop = &desktop;
        QuoteKeeper keeper(*t.store, desktop, askOnce);
        if (dataFile)
            t.useDataFile("q1\r\nq2\r\n");
        else
            desktop.fileAnswers.push_back(t.writeFile("chosen.txt", "q1\r\n"));

        // The start-up's own busy pointer, dropped as soon as the store has answered.
        std::optional<platform::BusyPointer> busy(std::in_place, desktop);
        QObject::connect(&keeper, &QuoteKeeper::quoteFetched, [&busy] { busy.reset(); });
        QCOMPARE(desktop.busyDepth, 1);
        QCOMPARE(keeper.nextQuote(true), QuoteKeeper::Outcome::Changed);
        QVERIFY(!busy);
        QCOMPARE(desktop.busyDepth, 0);
        // The no-data-file path asks three times: message, file choice, then the offer.
        QCOMPARE(desktop.busyWhenAsked, QList<int>(dataFile ? 1 : 3, 0));
    }

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

    void addClipboard_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("asked");
        QTest::newRow("ask, yes") << "ask" << true << "one\r\ntwo" << QByteArray("a\r\n")
                                  << QByteArray("a\r\none two\r\n") << true;
        QTest::newRow("ask, no") << "ask" << false << "one" << QByteArray("a\r\n")
                                 << QByteArray("a\r\n") << true;
        QTest::newRow("don't ask") << "don't ask" << false << "one" << QByteArray("a\r\n")
                                   << QByteArray("a\r\none\r\n") << false;
        QTest::newRow("empty setting adds without asking")
            << "" << false << "one" << QByteArray("a\r\n") << QByteArray("a\r\none\r\n") << false;
        QTest::newRow("empty clipboard adds nothing")
            << "don't ask" << true << "" << QByteArray("a\r\n") << QByteArray("a\r\n") << false;
    }
    void addClipboard()
    {
        QFETCH(QString, setting);
        QFETCH(bool, answer);
        QFETCH(QString, clipboard);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, asked);
        Fixture f;
        const QString path = f.t.useDataFile(before);
        f.t.store->writeSetting("AddClipboard", setting.toStdString());
        QCOMPARE(f.keeper.nextQuote(), QuoteKeeper::Outcome::Changed);
        const QString quoteBefore = f.keeper.current().text;
        f.askOnce.answer = answer;
        f.desktop.clipboard = clipboard;
        f.keeper.addClipboard();
        QCOMPARE(f.t.readFile(path), after);
        QCOMPARE(f.askOnce.askedKeys, asked ? QStringList{"AddClipboard"} : QStringList{});
        if (asked)
            QCOMPARE(f.askOnce.questions[0],
                     "Do you want to add the current clipboard content to the Sentari datafile?");
        QCOMPARE(f.keeper.current().text, quoteBefore);
        QVERIFY(f.desktop.messages.isEmpty());
        QCOMPARE(f.desktop.busyDepth, 0);
    }

    void addingWhatTheEncodingCannotHoldChangesNothing()
    {
        Fixture f;
        const QString path = f.t.useDataFile("caf\xE9\r\n");
        f.t.store->writeSetting("AddClipboard", "don't ask");
        f.keeper.nextQuote();
        f.desktop.clipboard = QString::fromUtf8("\xE2\x98\xBA smile");
        f.keeper.addClipboard();
        QCOMPARE(f.t.readFile(path), QByteArray("caf\xE9\r\n"));
        QCOMPARE(f.desktop.messages.size(), 1);
        QVERIFY(f.desktop.messages[0].text.contains("Windows-1252"));
        QVERIFY(f.desktop.messages[0].text.contains(path));
    }

    // A data file is named by the system's bytes, UTF-8 or not: adding and deleting reach that
    // very file, and a message shows its name readably.
    void dataFileNamedInAnyBytes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9.txt")
                               << QString::fromUtf8("caf\u00e9.txt");
        QTest::newRow("Latin-1") << QByteArray("caf\xE9.txt") << QStringLiteral("caf\\xE9.txt");
    }
    void dataFileNamedInAnyBytes()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        Fixture f;
        const std::filesystem::path folder = f.t.spath("data");
        const std::string file = (folder / name.toStdString()).native();
        const auto write = [&](const char* text) { std::ofstream(file, std::ios::binary) << text; };
        std::filesystem::create_directory(folder);
        // QTemporaryDir skips a name that is not UTF-8 and leaves its folder behind.
        const std::shared_ptr<void> removeFolder(
            nullptr, [&](void*) { std::filesystem::remove_all(folder); });
        write("a\r\nb\r\n");
        f.t.store->writeSetting("QuoteFile", file);
        f.t.store->writeSetting("AddClipboard", "don't ask");
        QCOMPARE(f.keeper.nextQuote(), QuoteKeeper::Outcome::Changed);
        QCOMPARE(f.keeper.current().quoteFilePath, file);

        f.desktop.clipboard = "c";
        f.keeper.addClipboard();
        const QString kept = f.keeper.current().text == "a" ? "b" : "a";
        QCOMPARE(f.keeper.deleteQuote(), QuoteKeeper::Outcome::Changed);
        std::ifstream in(file, std::ios::binary);
        const std::string after{std::istreambuf_iterator<char>(in), {}};
        QCOMPARE(QByteArray::fromStdString(after), kept.toUtf8() + "\r\nc\r\n");
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
        QCOMPARE(f.t.store->readSetting("QuoteFile"), file);

        write("other\r\n"); // the current quote is gone from the file
        QCOMPARE(f.keeper.deleteQuote(), QuoteKeeper::Outcome::Failed);
        const QString told = f.desktop.messages.last().text;
        QVERIFY2(told.contains('/' + shown + '"') && !told.contains(QChar::ReplacementCharacter),
                 qPrintable(told));
    }

    void deleteQuote_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("regmax");
        QTest::newRow("line 3 of 5") << QByteArray("1\r\n2\r\nthree\r\n4\r\n5\r\n")
                                     << QByteArray("1\r\n2\r\n4\r\n5\r\n") << "4";
    }
    void deleteQuote()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, regmax);
        Fixture f;
        const QString path = f.t.useDataFile(before);
        // Pick until the quote to delete (the one starting with "three") is current.
        for (int i = 0; i < 200 && !f.keeper.current().text.startsWith("three"); ++i)
            f.keeper.nextQuote();
        QVERIFY(f.keeper.current().text.startsWith("three"));
        f.quoteChanges = 0;
        QCOMPARE(f.keeper.deleteQuote(), QuoteKeeper::Outcome::Changed);
        QCOMPARE(f.t.readFile(path), after);
        QCOMPARE(QString::fromStdString(f.t.store->readSetting("Regmax")), regmax);
        QCOMPARE(f.desktop.messageTexts(),
                 QStringList{"Are you sure you want to delete the current quote?"});
        QCOMPARE(f.desktop.messages[0].style, MessageStyle::QuestionYesNo);
        QCOMPARE(f.quoteChanges, 1);
        QVERIFY(!f.keeper.current().text.startsWith("three"));
        QCOMPARE(f.desktop.busyDepth, 0);
    }

    // A quote change served while the question is open (an automation call) does not turn
    // the delete onto a quote the user never chose.
    void deleteRemovesTheQuoteAskedAbout()
    {
        struct Desktop : FakeDesktop {
            std::function<void()> whileAsking;
            Answer message(const QString& text, MessageStyle style) override
            {
                if (whileAsking)
                    std::exchange(whileAsking, nullptr)();
                return FakeDesktop::message(text, style);
            }
        } desktop;
        TempStore t;
        FakeAskOnce askOnce;
        QuoteKeeper keeper(*t.store, desktop, askOnce);
        const QString path = t.useDataFile("a\r\nb\r\n");
        keeper.nextQuote();
        const QString asked = keeper.current().text;
        QString meanwhile;
        desktop.whileAsking = [&] {
            keeper.nextQuote();
            meanwhile = keeper.current().text;
        };
        QCOMPARE(keeper.deleteQuote(), QuoteKeeper::Outcome::Changed);
        QVERIFY(meanwhile != asked); // the store never repeats a pick while another line exists
        QCOMPARE(t.readFile(path), meanwhile.toUtf8() + "\r\n");
    }

    void deleteAnsweredNoChangesNothing()
    {
        Fixture f;
        const QString path = f.t.useDataFile("a\r\nb\r\n");
        f.keeper.nextQuote();
        const auto current = f.keeper.current().text;
        f.desktop.answers.push_back(Answer::No);
        f.quoteChanges = 0;
        QCOMPARE(f.keeper.deleteQuote(), QuoteKeeper::Outcome::Failed);
        QCOMPARE(f.t.readFile(path), QByteArray("a\r\nb\r\n"));
        QCOMPARE(f.keeper.current().text, current);
        QCOMPARE(f.quoteChanges, 0);
    }

    void deleteWhenTheQuoteIsGone()
    {
        Fixture f;
        const QString path = f.t.useDataFile("x\r\n");
        f.keeper.nextQuote();
        f.t.writeFile("quotes.txt", "y\r\nz\r\n");
        QCOMPARE(f.keeper.deleteQuote(), QuoteKeeper::Outcome::Failed);
        QCOMPARE(f.t.readFile(path), QByteArray("y\r\nz\r\n"));
        QCOMPARE(f.desktop.messages.size(), 2);
        QVERIFY(f.desktop.messages[1].text.startsWith(
            "The current quote is no longer in the data file"));
        QCOMPARE(f.t.store->readSetting("Regmax"), std::string("2")); // still the line count
    }

    void deleteWithNoCurrentQuote()
    {
        Fixture f;
        QCOMPARE(f.keeper.deleteQuote(), QuoteKeeper::Outcome::Failed);
        QCOMPARE(f.desktop.messageTexts(), QStringList{"There is no current quote to delete."});
    }
};

QTEST_GUILESS_MAIN(QuoteKeeperTest)
#include "tst_quotekeeper.moc"
