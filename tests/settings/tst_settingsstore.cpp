#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tempstore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <sys/file.h>

using namespace sentari;
using sentari::testing::TempStore;

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void firstValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("AddClipboard") << "AddClipboard"
                                      << "ask";
        QTest::newRow("CreateSignature") << "CreateSignature"
                                         << "ask";
        QTest::newRow("QuickShow") << "QuickShow"
                                   << "";
        QTest::newRow("SignatureFile1") << "SignatureFile1"
                                        << "";
        QTest::newRow("Intro12") << "Intro12"
                                 << "";
        QTest::newRow("Fontcolor3") << "Fontcolor3"
                                    << "";
        QTest::newRow("scrTransition") << "scrTransition"
                                       << "0";
        QTest::newRow("scrTiming") << "scrTiming"
                                   << "1";
        QTest::newRow("scrInterval") << "scrInterval"
                                     << "1";
        QTest::newRow("scrForegroundColor") << "scrForegroundColor"
                                            << "16777215";
        QTest::newRow("scrForeGroundColor as the dialog spells it") << "scrForeGroundColor"
                                                                    << "16777215";
        QTest::newRow("scrBackgroundColor") << "scrBackgroundColor"
                                            << "0";
        QTest::newRow("Password") << "Password"
                                  << "";
        QTest::newRow("unknown key") << "NoSuchKey"
                                     << "";
        QTest::newRow("QuoteFile") << "QuoteFile"
                                   << "";
    }
    void firstValues()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        TempStore t;
        QCOMPARE(QString::fromStdString(t.store->readSetting(key.toStdString())), expected);
        // Reading writes nothing: the settings file does not even exist afterwards.
        QVERIFY(!QFile::exists(QString::fromStdString(t.locations.settingsFile.string())));
    }

    void regmaxFirstValueIsTheLineCount()
    {
        TempStore t;
        QCOMPARE(t.store->readSetting("Regmax"), std::string("0"));
        t.useDataFile("one\r\n\r\nthree\r\nfour");
        QCOMPARE(t.store->readSetting("Regmax"), std::string("4"));
        t.store->writeSetting("Regmax", "9");
        QCOMPARE(t.store->readSetting("regmax"), std::string("9"));
    }

    void saverFontIsAnInstalledOne()
    {
        TempStore t;
        t.store->setFontFamiliesProvider([] {
            return std::vector<std::string>{"Noto Serif", "Liberation Sans"};
        });
        QCOMPARE(t.store->readSetting("scrFont"), std::string("Liberation Sans"));
        t.store->setFontFamiliesProvider([] { return std::vector<std::string>{"Noto Serif"}; });
        QCOMPARE(t.store->readSetting("scrFont"), std::string("Noto Serif"));
    }

    void valuesReadBackExactly_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("password of ! and $ codes to LF and CR") << QByteArray("\n\r\n\r");
        QTest::newRow("template with CR LF")
            << QByteArray("Regards,\r\n<Quote will be inserted here>");
        QTest::newRow("commas") << QByteArray("a,b,,c");
        QTest::newRow("every control character") << [] {
            QByteArray b;
            for (int c = 1; c < 32; ++c)
                b += char(c);
            return b;
        }();
    }
    void valuesReadBackExactly()
    {
        QFETCH(QByteArray, value);
        TempStore t;
        t.store->writeSetting("Password", value.toStdString());
        QCOMPARE(QByteArray::fromStdString(t.store->readSetting("password")), value);
        QCOMPARE(QByteArray::fromStdString(t.another()->readSetting("PASSWORD")), value);
    }

    void keysMatchWithoutRegardToCase()
    {
        TempStore t;
        t.store->writeSetting("scrForeGroundColor", "255");
        t.store->writeSetting("scrBackGroundColor", "65280");
        QCOMPARE(t.store->readSetting("scrForegroundColor"), std::string("255"));
        QCOMPARE(t.store->readSetting("scrBackgroundColor"), std::string("65280"));
        t.store->writeSetting("SCRFOREGROUNDCOLOR", "random");
        QCOMPARE(t.store->readSetting("scrForegroundColor"), std::string("random"));
        // One line per key in the file, whatever spelling wrote it.
        QCOMPARE(t.settingsText().toLower().count("scrforegroundcolor="), 1);
    }

    void handEditedFileIsRead()
    {
        TempStore t;
        std::filesystem::create_directories(t.locations.settingsFile.parent_path());
        t.writeFile("config/Sentari/Sentari.ini",
                    "[General]\nquotefile=/x/quotes.txt\nintro1=Hi, there\n");
        QCOMPARE(t.store->readSetting("QuoteFile"), std::string("/x/quotes.txt"));
        QCOMPARE(t.store->readSetting("Intro1"), std::string("Hi, there"));
    }

    void deletedKeysReadAsNeverWritten()
    {
        TempStore t;
        const char* words[] = {"SignatureFile", "Intro", "Fontname", "Fontsize", "Fontcolor"};
        for (auto w : words)
            t.store->writeSetting(keys::numbered(w, 2), "value");
        t.store->writeSetting("AddClipboard", "don't ask");
        for (auto w : words)
            t.store->deleteSetting(keys::numbered(w, 2));
        t.store->deleteSetting("addclipboard");
        for (auto w : words)
            QCOMPARE(t.store->readSetting(keys::numbered(w, 2)), std::string());
        QCOMPARE(t.store->readSetting("AddClipboard"), std::string("ask"));
    }

    void eachReadSeesTheOtherProgramsLatestWrite()
    {
        TempStore t;
        auto saver = t.another();
        QCOMPARE(saver->readSetting("scrTiming"), std::string("1"));
        for (int i = 0; i < 50; ++i) {
            t.store->writeSetting("scrTiming", std::to_string(i % 3));
            QCOMPARE(saver->readSetting("scrTiming"), std::to_string(i % 3));
            saver->writeSetting("QuoteFile", "/q" + std::to_string(i));
            QCOMPARE(t.store->readSetting("QuoteFile"), "/q" + std::to_string(i));
        }
    }

    void concurrentWritersLoseNothing()
    {
        TempStore t;
        const QString writer = qEnvironmentVariable("SENTARI_STORE_WRITER");
        QVERIFY2(QFile::exists(writer), "SENTARI_STORE_WRITER names the writer program");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QList<QProcess*> procs;
        for (const char* prefix : {"A", "B", "C"}) {
            auto* p = new QProcess(this);
            p->setProcessEnvironment(env);
            p->start(writer, {QString::fromStdString(t.locations.settingsFile.string()),
                              QString::fromStdString(t.locations.cacheDir.string()),
                              QString::fromLatin1(prefix), QStringLiteral("200")});
            procs << p;
        }
        for (auto* p : procs) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        for (const char* prefix : {"A", "B", "C"})
            for (int i = 0; i < 200; ++i)
                QCOMPARE(t.store->readSetting(std::string(prefix) + "key" + std::to_string(i)),
                         std::to_string(i));
    }

    void noDataFile_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::newRow("QuoteFile unset") << "unset";
        QTest::newRow("missing file") << "missing";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("only empty and blank lines") << "blank";
    }
    void noDataFile()
    {
        QFETCH(QString, setup);
        TempStore t;
        QString path;
        if (setup == "missing") {
            path = t.path("gone.txt");
        } else if (setup == "folder") {
            path = t.path("sub");
            QDir().mkpath(path);
        } else if (setup == "empty") {
            path = t.writeFile("empty.txt", "");
        } else if (setup == "blank") {
            path = t.writeFile("blank.txt", "\r\n  \r\n\t\r\n\n");
        }
        if (!path.isEmpty())
            t.store->writeSetting("QuoteFile", path.toStdString());
        const auto q = t.store->getQuote();
        QVERIFY(q.noDataFile);
        QCOMPARE(QString::fromStdString(q.path), path);
        QVERIFY(q.text.empty());
    }

    void quoteIsAWholeLineWithItsNumber_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("quote");
        QTest::addColumn<qint64>("number");
        QTest::newRow("CR LF") << QByteArray("\r\n\r\nThe only quote\r\n\r\n") << "The only quote"
                               << qint64(3);
        QTest::newRow("LF") << QByteArray("\n\nLF only\n") << "LF only" << qint64(3);
        QTest::newRow("no final line break")
            << QByteArray("\r\n\r\n\r\nlast") << "last" << qint64(4);
        QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF"
                                                 "Caf\xC3\xA9 au lait\r\n")
                                   << QString::fromUtf8("Caf\xC3\xA9 au lait") << qint64(1);
        QTest::newRow("Windows-1252")
            << QByteArray("\r\n\x93Quoted\x94 \x80 5 \xE9t\xE9\r\n")
            << QString::fromUtf8("\xE2\x80\x9CQuoted\xE2\x80\x9D \xE2\x82\xAC 5 \xC3\xA9t\xC3\xA9")
            << qint64(2);
        QTest::newRow("blanks kept inside")
            << QByteArray("\n  indented, trailing  \r\n") << "  indented, trailing  " << qint64(2);
    }
    void quoteIsAWholeLineWithItsNumber()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, quote);
        QFETCH(qint64, number);
        TempStore t;
        const QString path = t.useDataFile(file);
        for (int round = 0; round < 2; ++round) { // built, then from the cache
            auto store = t.another();
            const auto q = store->getQuote();
            QVERIFY(!q.noDataFile);
            QCOMPARE(QString::fromStdString(q.path), path);
            QCOMPARE(QString::fromStdString(q.text), quote);
            QCOMPARE(q.number, number);
        }
    }

    void picksUniformlyAndNeverTheSameTwiceInARow()
    {
        TempStore t;
        t.useDataFile("a\r\nb\r\n\r\nc\r\nd\r\n");
        QMap<QString, int> seen;
        std::string last;
        auto other = t.another(); // the saver picking in between
        for (int i = 0; i < 4000; ++i) {
            const auto q = (i % 3 == 2 ? other : t.store)->getQuote();
            QVERIFY(q.text != last);
            last = q.text;
            ++seen[QString::fromStdString(q.text)];
        }
        QCOMPARE(seen.size(), 4);
        for (int n : seen) // 1000 expected each; 6 sigma is about 170
            QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
    }

    // Every quote once before any comes again, whichever process picks, and a delete or an
    // add in the middle of a round neither repeats a quote nor skips the new one.
    void picksEveryQuoteOncePerRound()
    {
        TempStore t;
        QByteArray file;
        for (int i = 1; i <= 50; ++i)
            file += "q" + QByteArray::number(i) + "\r\n";
        const QString path = t.useDataFile(file);
        auto other = t.another();
        for (int round = 0; round < 3; ++round) {
            QSet<QString> seen;
            for (int i = 0; i < 50; ++i) { // round 1: one out, one in
                if (round == 1 && i == 20) {
                    // Take out a quote not yet shown, add one: still 50 to show.
                    QString gone;
                    for (int n = 1; n <= 50 && gone.isEmpty(); ++n)
                        if (!seen.contains("q" + QString::number(n)))
                            gone = "q" + QString::number(n);
                    const auto number = gone.mid(1).toLongLong();
                    QVERIFY(t.store->deleteQuote(path.toStdString(), number, gone.toStdString())
                                .deleted);
                    t.store->addQuote(path.toStdString(), "new");
                }
                const auto q = (i % 2 ? other : t.store)->getQuote();
                const QString text = QString::fromStdString(q.text);
                QVERIFY2(
                    !seen.contains(text),
                    qPrintable(QString("round %1, pick %2: %3 again").arg(round).arg(i).arg(text)));
                seen.insert(text);
            }
            QCOMPARE(seen.size(), 50);
            if (round == 1)
                QVERIFY(seen.contains("new"));
        }
    }

    void picksByLength()
    {
        TempStore t;
        t.useDataFile("short\r\nthis one is longer\r\n\xc3\xa9t\xc3\xa9\r\n");
        for (int i = 0; i < 6; ++i) {
            const auto q = t.store->getQuote({.longest = 5});
            QVERIFY2(q.text == "short" || q.text == "\xc3\xa9t\xc3\xa9", q.text.c_str());
            QCOMPARE(t.store->getQuote({.shortest = 6}).text, std::string("this one is longer"));
        }
        const auto none = t.store->getQuote({.shortest = 100});
        QVERIFY(none.noDataFile);
        QVERIFY(none.text.empty());
        QVERIFY(!none.problem.empty());
    }

    void aSingleQuoteRepeats()
    {
        TempStore t;
        t.useDataFile("\r\nalone\r\n");
        QCOMPARE(t.store->getQuote().text, std::string("alone"));
        QCOMPARE(t.store->getQuote().text, std::string("alone"));
    }

    void changedFileIsIndexedAgain()
    {
        TempStore t;
        const QString path = t.useDataFile("first\r\n");
        QCOMPARE(t.store->getQuote().text, std::string("first"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write("second\r\n");
        f.close();
        QCOMPARE(t.store->readSetting("Regmax"), std::string("2"));
        // "first" was picked last, so the only other line must come now.
        const auto q = t.store->getQuote();
        QCOMPARE(q.text, std::string("second"));
        QCOMPARE(q.number, 2);
        QCOMPARE(t.store->getQuote().text, std::string("first"));
    }

    // A writer holds its temporary file locked while it lives: whatever the age, what no
    // writer holds is a dead writer's and goes at the next write or start.
    void deadWritersTemporariesGo()
    {
        TempStore t;
        const QString dead = t.writeFile(".sig.txt.tmp123", "killed long ago");
        const QString live = t.writeFile(".sig.txt.tmp456", "still being written");
        const QString other = t.writeFile(".sig.txt.tmpnote", "not ours");
        QFile held(live);
        QVERIFY(held.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(held.handle(), LOCK_EX | LOCK_NB), 0);
        t.store->writeTextFile(t.spath("sig.txt"), "signature");
        QVERIFY(!QFile::exists(dead));
        QVERIFY(QFile::exists(live));
        QVERIFY(QFile::exists(other));
        QCOMPARE(t.readFile("sig.txt"), QByteArray("signature"));

        // At start: beside the settings file, beside the data file, in the cache.
        const QString quotes = t.useDataFile("q\r\n");
        const QString ini = QString::fromStdString(t.locations.settingsFile.string());
        const QString cache = QString::fromStdString(t.locations.cacheDir.string());
        QDir().mkpath(cache);
        const QStringList leftovers{QFileInfo(ini).path() + "/.Sentari.ini.tmp1",
                                    t.path(".quotes.txt.tmp22"), cache + "/.quotes-1.idx.tmp333"};
        for (const QString& path : leftovers)
            t.writeFile(QDir(t.dir.path()).relativeFilePath(path), "left");
        t.another()->prepare();
        for (const QString& path : leftovers)
            QVERIFY2(!QFile::exists(path), qPrintable(path));
        QVERIFY(QFile::exists(quotes));

        // The data file's lock, left by a writer killed while it held it: gone at the next
        // start, unless a live writer holds it.
        const QString lock = t.writeFile(".quotes.txt.lock", "");
        QFile holder(lock);
        QVERIFY(holder.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(holder.handle(), LOCK_EX | LOCK_NB), 0);
        t.another()->prepare();
        QVERIFY(QFile::exists(lock));
        holder.close();
        t.another()->prepare();
        QVERIFY(!QFile::exists(lock));
    }

    void writeTextFileHoldsExactlyTheText()
    {
        TempStore t;
        const std::string text = "line 1\r\nl\xC3\xADne 2\n\n";
        t.store->writeTextFile(t.spath("out/sig.txt"), text);
        QCOMPARE(t.readFile("out/sig.txt"), QByteArray::fromStdString(text));
        t.store->writeTextFile(t.spath("out/sig.txt"), "short");
        QCOMPARE(t.readFile("out/sig.txt"), QByteArray("short"));
        QCOMPARE(QDir(t.path("out")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // Names up to the 255 bytes a name may have: the hidden files beside them (temporary,
    // lock) fit too, and none is left behind.
    void longFileNames_data()
    {
        QTest::addColumn<QString>("name");
        for (int bytes : {240, 244, 245, 249, 250, 255})
            QTest::addRow("%d ASCII bytes", bytes) << QString(bytes - 4, QLatin1Char('n')) + ".txt";
        QTest::addRow("255 bytes, two-byte characters")
            << QString(125, QChar(0xE9)) + "x.txt"; // 250 + 5
    }
    void longFileNames()
    {
        QFETCH(QString, name);
        testing::TempStore t;
        const std::string sig = t.spath("s/" + name);
        QVERIFY(QDir().mkpath(t.path("s")) && QDir().mkpath(t.path("q")));
        t.store->writeSetting(keys::numbered(keys::SignatureFile, 1), sig);
        t.store->writeSetting(keys::numbered(keys::Intro, 1), "<Quote will be inserted here>");
        const SignatureRefresh refresh = t.store->refreshSignatures("a quote");
        QVERIFY2(refresh.failures.empty(),
                 refresh.failures.empty() ? "" : refresh.failures[0].c_str());
        QCOMPARE(t.readFile("s/" + name), QByteArray("a quote"));
        t.store->writeTextFile(sig, "written");
        QCOMPARE(t.readFile("s/" + name), QByteArray("written"));

        const std::string data = t.spath("q/" + name);
        t.store->addQuote(data, "one");
        t.store->addQuote(data, "two");
        QVERIFY(t.store->deleteQuote(data, 1, "one").deleted);
        QCOMPARE(t.readFile("q/" + name), QByteArray("two\r\n"));
        QCOMPARE(
            QDir(t.path("q")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{name}); // no lock or temporary left
        QCOMPARE(
            QDir(t.path("s")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{name});
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
