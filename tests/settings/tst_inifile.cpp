#include "settings/inifile.h"

#include <QTest>

using sentari::IniDocument;

class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void valuesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("C:/Quotes/wisdom.txt");
        QTest::newRow("CR LF inside") << QByteArray("greetings,\r\n\r\nPim\r\n<tag>");
        QTest::newRow("comma, semicolon, equals") << QByteArray("a, b; c = d");
        QTest::newRow("quotes and backslashes") << QByteArray("say \"hi\" \\ \\\\n");
        QTest::newRow("leading and trailing blanks") << QByteArray("  padded\t ");
        QTest::newRow("starts with @") << QByteArray("@ByteArray(x)");
        QTest::newRow("hex digits after a control character") << QByteArray("\x01"
                                                                            "abc123");
        // Coded passwords use the codes 10..29, 110..149 and 210..249.
        QByteArray coded;
        for (int c = 10; c <= 29; ++c)
            coded += char(c);
        QTest::newRow("coded password, low codes") << coded;
        QTest::newRow("coded password, high codes")
            << QString(
                   QStringList{QChar(0x6E), QChar(0x95), QChar(0xD2), QChar(0xF9)}.join(QString()))
                   .toUtf8();
        QTest::newRow("DEL and non-ASCII")
            << QByteArray("\x7F"
                          "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
        QTest::newRow("empty") << QByteArray();
    }
    void valuesRoundTrip()
    {
        QFETCH(QByteArray, value);
        IniDocument doc;
        doc.setValue("", "Key", value.toStdString());
        const auto text = doc.serialize();
        const auto back = IniDocument::parse(text).value("", "key");
        QVERIFY(back.has_value());
        QCOMPARE(QByteArray::fromStdString(*back), value);
        // One entry line: line breaks in the value never break the file's structure.
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 2);
    }

    void handEditedFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("other letter case")
            << QByteArray("[General]\nquotefile=/q.txt\n") << "QuoteFile"
            << "/q.txt";
        QTest::newRow("group in other case") << QByteArray("[general]\nRegmax=12\n") << "regmax"
                                             << "12";
        QTest::newRow("no group at all") << QByteArray("Regmax=3\n") << "Regmax"
                                         << "3";
        QTest::newRow("unquoted comma is not a list")
            << QByteArray("[General]\nIntro1=Hello, world\n") << "Intro1"
            << "Hello, world";
        QTest::newRow("quoted blanks kept") << QByteArray("[General]\nA=\"  x  \"\n") << "a"
                                            << "  x  ";
        QTest::newRow("blanks around = trimmed") << QByteArray("[General]\n  A  =  x  \n") << "A"
                                                 << "x";
        QTest::newRow("CR LF file") << QByteArray("[General]\r\nA=x\r\nB=y\r\n") << "B"
                                    << "y";
        QTest::newRow("later line wins") << QByteArray("[General]\nA=1\na=2\n") << "A"
                                         << "2";
        QTest::newRow("comment lines skipped") << QByteArray("; A=1\n[General]\n#A=2\nA=3\n") << "A"
                                               << "3";
        QTest::newRow("other group not read")
            << QByteArray("[Other]\nA=1\n[General]\nB=2\n") << "A" << QString();
        QTest::newRow("escaped line break") << QByteArray("[General]\nA=one\\r\\ntwo\n") << "A"
                                            << "one\r\ntwo";
        QTest::newRow("continued line") << QByteArray("[General]\nA=one \\\n  two\n") << "A"
                                        << "one two";
    }
    void handEditedFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const auto v = IniDocument::parse(file.toStdString()).value("", key.toStdString());
        QCOMPARE(v ? QString::fromStdString(*v) : QString(), expected);
    }

    void rewriteKeepsWhatItDoesNotOwn()
    {
        auto doc =
            IniDocument::parse("; my settings\n[General]\nQuoteFile=/a.txt\n\n[Other]\nX=1\n");
        doc.setValue("", "quotefile", "/b.txt");
        doc.setValue("", "Regmax", "7");
        const auto text = doc.serialize();
        QCOMPARE(QString::fromStdString(text),
                 QStringLiteral(
                     "; my settings\n[General]\nQuoteFile=/b.txt\nRegmax=7\n\n[Other]\nX=1\n"));
    }

    void writingRemovesCaseDuplicates()
    {
        auto doc = IniDocument::parse("[General]\nscrForegroundColor=1\nSCRFOREGROUNDCOLOR=2\n");
        doc.setValue("", "scrForeGroundColor", "3");
        QCOMPARE(QString::fromStdString(doc.serialize()),
                 QStringLiteral("[General]\nscrForegroundColor=3\n"));
        QVERIFY(doc.remove("", "SCRforegroundcolor"));
        QVERIFY(!doc.value("", "scrForegroundColor"));
        QVERIFY(!doc.remove("", "scrForegroundColor"));
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
