#include "platform/twips.h"
#include "tray/popup/popupposition.h"

#include <QTest>

using sentari::platform::twipsToPixels;
using sentari::tray::menuPosition;
using sentari::tray::popupPosition;

// A pop-up of 177 x 90 pixels (2650 x 1350 twips at 96 dpi) and a menu of 200 x 250.
static const QSize Popup(177, 90);
static const QSize Menu(200, 250);

class PopupPositionTest : public QObject {
    Q_OBJECT
private slots:
    // Where the pop-up and the menu open for the pointer on a tray in each place.
    void positions_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("popup");
        QTest::addColumn<QPoint>("menu");

        const QRect s(0, 0, 1024, 768);
        const QRect bottomBar(0, 0, 1024, 738), topBar(0, 30, 1024, 738);
        const QRect leftBar(60, 0, 964, 768), rightBar(0, 0, 964, 768);
        // Pop-up: in the work area's corner next to the bar. Menu: 10 right of the pointer,
        // above it on a bottom bar, below it on a top bar, inside the work area.
        QTest::newRow("bar bottom, tray right")
            << s << bottomBar << QPoint(1010, 755) << QPoint(847, 648) << QPoint(824, 488);
        QTest::newRow("bar top, tray right")
            << s << topBar << QPoint(1010, 10) << QPoint(847, 30) << QPoint(824, 30);
        QTest::newRow("no bar at top, top right: 25 below the edge")
            << s << s << QPoint(1010, 10) << QPoint(847, 25) << QPoint(824, 10);
        QTest::newRow("bar right, tray bottom: 25 above the screen's bottom")
            << s << rightBar << QPoint(1010, 755) << QPoint(787, 653) << QPoint(764, 505);
        QTest::newRow("bar left, tray bottom")
            << s << leftBar << QPoint(20, 755) << QPoint(60, 678) << QPoint(60, 505);
        QTest::newRow("bar bottom, tray left")
            << s << bottomBar << QPoint(20, 755) << QPoint(0, 623) << QPoint(30, 488);
        // The top-left quarter: beside or below the bar, never over the icon.
        QTest::newRow("bar top, tray left")
            << s << topBar << QPoint(10, 10) << QPoint(0, 30) << QPoint(20, 30);
        QTest::newRow("bar left, tray top")
            << s << leftBar << QPoint(20, 10) << QPoint(60, 25) << QPoint(60, 10);
        QTest::newRow("top left, no struts")
            << s << s << QPoint(10, 10) << QPoint(0, 25) << QPoint(20, 10);
        // A pointer on a middle line belongs to the half its pixel lies in.
        QTest::newRow("bar bottom, centred tray, on the middle line")
            << s << bottomBar << QPoint(512, 755) << QPoint(847, 648) << QPoint(522, 488);
        QTest::newRow("bar bottom, centred tray, left of the middle")
            << s << bottomBar << QPoint(511, 755) << QPoint(0, 623) << QPoint(521, 488);
        QTest::newRow("bar right, centred tray, on the middle line")
            << s << rightBar << QPoint(1010, 384) << QPoint(787, 653) << QPoint(764, 134);
        QTest::newRow("bar right, centred tray, above the middle")
            << s << rightBar << QPoint(1010, 383) << QPoint(787, 25) << QPoint(764, 383);
        QTest::newRow("odd width: the middle pixel counts right")
            << QRect(0, 0, 1023, 768) << QRect(0, 0, 1023, 738) << QPoint(511, 755)
            << QPoint(846, 648) << QPoint(521, 488);
        // No room above in the lower half: the menu opens below instead.
        QTest::newRow("tall top bar, pointer below the middle")
            << s << QRect(0, 300, 1024, 468) << QPoint(600, 390) << QPoint(847, 353)
            << QPoint(610, 390);
        QTest::newRow("no work area")
            << s << QRect() << QPoint(1010, 755) << QPoint(0, 0) << QPoint(824, 505);
        // A second screen right of the first: the same rule in its own coordinates.
        QTest::newRow("second screen, bar bottom")
            << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 1280, 994) << QPoint(2294, 1010)
            << QPoint(2127, 904) << QPoint(2104, 744);
        QTest::newRow("second screen, no work area")
            << QRect(1024, 0, 1280, 1024) << QRect() << QPoint(1100, 10) << QPoint(1024, 0)
            << QPoint(1110, 10);
    }
    void positions()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, workArea);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, popup);
        QFETCH(QPoint, menu);
        const QPoint at = popupPosition(pointer, screen, workArea, Popup);
        QCOMPARE(at, popup);
        QCOMPARE(menuPosition(pointer, screen, workArea, Menu), menu);
        // Whatever the corner, the pop-up never covers the pointer (so never the icon); only
        // without a work area it falls back to the screen's top-left corner.
        QVERIFY(workArea.isEmpty() || !QRect(at, Popup).contains(pointer));
    }

    // However large, a pop-up starts inside the work area.
    void largerThanTheWorkArea()
    {
        const QRect area(0, 30, 1024, 738);
        const QPoint at = popupPosition({1010, 10}, {0, 0, 1024, 768}, area, QSize(600, 2000));
        QCOMPARE(at, QPoint(424, 30));
    }

    void rounding_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("tpp");
        QTest::addColumn<int>("pixels");
        QTest::newRow("2650 at 96 dpi") << 2650.0 << 15.0 << 177; // 176.67
        QTest::newRow("2500 at 96 dpi") << 2500.0 << 15.0 << 167; // 166.67
        QTest::newRow("75 at 96 dpi") << 75.0 << 15.0 << 5;
        QTest::newRow("2650 at 120 dpi") << 2650.0 << 12.0 << 221; // 220.83
        QTest::newRow("half rounds away") << 22.5 << 15.0 << 2;    // 1.5
    }
    void rounding()
    {
        QFETCH(double, twips);
        QFETCH(double, tpp);
        QFETCH(int, pixels);
        QCOMPARE(twipsToPixels(twips, tpp), pixels);
    }
};

QTEST_APPLESS_MAIN(PopupPositionTest)
#include "tst_popupposition.moc"
