// `sentari --print-quote` and `--print-signature` as a mail program or shell prompt runs them:
// a whole process.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::newRow("signature 1 by default")
            << QStringList{"--print-signature"} << true << 0 << QByteArray("Pim\n\nQuotes & more\n")
            << QByteArray();
        QTest::newRow("HTML as its file gets it")
            << QStringList{"--print-signature", "2"} << true << 0
            << QByteArray("<p>Quotes &amp; more</p>\n") << QByteArray();
        QTest::newRow("no such signature") << QStringList{"--print-signature", "3"} << true << 1
                                           << QByteArray() << QByteArray("no signature 3;");
        QTest::newRow("a number too large")
            << QStringList{"--print-signature", "99999999999999999999"} << true << 1 << QByteArray()
            << QByteArray("no signature 99999999999999999999;");
        QTest::newRow("no quote file") << QStringList{"--print-signature"} << false << 1
                                       << QByteArray() << QByteArray("no quote data file");
    }
    void printsSignature()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, dataFile);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
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
        QCOMPARE(r.err.count('\n'), exitCode);
        // Printing leaves the signature files alone.
        QVERIFY(!QFile::exists(home.filePath("sig.txt")));
        QVERIFY(!QFile::exists(home.filePath("sig.htm")));
    }
};

QTEST_GUILESS_MAIN(PrintQuoteTest)
#include "tst_printquote.moc"
