// `sentari --print-quote` and `--print-signature` as a mail program or shell prompt runs them:
// a whole process.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class PrintQuoteTest : public QObject {
    Q_OBJECT

    QTemporaryDir home;
    const QString program =
        QDir(qEnvironmentVariable("SENTARI_BIN_DIR")).absoluteFilePath(QStringLiteral("sentari"));

    struct Run {
        int exitCode;
        QByteArray out, err;
    };
    Run sentari(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_CACHE_HOME", home.filePath("cache"));
        env.remove("DISPLAY");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        p.setProcessEnvironment(env);
        p.start(program, args);
        if (!p.waitForFinished(20000))
            return {-1, {}, {}};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), p.readAllStandardError()};
    }
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile f(home.filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return f.fileName();
    }

private slots:
    void init() { QDir(home.filePath("config")).removeRecursively(); }

    void withoutADataFileSaysSoOnOneLine()
    {
        const Run r = sentari({"--print-quote"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.contains("--data-file"));
    }

    void missingDataFileIsNamed()
    {
        const Run r = sentari({"--data-file", home.filePath("gone.txt"), "--print-quote"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains(home.filePath("gone.txt").toUtf8()));
    }

    // Refused, and the quote data file chosen before stays.
    void dataFileThatCannotBeOne_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("a folder") << home.path();
        QTest::newRow("a pipe") << home.filePath("fifo");
        QTest::newRow("a device") << "/dev/zero";
    }
    void dataFileThatCannotBeOne()
    {
        QFETCH(QString, path);
        const QString good = write("good.txt", "a quote\n");
        QCOMPARE(sentari({"--data-file", good, "--print-quote"}).exitCode, 0);
        ::mkfifo(home.filePath("fifo").toLocal8Bit().constData(), 0600);
        const Run r = sentari({"--data-file", path, "--print-quote"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(path.toUtf8()) && r.err.contains("was not changed"),
                 r.err.constData());
        QCOMPARE(sentari({"--print-quote"}).out, QByteArray("a quote\n"));
    }

    void printsOneQuoteAndANewline()
    {
        const QString file = write("q.txt", "\r\nfirst quote\r\n\r\nsecond quote\r\n");
        QDir::setCurrent(home.path());
        QByteArray last;
        for (int i = 0; i < 10; ++i) {
            // The first run also makes the file the active one, by a relative name.
            const Run r = sentari(i == 0 ? QStringList{"--data-file", "q.txt", "--print-quote"}
                                         : QStringList{"--print-quote"});
            QCOMPARE(r.exitCode, 0);
            QVERIFY(r.err.isEmpty());
            QVERIFY2(r.out == "first quote\n" || r.out == "second quote\n", r.out.constData());
            QVERIFY2(r.out != last, "the same quote twice in a row");
            last = r.out;
        }
        // --data-file stored the absolute path.
        QFile ini(home.filePath("config/Sentari/Sentari.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains(("QuoteFile=" + file).toUtf8()));
    }

    void printsSignature_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("dataFile");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err"); // a part of it
        QTest::addColumn<int>("errLines");
        const QByteArray html = "<p>Quotes &amp; more</p>\n";
        QTest::newRow("signature 1 by default")
            << QStringList{"--print-signature"} << true << 0 << QByteArray("Pim\n\nQuotes & more\n")
            << QByteArray() << 0;
        QTest::newRow("HTML as its file gets it")
            << QStringList{"--print-signature", "2"} << true << 0 << html << QByteArray() << 0;
        QTest::newRow("HTML as a whole document")
            << QStringList{"--print-signature=2", "--html-document"} << true << 0
            << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n" + html +
                   "</body></html>\n"
            << QByteArray() << 0;
        QTest::newRow("no such signature") << QStringList{"--print-signature", "3"} << true << 1
                                           << QByteArray() << QByteArray("no signature 3;") << 1;
        QTest::newRow("a number too large")
            << QStringList{"--print-signature", "99999999999999999999"} << true << 2 << QByteArray()
            << QByteArray("not '99999999999999999999'") << 2;
        QTest::newRow("no quote file: the signature without its quote line")
            << QStringList{"--print-signature"} << false << 0 << QByteArray("Pim\n\n")
            << QByteArray("no quote data file") << 2;
        QTest::newRow("no quote that short: the same")
            << QStringList{"--print-signature", "-s", "-n", "5"} << true << 0
            << QByteArray("Pim\n\n") << QByteArray("no quote of at most 5 characters") << 2;
        QTest::newRow("a long enough quote")
            << QStringList{"-l", "--print-signature", "-n5"} << true << 0
            << QByteArray("Pim\n\nQuotes & more\n") << QByteArray() << 0;
    }
    void printsSignature()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, dataFile);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QFETCH(int, errLines);
        const QString quotes = write("quotes.txt", "Quotes & more\r\n");
        QVERIFY(QDir().mkpath(home.filePath("config/Sentari")));
        write("config/Sentari/Sentari.ini",
              "[General]\nSignatureFile1=" + home.filePath("sig.txt").toUtf8() +
                  "\nIntro1=Pim\\r\\n\\r\\n<Quote will be inserted here>\nSignatureFile2=" +
                  home.filePath("sig.htm").toUtf8() +
                  "\nIntro2=<p><Quote will be inserted here></p>\n" +
                  (dataFile ? "QuoteFile=" + quotes.toUtf8() : QByteArray()) + "\n");
        const Run r = sentari(args);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), r.err.constData());
        QCOMPARE(r.err.count('\n'), errLines);
        // Printing leaves the signature files alone.
        QVERIFY(!QFile::exists(home.filePath("sig.txt")));
        QVERIFY(!QFile::exists(home.filePath("sig.htm")));
    }

    // A wrong command line never starts anything: a usage message and exit 2.
    void wrongCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << QByteArray("'--bogus'");
        QTest::newRow("unknown after a good one")
            << QStringList{"--print-signature", "1", "--no-such-option"}
            << QByteArray("'--no-such-option'");
        QTest::newRow("unknown short") << QStringList{"-x"} << QByteArray("-- 'x'");
        QTest::newRow("stray word") << QStringList{"--print-quote", "more"} << QByteArray("'more'");
        QTest::newRow("negative signature")
            << QStringList{"--print-signature", "-1"} << QByteArray("'-1'");
        QTest::newRow("signature not a number")
            << QStringList{"--print-signature", "abc"} << QByteArray("'abc'");
        QTest::newRow("signature zero") << QStringList{"--print-signature=0"} << QByteArray("'0'");
        QTest::newRow("two modes")
            << QStringList{"--print-quote", "--change-quote"} << QByteArray("one of");
        QTest::newRow("-n alone") << QStringList{"--print-quote", "-n", "80"}
                                  << QByteArray("-n needs");
        QTest::newRow("-n without a number")
            << QStringList{"--print-quote", "-s", "-n"} << QByteArray("'n'");
        QTest::newRow("-n not a number")
            << QStringList{"--print-quote", "-s", "-n", "8x"} << QByteArray("'8x'");
        QTest::newRow("-s and -l")
            << QStringList{"--print-quote", "-s", "-l"} << QByteArray("-s and -l");
        QTest::newRow("-s for the tray") << QStringList{"-s"} << QByteArray("go with");
        QTest::newRow("no data file name") << QStringList{"--data-file"} << QByteArray("requires");
        QTest::newRow("empty data file name")
            << QStringList{"--data-file=", "--print-quote"} << QByteArray("empty");
        QTest::newRow("document of a quote")
            << QStringList{"--print-quote", "--html-document"} << QByteArray("--html-document");
        QTest::newRow("Qt option when printing")
            << QStringList{"--print-quote", "-style", "fusion"} << QByteArray("Qt's");
        QTest::newRow("value for a switch")
            << QStringList{"--print-quote=3"} << QByteArray("doesn't allow");
    }
    void wrongCommandLines()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, err);
        const Run r = sentari(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith("sentari: ") && r.err.contains(err) &&
                     r.err.endsWith("Try 'sentari --help' for more information.\n"),
                 r.err.constData());
        QVERIFY(!QFile::exists(home.filePath("config/Sentari/Sentari.ini")));
    }

    void aFullDiskIsSaid()
    {
        write("q.txt", "a quote\n");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_CACHE_HOME", home.filePath("cache"));
        p.setProcessEnvironment(env);
        p.setStandardOutputFile("/dev/full");
        p.start(program, {"--data-file", home.filePath("q.txt"), "--print-quote"});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("cannot write to standard output"));
    }

    // One process per pick, as a mail program makes them: two rounds through a 300-line file,
    // each quote once per round, and the second round not starting with the last of the first.
    void everyQuoteOnceAcrossProcesses()
    {
        QByteArray file;
        for (int i = 1; i <= 300; ++i)
            file += "quote " + QByteArray::number(i) + "\n";
        const QString path = write("many.txt", file);
        QVERIFY(sentari({"--data-file", path, "--print-quote"}).exitCode == 0);
        QSet<QByteArray> round;
        QByteArray last;
        int repeats = 0;
        for (int i = 1; i < 600; ++i) {
            const Run r = sentari({"--print-quote"});
            QCOMPARE(r.exitCode, 0);
            QVERIFY(r.out != last);
            last = r.out;
            if (i == 300)
                round.clear();
            if (round.contains(r.out))
                ++repeats;
            round.insert(r.out);
        }
        QCOMPARE(repeats, 0);
    }
};

QTEST_GUILESS_MAIN(PrintQuoteTest)
#include "tst_printquote.moc"
