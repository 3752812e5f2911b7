#include "tray/popup/quotewindows.h"
#include "tray/traycontroller.h"
#include "trayfixture.h"

#include <QTest>

using namespace sentari;
using namespace sentari::tray;

using Fixture = testing::TrayFixture;

class TrayControllerTest : public QObject {
    Q_OBJECT
private slots:
    void leftPressChangesQuote()
    {
        Fixture f;
        const QString before = f.quote();
        f.tray.leftPress();
        QVERIFY(f.quote() != before); // the store never repeats its last pick
        QVERIFY(!f.tray.popup().isOpen());
        QCOMPARE(f.tray.hoversSinceChange(), 0);
    }

    // Only its own rollover resets the hover count; quote changes made elsewhere leave it.
    void quoteChangesElsewhereKeepHoverCount_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("left press") << "left";
        QTest::newRow("menu: change data file") << "changeDataFile";
        QTest::newRow("menu: delete quote") << "deleteQuote";
        QTest::newRow("a signature saved") << "saved";
    }
    void quoteChangesElsewhereKeepHoverCount()
    {
        QFETCH(QString, change);
        Fixture f;
        f.hoverAndLeave();
        f.hoverAndLeave();
        const QString before = f.quote();
        if (change == QLatin1String("left"))
            f.tray.leftPress();
        else if (change == QLatin1String("saved"))
            f.tray.changeQuoteAfterSave({});
        else
            f.choose(qPrintable(change));
        QTRY_VERIFY(f.quote() != before);
        QCOMPARE(f.tray.hoversSinceChange(), 2);
    }

    void hoverShowsQuote()
    {
        Fixture f;
        f.tray.hover();
        QVERIFY(f.tray.popup().isOpen());
        QCOMPARE(f.popupText(), f.quote());
        QCOMPARE(f.tray.hoversSinceChange(), 1);
    }

    // The menu's own loop lets the icon's reports through; they find the tray busy. A save in
    // the signature window is not dropped: it changes the quote, and the tray stays busy.
    void rightPressOpensMenuAndDropsReportsMeanwhile()
    {
        Fixture f;
        const QString before = f.quote();
        QString afterSave;
        bool busyInside = false;
        int menus = 0;
        f.rightPressAnd([&] {
            f.tray.changeQuoteAfterSave({});
            afterSave = f.quote();
            busyInside = f.tray.busy();
            f.tray.hover();
            f.tray.leftPress();
            f.tray.rightPress();
            ++menus;
        });
        QCOMPARE(menus, 1);
        QVERIFY(busyInside);
        QVERIFY(!f.tray.busy());
        QVERIFY(!f.tray.popup().isOpen());
        QCOMPARE(f.tray.hoversSinceChange(), 0);
        QVERIFY(afterSave != before);
        QCOMPARE(f.quote(), afterSave);
    }

    void everySixthHoverChangesQuote()
    {
        Fixture f;
        const QString first = f.quote();
        for (int n = 1; n <= 5; ++n) {
            f.hoverAndLeave();
            QCOMPARE(f.tray.hoversSinceChange(), n);
            QCOMPARE(f.quote(), first);
        }
        f.tray.hover();
        QVERIFY(f.tray.popup().isOpen());
        QCOMPARE(f.popupText(), first); // the sixth still shows the old one
        QVERIFY(f.quote() != first);
        QCOMPARE(f.tray.hoversSinceChange(), 0);
    }

    // The motion that closes the pop-up reaches the icon too; it is not a new hover. The next
    // motion is, also when it stays on the icon.
    void sixteenPixelStepsOnTheIcon()
    {
        Fixture f;
        const QString first = f.quote();
        for (int opening = 1; opening <= 6; ++opening) {
            QCOMPARE(f.quote(), first);
            f.tray.hover();
            QVERIFY(f.tray.popup().isOpen());
            QCOMPARE(f.tray.hoversSinceChange(), opening % 6);
            f.desktop.cursor += QPoint(16, opening % 2 ? 0 : 16);
            QTRY_VERIFY_WITH_TIMEOUT(!f.tray.popup().isOpen(), 1000);
            f.tray.hover(); // the closing motion, as the icon reports it
            QVERIFY(!f.tray.popup().isOpen());
            QCOMPARE(f.tray.hoversSinceChange(), opening % 6);
            f.desktop.cursor += QPoint(-16, 0); // the next step
        }
        QVERIFY(f.quote() != first);
    }

    void hoverWhilePopupOpenCountsNothing()
    {
        Fixture f;
        f.tray.hover();
        QuotePopupWindow* shown = f.tray.popup().window();
        for (int i = 0; i < 10; ++i)
            f.tray.hover();
        QCOMPARE(f.tray.hoversSinceChange(), 1);
        QCOMPARE(f.tray.popup().window(), shown);
    }

    void emptyQuoteShowsNothingButCounts()
    {
        Fixture f(0); // an empty data file: the current quote stays empty
        QVERIFY(f.quote().isEmpty());
        for (int n = 1; n <= 5; ++n) {
            f.tray.hover();
            QVERIFY(!f.tray.popup().isOpen());
            QCOMPARE(f.tray.hoversSinceChange(), n);
        }
        // The sixth asks for a data file; choosing none ends the program, icon first.
        f.tray.hover();
        QCOMPARE(f.desktop.fileDialogs.size(), 1);
        QCOMPARE(f.ends, 1);
        QVERIFY(!f.tray.iconShown());
    }

    void pointerTolerance_data()
    {
        QTest::addColumn<QPoint>("moved");
        QTest::addColumn<bool>("closes");
        QTest::newRow("still") << QPoint(0, 0) << false;
        QTest::newRow("15 left") << QPoint(-15, 0) << false;
        QTest::newRow("15 right and 15 down") << QPoint(15, 15) << false;
        QTest::newRow("15 up") << QPoint(0, -15) << false;
        QTest::newRow("16 left") << QPoint(-16, 0) << true;
        QTest::newRow("16 right") << QPoint(16, 0) << true;
        QTest::newRow("16 up") << QPoint(0, -16) << true;
        QTest::newRow("16 down") << QPoint(0, 16) << true;
    }
    void pointerTolerance()
    {
        QFETCH(QPoint, moved);
        QFETCH(bool, closes);
        Fixture f;
        f.tray.hover();
        QCOMPARE(f.tray.popup().anchor(), QPoint(1010, 750));
        QPointer<QuotePopupWindow> popup = f.tray.popup().window();
        f.desktop.cursor += moved;
        QTest::qWait(40); // several 5 ms looks
        QCOMPARE(!f.tray.popup().isOpen(), closes);
        QCOMPARE(popup.isNull() || !popup->isVisible(), closes);
    }

    // A pop-up still open when the menu opens is measured from the menu's opening point.
    void menuMovesThePopupsAnchor()
    {
        Fixture f;
        f.tray.hover();
        f.desktop.cursor += QPoint(10, 0);
        f.rightPressAnd([&] { f.desktop.cursor += QPoint(10, 0); });
        QCOMPARE(f.tray.popup().anchor(), QPoint(1020, 750));
        QTest::qWait(40);
        QVERIFY(f.tray.popup().isOpen()); // 10 pixels from the new anchor, 20 from the old
    }

    void popupInTheWorkAreasCorner()
    {
        Fixture f;
        f.tray.hover();
        QuotePopupWindow* p = f.tray.popup().window();
        QVERIFY(p->isVisible());
        // Bottom-right corner of the fake work area (1024 x 738).
        QCOMPARE(p->geometry().right() + 1, 1024);
        QCOMPARE(p->geometry().bottom() + 1, 738);
        QVERIFY(p->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(p->windowFlags() & Qt::WindowStaysOnTopHint);
    }
};

QTEST_MAIN(TrayControllerTest)
#include "tst_traycontroller.moc"
