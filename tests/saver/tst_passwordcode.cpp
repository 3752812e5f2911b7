#include "saver/passwordcode.h"
#include "sentaristore/files/textcodec.h"

#include <QTest>

using namespace sentari::saver;

namespace {
QString fromCodes(std::initializer_list<char32_t> codes)
{
    std::u32string s(codes);
    return QString::fromUcs4(s.data(), qsizetype(s.size()));
}
} // namespace

class TestPasswordCode : public QObject {
    Q_OBJECT
private slots:
    void codesBothWays_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("coded");
        QTest::newRow("abc") << "abc" << fromCodes({0xD6, 0xD7, 0xD8}); // codes 214, 215, 216
        QTest::newRow("! to line feed, $ to carriage return") << "!$!" << fromCodes({10, 13, 10});
        // Code 132 is the double low quotation mark; 249 is u with grave.
        QTest::newRow("132 to 249") << QString(QChar(0x201E)) << fromCodes({0xF9});
        QTest::newRow("83 to 20") << "S" << fromCodes({20});
        // Code 149 is the bullet in Windows-1252.
        QTest::newRow("82 to 149") << "R" << fromCodes({0x2022});
        QTest::newRow("euro, code 128") << QString(QChar(0x20AC)) << fromCodes({0xF5}); // 245
        QTest::newRow("empty") << ""
                               << "";
        // 80 -> 147 (left double quote), 119 -> 236, 57 -> 124, 126 -> 243
        QTest::newRow("mixed") << "Pw9~" << fromCodes({0x201C, 0xEC, 124, 0xF3});
    }
    void codesBothWays()
    {
        QFETCH(QString, plain);
        QFETCH(QString, coded);
        QCOMPARE(encodePassword(plain), std::optional<QString>(coded));
        QCOMPARE(decodePassword(coded), std::optional<QString>(plain));
    }

    void refusesWhatItCannotCode_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("space") << "pass word";
        QTest::newRow("code 133") << "ab" + QString(QChar(0x2026)); // ellipsis, code 133
        QTest::newRow("e acute, code 233") << QString::fromUtf8("caf\u00e9");
        QTest::newRow("control character") << "a\tb";
        QTest::newRow("no Windows-1252 code") << QString::fromUtf8("\u4e2d");
        QTest::newRow("refused first, fine after") << " abcdef";
    }
    void refusesWhatItCannotCode()
    {
        QFETCH(QString, plain);
        QVERIFY(!encodePassword(plain));
    }

    void everyCodableCharacterRoundTrips()
    {
        QString all;
        for (int code = 33; code <= 132; ++code)
            all += QChar(char16_t(sentari::text::cp1252Char(static_cast<unsigned char>(code))));
        const auto coded = encodePassword(all);
        QVERIFY(coded);
        QCOMPARE(coded->size(), all.size());
        for (QChar c : *coded) {
            const auto code = sentari::text::cp1252Code(c.unicode());
            QVERIFY(code);
            const int k = *code;
            QVERIFY2((k >= 10 && k <= 29) || (k >= 110 && k <= 149) || (k >= 210 && k <= 249),
                     qPrintable(QString::number(k)));
        }
        QCOMPARE(decodePassword(*coded), std::optional<QString>(all));
    }

    void undecodableTextMatchesNothing_data()
    {
        QTest::addColumn<QString>("coded");
        QTest::newRow("single digit code") << fromCodes({5});
        QTest::newRow("decodes above 132") << fromCodes({30});
        QTest::newRow("no Windows-1252 code") << fromCodes({0x4E2D});
    }
    void undecodableTextMatchesNothing()
    {
        QFETCH(QString, coded);
        QVERIFY(!decodePassword(coded));
    }
};

QTEST_APPLESS_MAIN(TestPasswordCode)
#include "tst_passwordcode.moc"
