#include "tray/icon/trayiconwindow.h"
#include "tray/popup/quotewindows.h"
#include "tray/scaling.h"

#include <QSignalSpy>
#include <QTest>

using namespace sentari::tray;

namespace {
QString words(int count)
{
    return QStringLiteral("many words ").repeated(count / 2).trimmed();
}
} // namespace

class TrayWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void popupGeometry_data()
    {
        QTest::addColumn<QPointF>("tpp");
        QTest::addColumn<int>("width");
        QTest::newRow("96 dpi") << QPointF(15, 15) << 177;
        QTest::newRow("192 dpi") << QPointF(7.5, 7.5) << 353;
    }
    void popupGeometry()
    {
        QFETCH(QPointF, tpp);
        QFETCH(int, width);
        const QRect area(0, 0, 2048, 1476);
        QuotePopupWindow shortOne(QStringLiteral("Brief."), tpp, area);
        QuotePopupWindow longOne(words(80), tpp, area);
        for (QuotePopupWindow* p : {&shortOne, &longOne}) {
            QCOMPARE(p->width(), width);
            // Height: the label's wrapped text plus 75 twips above and below.
            QCOMPARE(p->height(), qRound((p->quoteLabel()->height() * tpp.y() + 150) / tpp.y()));
            QCOMPARE(p->quoteLabel()->x(), qRound(75 / tpp.x()));
            QCOMPARE(p->quoteLabel()->width(), qRound(2500 / tpp.x()));
            QCOMPARE(p->frame()->geometry(), p->rect());
            QVERIFY(p->windowFlags() & Qt::WindowDoesNotAcceptFocus);
        }
        QVERIFY(longOne.height() > shortOne.height() * 3);
        QCOMPARE(longOne.quoteLabel()->font().family(), quoteFontFamily());
        QCOMPARE(longOne.quoteLabel()->font().pointSizeF(), 8.25);
    }

    // Neither window ever leaves the work area: a quote too tall at the designed width makes
    // the pop-up wider, up to half the work area, and is cut with "…" beyond that; the title
    // keeps the whole quote.
    void longQuotes_data()
    {
        QTest::addColumn<QString>("quote");
        QTest::addColumn<bool>("widened");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<bool>("quickShowCut");
        QTest::newRow("40 words") << words(40) << false << false << false;
        QTest::newRow("600 words") << words(600) << true << false << true;
        QTest::newRow("3,000 words") << words(3000) << true << true << true;
        QTest::newRow("10 MB") << words(1000000) << true << true << true;
    }
    void longQuotes()
    {
        QFETCH(QString, quote);
        QFETCH(bool, widened);
        QFETCH(bool, cut);
        QFETCH(bool, quickShowCut);
        const QRect screen(0, 0, 1024, 768), area(0, 30, 1024, 738); // a top panel
        QuotePopupWindow popup(quote, QPointF(15, 15), area);
        QVERIFY(popup.height() <= area.height());
        QVERIFY(popup.width() <= area.width() / 2);
        QCOMPARE(popup.width() > 177, widened);
        QuickShowWindow once(quote, screen, area);
        QVERIFY(area.contains(once.geometry()));
        QCOMPARE(once.width(), 512);
        const QList<std::pair<QLabel*, bool>> shown{{popup.quoteLabel(), cut},
                                                    {once.quoteLabel(), quickShowCut}};
        for (const auto& [label, wasCut] : shown) {
            const QString text = label->text();
            QCOMPARE(text.endsWith(QChar(0x2026)), wasCut);
            if (wasCut)
                QVERIFY(quote.startsWith(text.chopped(1).trimmed()));
            else
                QCOMPARE(text, quote);
        }
        if (quote.size() <= 65536) {
            QCOMPARE(popup.windowTitle(), quote);
            QCOMPARE(once.windowTitle(), quote);
        }
    }

    void quickShowWindow()
    {
        const QRect screen(0, 0, 1024, 768);
        QuickShowWindow once(
            QStringLiteral(
                "A quote shown once, large, in the top-left corner until the mouse moves over it."),
            screen, QRect(0, 0, 1024, 738));
        QCOMPARE(once.geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(once.width(), 512);
        QCOMPARE(once.quoteLabel()->geometry(), once.rect());
        QCOMPARE(once.quoteLabel()->font().pointSizeF(), 24.0);
        QCOMPARE(once.quoteLabel()->font().family(), quoteFontFamily());
        QVERIFY(once.height() >= 2 * QFontMetrics(once.quoteLabel()->font()).height()); // wrapped
        QSignalSpy moved(&once, &QuickShowWindow::mouseMoved);
        once.show();
        QVERIFY(QTest::qWaitForWindowExposed(&once));
        QTest::mouseMove(once.quoteLabel(), QPoint(10, 10));
        QTest::mouseMove(once.quoteLabel(), QPoint(20, 20));
        QCOMPARE(moved.size(), 1);
        QVERIFY(!once.isVisible());
    }

    // Whatever the user sets, one factor is left for Qt to apply (next to Xft.dpi, which it
    // no longer multiplies).
    void scaleOnce_data()
    {
        QTest::addColumn<QByteArray>("global");
        QTest::addColumn<QByteArray>("screens");
        QTest::addColumn<QByteArray>("screensAfter");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("global only: per screen instead")
            << QByteArray("2") << QByteArray() << QByteArray("2;2;2;2;2;2;2;2");
        QTest::newRow("fraction") << QByteArray("1.5") << QByteArray()
                                  << QByteArray("1.5;1.5;1.5;1.5;1.5;1.5;1.5;1.5");
        QTest::newRow("both: the per-screen one wins")
            << QByteArray("2") << QByteArray("DP-1=2;HDMI-1=1") << QByteArray("DP-1=2;HDMI-1=1");
        QTest::newRow("screens only") << QByteArray() << QByteArray("2") << QByteArray("2");
        QTest::newRow("one: the screen's own factor stays")
            << QByteArray("1") << QByteArray() << QByteArray();
        QTest::newRow("not a number: left to Qt")
            << QByteArray("big") << QByteArray() << QByteArray();
    }
    void scaleOnce()
    {
        QFETCH(QByteArray, global);
        QFETCH(QByteArray, screens);
        QFETCH(QByteArray, screensAfter);
        const ScaleSettings once = oneScaleFactor({global, screens});
        QCOMPARE(once.screenScaleFactors, screensAfter);
        // Never both: Qt would multiply them.
        QVERIFY(once.scaleFactor.isEmpty() || once.screenScaleFactors.isEmpty());
    }

    // What the docked icon reports for each thing the pointer does over it.
    void iconWindowReports_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("reported");
        QTest::newRow("move") << "move"
                              << "hovered";
        QTest::newRow("left press") << "press left"
                                    << "left";
        QTest::newRow("right press") << "press right"
                                     << "right";
        QTest::newRow("middle press: no action of its own") << "press middle"
                                                            << "hovered";
        QTest::newRow("left release") << "release left"
                                      << "";
        QTest::newRow("right release") << "release right"
                                       << "";
        QTest::newRow("left double click's second press") << "double left"
                                                          << "";
        QTest::newRow("right double click's second press") << "double right"
                                                           << "";
    }
    void iconWindowReports()
    {
        QFETCH(QString, action);
        QFETCH(QString, reported);
        TrayIconWindow icon;
        QStringList seen;
        connect(&icon, &TrayIconWindow::hovered, [&] { seen << "hovered"; });
        connect(&icon, &TrayIconWindow::leftPressed, [&] { seen << "left"; });
        connect(&icon, &TrayIconWindow::rightPressed, [&] { seen << "right"; });
        const QStringList words = action.split(QLatin1Char(' '));
        const QString button = words.value(1);
        const Qt::MouseButton b = button == QLatin1String("left")    ? Qt::LeftButton
                                  : button == QLatin1String("right") ? Qt::RightButton
                                                                     : Qt::MiddleButton;
        const QPointF at(5, 5);
        const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
            QMouseEvent event(type, at, icon.mapToGlobal(at),
                              type == QEvent::MouseMove ? Qt::NoButton : b, held, Qt::NoModifier);
            QCoreApplication::sendEvent(&icon, &event);
        };
        if (words[0] == QLatin1String("move"))
            send(QEvent::MouseMove, Qt::NoButton);
        else if (words[0] == QLatin1String("press"))
            send(QEvent::MouseButtonPress, b);
        else if (words[0] == QLatin1String("release"))
            send(QEvent::MouseButtonRelease, Qt::NoButton);
        else
            send(QEvent::MouseButtonDblClick, b);
        QCOMPARE(seen, reported.isEmpty() ? QStringList() : QStringList{reported});
    }
};

QTEST_MAIN(TrayWindowsTest)
#include "tst_traywindows.moc"
