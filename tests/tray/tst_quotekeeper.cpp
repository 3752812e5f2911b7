#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tray/joinlines.h"
#include "tray/quotekeeper.h"
#include "trayfixture.h"

#include <QDir>
#include <QTest>
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

using Fixture = testing::KeeperFixture;

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
