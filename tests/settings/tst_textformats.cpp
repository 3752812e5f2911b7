#include "sentaristore/files/textcodec.h"
#include "sentaristore/signaturefill/rtf.h"

#include <QTest>

using namespace sentari;

class TextFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void rtfBody_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("plain") << QByteArray("Hello") << QByteArray("Hello\\par\n");
        QTest::newRow("specials escaped")
            << QByteArray("a\\b{c}") << QByteArray("a\\\\b\\{c\\}\\par\n");
        QTest::newRow("CR LF, LF and CR each one break")
            << QByteArray("1\r\n2\n3\r4") << QByteArray("1\\par\n2\\par\n3\\par\n4\\par\n");
        QTest::newRow("Latin-1 and euro")
            << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << QByteArray("caf\\u233? \\u8364?\\par\n");
        QTest::newRow("above 32767 is negative") << QByteArray("\xEF\xBC\xA1") // U+FF21
                                                 << QByteArray("\\u-223?\\par\n");
        QTest::newRow("outside the BMP as a surrogate pair")
            << QByteArray("\xF0\x9F\x98\x80") << QByteArray("\\u-10179?\\u-8704?\\par\n");
        QTest::newRow("tab") << QByteArray("a\tb") << QByteArray("a\\tab b\\par\n");
    }
    void rtfBody()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, body);
        const QByteArray rtf =
            QByteArray::fromStdString(textToRtf(text.toStdString(), "Arial", 0, 12));
        const QByteArray head = "\\cf1 ";
        const qsizetype at = rtf.indexOf(head);
        QVERIFY(at > 0);
        QCOMPARE(rtf.mid(at + head.size()), body + "}\n");
    }

    void rtfDocument()
    {
        const std::string rtf = textToRtf("x", "Times {New}; Roman", 0x00336699, 9);
        QVERIFY(rtf.starts_with("{\\rtf1\\ansi"));
        QVERIFY(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Times \\{New\\} Roman;}}") !=
                std::string::npos);
        QVERIFY(rtf.find("{\\colortbl ;\\red153\\green102\\blue51;}") != std::string::npos);
        QVERIFY(rtf.find("\\fs18") != std::string::npos);
        // Balanced groups: a reader that counts braces finds the document's end.
        int depth = 0;
        for (std::size_t i = 0; i < rtf.size(); ++i) {
            if (rtf[i] == '\\') {
                ++i;
                continue;
            }
            depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
            QVERIFY(depth >= 0);
        }
        QCOMPARE(depth, 0);
    }

    void utf8Validation_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ASCII") << QByteArray("plain text, long enough to take the fast path")
                               << true;
        QTest::newRow("two, three, four bytes")
            << QByteArray("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80") << true;
        QTest::newRow("Windows-1252 e acute") << QByteArray("caf\xE9") << false;
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("cut short at the end") << QByteArray("abc\xE2\x82") << false;
        QTest::newRow("stray continuation") << QByteArray("a\x80") << false;
    }
    void utf8Validation()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(text::isValidUtf8(bytes.toStdString()), valid);
        // Fed one byte at a time, as chunk boundaries may cut a character anywhere.
        text::Utf8Validator v;
        for (char c : bytes)
            v.feed(&c, 1);
        QCOMPARE(v.valid(), valid);
    }

    void windows1252()
    {
        std::string all;
        for (int c = 1; c < 256; ++c)
            all += char(c);
        const std::string utf8 = text::cp1252ToUtf8(all);
        QVERIFY(text::isValidUtf8(utf8));
        QCOMPARE(text::utf8ToCp1252(utf8).value_or(""), all);
        QCOMPARE(text::cp1252ToUtf8("\x80\x93\x94"),
                 std::string("\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D"));
        QVERIFY(!text::utf8ToCp1252("\xE2\x98\xBA")); // no code for U+263A
        QCOMPARE(int(text::cp1252Code(U'\u017D').value_or(0)), 0x8E);
    }
};

QTEST_GUILESS_MAIN(TextFormatsTest)
#include "tst_textformats.moc"
