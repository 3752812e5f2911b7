// The signature refresh: the quote put into every listed signature file in its kind, the
// list walked to its first gap, slices of a long list, and failures reported, not thrown.

#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tempstore.h"

#include <QDir>
#include <QTest>

using namespace sentari;
using sentari::testing::TempStore;

class SignatureRefreshTest : public QObject {
    Q_OBJECT
private slots:
    void refreshPutsTheQuoteIntoEachKind_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("intro");
        QTest::addColumn<QByteArray>("quote");
        QTest::addColumn<QByteArray>("expectedFile"); // "" means: an RTF document
        QTest::addColumn<QByteArray>("expectedText");
        QTest::newRow("plain text, tag twice")
            << "sig.txt"
            << QByteArray(
                   "Bye\r\n<Quote will be inserted here>\r\n-- <Quote will be inserted here>")
            << QByteArray("A & B") << QByteArray("Bye\nA & B\n-- A & B")
            << QByteArray("Bye\nA & B\n-- A & B");
        // What a mail program reads: this system's line ends, a plain quote kept to 72
        // columns, HTML that needs no charset, and no empty line where no quote came.
        const QByteArray longQuote = "Wisdom is not a product of schooling but of the lifelong "
                                     "attempt to acquire it, said someone once.";
        QTest::newRow("a long quote wraps where its tag stood")
            << "sig.txt" << QByteArray("Pim\r\n  -- <Quote will be inserted here> (c)\r\n")
            << longQuote
            << QByteArray(
                   "Pim\n  -- Wisdom is not a product of schooling but of the lifelong attempt to\n"
                   "     acquire it, said someone once. (c)\n")
            << QByteArray(
                   "Pim\n  -- Wisdom is not a product of schooling but of the lifelong attempt to\n"
                   "     acquire it, said someone once. (c)\n");
        QTest::newRow("HTML: every non-ASCII character a reference")
            << "sig.htm" << QByteArray("<p>\r\n<Quote will be inserted here>\r\n</p>")
            << QByteArray("Caf\xc3\xa9 \xe2\x80\x94 \xf0\x9f\x98\x80")
            << QByteArray("<p>\nCaf&#233; &#8212; &#128512;\n</p>")
            << QByteArray("<p>\nCaf&#233; &#8212; &#128512;\n</p>");
        QTest::newRow("no quote: the tag's line goes, the rest stays")
            << "sig.txt"
            << QByteArray("Pim\r\n<Quote will be inserted here>\r\nwww\r\nP.S. <Quote will be "
                          "inserted here>")
            << QByteArray() << QByteArray("Pim\nwww\nP.S. ") << QByteArray("Pim\nwww\nP.S. ");
        QTest::newRow("HTML gets an escaped quote")
            << "sig.htm" << QByteArray("<p><Quote will be inserted here></p>")
            << QByteArray("1 < 2 & \"so\"") << QByteArray("<p>1 &lt; 2 &amp; &quot;so&quot;</p>")
            << QByteArray("<p>1 &lt; 2 &amp; &quot;so&quot;</p>");
        QTest::newRow(".HTML in capitals")
            << "sig.HTML" << QByteArray("<Quote will be inserted here>") << QByteArray("<b>")
            << QByteArray("&lt;b&gt;") << QByteArray("&lt;b&gt;");
        QTest::newRow("no tag: the template as it is")
            << "sig.txt" << QByteArray("Just me") << QByteArray("q") << QByteArray("Just me")
            << QByteArray("Just me");
        QTest::newRow("RTF by the last three letters")
            << "mysig.RtF" << QByteArray("Hi <Quote will be inserted here>") << QByteArray("{x}")
            << QByteArray() << QByteArray("Hi {x}");
        QTest::newRow("rtf without a dot") << "myrtf" << QByteArray("<Quote will be inserted here>")
                                           << QByteArray("q") << QByteArray() << QByteArray("q");
    }
    void refreshPutsTheQuoteIntoEachKind()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, intro);
        QFETCH(QByteArray, quote);
        QFETCH(QByteArray, expectedFile);
        QFETCH(QByteArray, expectedText);
        TempStore t;
        t.store->writeSetting("SignatureFile1", t.spath(fileName));
        t.store->writeSetting("Intro1", intro.toStdString());
        t.store->writeSetting("Fontname1", "Liberation Serif");
        t.store->writeSetting("Fontsize1", "10.5");
        t.store->writeSetting("Fontcolor1", std::to_string(0x0000FF));
        const auto filled = t.store->signature(quote.toStdString(), 1);
        QVERIFY(filled.exists);
        QVERIFY(!QFile::exists(t.path(fileName))); // filling writes nothing

        const auto r = t.store->refreshSignatures(quote.toStdString());
        QCOMPARE(r.count, 1);
        QVERIFY(r.failures.empty());
        QCOMPARE(QByteArray::fromStdString(r.text), expectedText);
        QCOMPARE(r.text, filled.text);
        QCOMPARE(r.rtf, filled.rtf);
        QVERIFY(r.rtf.starts_with("{\\rtf1"));
        const QByteArray onDisk = t.readFile(fileName);
        if (expectedFile.isEmpty()) {
            QCOMPARE(onDisk, QByteArray::fromStdString(r.rtf));
            QVERIFY(onDisk.contains("Liberation Serif;"));
            QVERIFY(onDisk.contains("\\fs20")); // 10.5 points: the even neighbour, 10
            QVERIFY(onDisk.contains("\\red255\\green0\\blue0"));
        } else {
            QCOMPARE(onDisk, expectedFile);
            // The font keys belong to rich text only: a plain entry's RTF has the defaults.
            QVERIFY(r.rtf.find("Arial;") != std::string::npos &&
                    r.rtf.find("\\red0\\green0\\blue0;") != std::string::npos &&
                    r.rtf.find("\\fs20") != std::string::npos);
        }
    }

    void refreshEndsAtTheFirstMissingSignature_data()
    {
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<bool>("withIntro");
        QTest::newRow("neither") << false << false;
        QTest::newRow("no template") << true << false;
        QTest::newRow("no file") << false << true;
    }
    void refreshEndsAtTheFirstMissingSignature()
    {
        QFETCH(bool, withFile);
        QFETCH(bool, withIntro);
        TempStore t;
        // Signature 2 is missing or half there, so 3 is never reached.
        for (int n = 1; n <= 3; ++n) {
            if (n != 2 || withFile)
                t.store->writeSetting(keys::numbered(keys::SignatureFile, n),
                                      t.spath(QString("s%1.txt").arg(n)));
            if (n != 2 || withIntro)
                t.store->writeSetting(keys::numbered(keys::Intro, n),
                                      "x <Quote will be inserted here>");
        }
        const auto r = t.store->refreshSignatures("q");
        QCOMPARE(r.count, 1);
        QCOMPARE(r.next, 0);
        QCOMPARE(t.readFile("s1.txt"), QByteArray("x q"));
        QVERIFY(!QFile::exists(t.path("s2.txt")) && !QFile::exists(t.path("s3.txt")));
        const auto missing = t.store->signature("q", 2);
        QVERIFY(!missing.exists && missing.text.empty() && missing.rtf.empty());
    }

    void refreshInSlices()
    {
        TempStore t;
        for (int n = 1; n <= 5; ++n) {
            t.store->writeSetting(keys::numbered(keys::SignatureFile, n),
                                  t.spath(QString("s%1.txt").arg(n)));
            t.store->writeSetting(keys::numbered(keys::Intro, n),
                                  std::to_string(n) + " <Quote will be inserted here>");
        }
        std::vector<std::int64_t> counts;
        std::int64_t from = 1;
        do {
            const auto r = t.store->refreshSignatures("q", from, 2);
            QCOMPARE(r.text, from == 1 ? std::string("1 q") : std::string());
            counts.push_back(r.count);
            from = r.next;
        } while (from != 0);
        QCOMPARE(counts, (std::vector<std::int64_t>{2, 2, 1}));
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(t.readFile(QString("s%1.txt").arg(n)), QByteArray::number(n) + " q");
    }

    void signatureFileThatCannotBeWrittenSaysWhichAndWhy()
    {
        TempStore t;
        QDir().mkpath(t.path("adir"));
        t.store->writeSetting("SignatureFile1", t.spath("adir"));
        t.store->writeSetting("Intro1", "<Quote will be inserted here>");
        t.store->writeSetting("SignatureFile2", t.spath("ok.txt"));
        t.store->writeSetting("Intro2", "<Quote will be inserted here>");
        const auto r = t.store->refreshSignatures("q");
        QCOMPARE(r.count, 2);
        QCOMPARE(r.text, std::string("q"));
        QCOMPARE(t.readFile("ok.txt"), QByteArray("q")); // the next one still gets it
        QCOMPARE(r.failures.size(), std::size_t(1));
        const QString msg = QString::fromStdString(r.failures[0]);
        QVERIFY2(msg.contains(t.path("adir")) && msg.contains("signature file") &&
                     msg.contains("folder"),
                 qPrintable(msg));
    }

    // A quote times many tags beyond what a signature may hold: refused and named, before any
    // of it is built; the others still get the quote.
    void tooLargeASignatureIsRefused()
    {
        TempStore t;
        std::string manyTags;
        for (int i = 0; i < 3000; ++i)
            manyTags += "<Quote will be inserted here>\r\n";
        t.store->writeSetting("SignatureFile1", t.spath("huge.txt"));
        t.store->writeSetting("Intro1", manyTags);
        t.store->writeSetting("SignatureFile2", t.spath("ok.rtf"));
        t.store->writeSetting("Intro2", "<Quote will be inserted here>");
        const std::string quote(1 << 20, 'q');
        const auto r = t.store->refreshSignatures(quote);
        QCOMPARE(r.count, 2);
        QCOMPARE(r.failures.size(), std::size_t(1));
        const QString msg = QString::fromStdString(r.failures[0]);
        QVERIFY2(msg.contains(t.path("huge.txt")) && msg.contains("3000 times") &&
                     msg.contains("16 MB"),
                 qPrintable(msg));
        QVERIFY(!QFile::exists(t.path("huge.txt")));
        QVERIFY(t.readFile("ok.rtf").size() > (1 << 20));
        QVERIFY_THROWS_EXCEPTION(StoreError, t.store->signature(quote, 1));
        // Below the bound it is written as it is.
        const std::string shorter(5000, 'q');
        QVERIFY(t.store->refreshSignatures(shorter).failures.empty());
        QCOMPARE(t.readFile("huge.txt").size(), qsizetype(3000 * (5000 + 1)));
    }

    void unreadableSettingsEndTheRefresh()
    {
        TempStore t;
        t.store->writeSetting("SignatureFile1", t.spath("s.txt"));
        // The settings file replaced by something that cannot be read as one.
        QVERIFY(QFile::remove(QString::fromStdString(t.locations.settingsFile.string())));
        QVERIFY(QDir().mkpath(QString::fromStdString(t.locations.settingsFile.string())));
        const auto r = t.store->refreshSignatures("q");
        QCOMPARE(r.count, 0);
        QCOMPARE(r.failures.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(r.failures[0]).contains("settings file"));
        QVERIFY_THROWS_EXCEPTION(StoreError, t.store->readSetting("QuoteFile"));
    }
};

QTEST_GUILESS_MAIN(SignatureRefreshTest)
#include "tst_signaturerefresh.moc"
