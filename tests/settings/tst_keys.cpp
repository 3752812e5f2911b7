#include "sentaristore/settings/keys.h"

#include <QTest>

namespace keys = sentari::keys;

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void valuesAgainstTheTable_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<qlonglong>("number"); // -1: none
        QTest::addColumn<bool>("valid");
        QTest::newRow("last transition")
            << QByteArray("scrTransition") << QByteArray("8") << 8ll << true;
        QTest::newRow("transition past the list")
            << QByteArray("scrTransition") << QByteArray("9") << -1ll << false;
        QTest::newRow("hand edit with blanks and plus")
            << QByteArray("scrtransition") << QByteArray(" +3 ") << 3ll << true;
        QTest::newRow("white, the dialog's spelling")
            << QByteArray("scrForeGroundColor") << QByteArray("16777215") << 16777215ll << true;
        QTest::newRow("past white")
            << QByteArray("scrBackgroundColor") << QByteArray("16777216") << -1ll << false;
        QTest::newRow("random foreground")
            << QByteArray("scrForegroundColor") << QByteArray("random") << -1ll << true;
        QTest::newRow("random compared exactly")
            << QByteArray("scrForegroundColor") << QByteArray("Random") << -1ll << false;
        QTest::newRow("no random background")
            << QByteArray("scrBackgroundColor") << QByteArray("random") << -1ll << false;
        QTest::newRow("signature colour")
            << QByteArray("Fontcolor12") << QByteArray("255") << 255ll << true;
        QTest::newRow("ask-once word")
            << QByteArray("AddClipboard") << QByteArray("don't ask") << -1ll << true;
        QTest::newRow("ask-once word compared exactly")
            << QByteArray("CreateSignature") << QByteArray("Don't ask") << -1ll << false;
        QTest::newRow("flag: any other text is off")
            << QByteArray("QuickShow") << QByteArray("yes") << -1ll << true;
        QTest::newRow("coded password")
            << QByteArray("Password") << QByteArray("\n\r\x14") << -1ll << true;
    }
    void valuesAgainstTheTable()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(qlonglong, number);
        QFETCH(bool, valid);
        const auto n = keys::number(key.toStdString(), value.toStdString());
        QCOMPARE(n ? qlonglong(*n) : -1ll, number);
        QCOMPARE(keys::valid(key.toStdString(), value.toStdString()), valid);
    }

    // Readers fall back to the first value, so it has to be one the key accepts.
    void firstValuesAreValid()
    {
        for (const auto key :
             {keys::ScrTransition, keys::ScrForegroundColor, keys::ScrBackgroundColor,
              keys::ScrTiming, keys::ScrInterval, keys::AddClipboard, keys::CreateSignature}) {
            const auto info = keys::find(key);
            QVERIFY(info);
            QVERIFY(keys::valid(key, info->firstValue));
            QCOMPARE(keys::numberOrFirst(key, "junk"), keys::firstNumber(key));
        }
    }
};

QTEST_APPLESS_MAIN(KeysTest)
#include "tst_keys.moc"
