#include "platform/twips.h"
#include "tray/popupposition.h"

#include <QTest>

using sentari::platform::twipsToPixels;
using sentari::tray::popupPosition;

// A pop-up of 2650 x 1350 twips: 177 x 90 pixels at 96 dpi.
static const QSize PopupTwips(2650, 1350);
static const QPointF Tpp96(15.0, 15.0);

class PopupPositionTest : public QObject {
    Q_OBJECT
private slots:
    void corner_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QPointF>("tpp");
        QTest::addColumn<QPoint>("expected");

        const QRect screen(0, 0, 1024, 768);
        // Taskbar at the bottom, tray at the right: bottom-right corner touches the bar.
        QTest::newRow("bar bottom, tray right")
            << QPoint(1010, 755) << screen << QRect(0, 0, 1024, 738) << Tpp96 << QPoint(847, 648);
        // Taskbar at the top, tray at the right: hangs below the bar at the right edge.
        QTest::newRow("bar top, tray right")
            << QPoint(1010, 10) << screen << QRect(0, 30, 1024, 738) << Tpp96 << QPoint(847, 30);
        // No bar at the top: 25 pixels below the screen edge.
        QTest::newRow("top right, no bar at top")
            << QPoint(1010, 10) << screen << QRect(0, 0, 1024, 768) << Tpp96 << QPoint(847, 25);
        // Taskbar on the right, tray at the bottom right: 25 pixels above the screen bottom.
        QTest::newRow("bar right, tray bottom")
            << QPoint(1010, 755) << screen << QRect(0, 0, 964, 768) << Tpp96 << QPoint(787, 653);
        // Taskbar on the left, tray at the bottom left.
        QTest::newRow("bar left, tray bottom")
            << QPoint(20, 755) << screen << QRect(60, 0, 964, 768) << Tpp96 << QPoint(60, 678);
        // Bar at the bottom, tray at the left: left is 0, so 25 pixels more clearance.
        QTest::newRow("bar bottom, tray left")
            << QPoint(20, 755) << screen << QRect(0, 0, 1024, 738) << Tpp96 << QPoint(0, 623);
        QTest::newRow("top-left quarter")
            << QPoint(10, 10) << screen << QRect(0, 30, 1024, 738) << Tpp96 << QPoint(0, 0);
        QTest::newRow("exactly on the middle line")
            << QPoint(512, 700) << screen << QRect(0, 0, 1024, 738) << Tpp96 << QPoint(0, 0);
        QTest::newRow("no work area")
            << QPoint(1010, 755) << screen << QRect() << Tpp96 << QPoint(0, 0);
        // 192 dpi: the same twips are twice the pixels.
        QTest::newRow("HiDPI bar bottom")
            << QPoint(2000, 1500) << QRect(0, 0, 2048, 1536) << QRect(0, 0, 2048, 1476)
            << QPointF(7.5, 7.5) << QPoint(2048 - 353, 1476 - 180);
        // A second screen right of the first: the same rule in its own coordinates.
        QTest::newRow("second screen, bar bottom")
            << QPoint(1024 + 1270, 1010) << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 1280, 994)
            << Tpp96 << QPoint(1024 + 1280 - 177, 994 - 90);
        QTest::newRow("second screen, no work area")
            << QPoint(1100, 10) << QRect(1024, 0, 1280, 1024) << QRect() << Tpp96
            << QPoint(1024, 0);
    }
    void corner()
    {
        QFETCH(QPoint, cursor);
        QFETCH(QRect, screen);
        QFETCH(QRect, workArea);
        QFETCH(QPointF, tpp);
        QFETCH(QPoint, expected);
        QCOMPARE(popupPosition(cursor, screen, workArea, tpp, PopupTwips), expected);
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
