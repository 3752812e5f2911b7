#include "settings/keys.h"

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

    void saverKeysFallBackToValidFirstValues_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<qlonglong>("first");
        QTest::newRow("random transition") << QByteArray("scrTransition") << 0ll;
        QTest::newRow("white text") << QByteArray("scrForegroundColor") << 16777215ll;
        QTest::newRow("on black") << QByteArray("scrBackgroundColor") << 0ll;
        QTest::newRow("medium pause") << QByteArray("scrTiming") << 1ll;
        QTest::newRow("medium speed") << QByteArray("scrInterval") << 1ll;
    }
    void saverKeysFallBackToValidFirstValues()
    {
        QFETCH(QByteArray, key);
        QFETCH(qlonglong, first);
        const auto info = keys::find(key.toStdString());
        QVERIFY(info);
        QVERIFY(keys::valid(info->name, info->firstValue));
        QCOMPARE(qlonglong(keys::firstNumber(info->name)), first);
        QCOMPARE(qlonglong(keys::numberOrFirst(info->name, "junk")), first);
        QCOMPARE(qlonglong(keys::numberOrFirst(info->name, "0")), 0ll);
    }
};

QTEST_APPLESS_MAIN(KeysTest)
#include "tst_keys.moc"
