#include "fakeaskonce.h"
#include "fakedesktop.h"
#include "platform/apppaths.h"
#include "tempstore.h"
#include "tray/automation.h"
#include "tray/frmquote.h"
#include "tray/popups.h"
#include "tray/trayiconwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

using namespace sentari;
using namespace sentari::tray;
using platform::MessageStyle;
using testing::FakeAskOnce;
using testing::FakeDesktop;
using testing::TempStore;

namespace {

// The tray owner on a real store and data file, with a scripted desktop.
struct Fixture {
    TempStore t;
    FakeDesktop desktop;
    FakeAskOnce askOnce; // answers No
    QuoteKeeper keeper{*t.store, desktop, askOnce};
    FrmQuote frm{*t.store, desktop, keeper};
    int menus = 0;
    int ends = 0;
    QString dataFile;

    explicit Fixture(int quotes = 10)
    {
        QByteArray bytes;
        for (int i = 1; i <= quotes; ++i)
            bytes += "Quote " + QByteArray::number(i) + " says something worth reading twice.\r\n";
        dataFile = t.useDataFile(bytes);
        askOnce.answer = false;
        t.store->writeSetting("CreateSignature", "don't ask");
        frm.runMenu = [this] { ++menus; };
        frm.ended = [this] { ++ends; };
        desktop.cursor = {1010, 750}; // on a tray at the bottom right
        if (quotes > 0 && keeper.nextQuote(false) != QuoteKeeper::Outcome::Changed)
            qFatal("no first quote");
    }
    QString quote() const { return keeper.current().text; }
    // Resting on the icon, then leaving it far enough for Timer1 to close the pop-up.
    void hoverAndLeave()
    {
        frm.trayCallback(MouseMove);
        desktop.cursor += QPoint(-100, -100);
        QTRY_VERIFY_WITH_TIMEOUT(!frm.popupOpen(), 1000);
        desktop.cursor += QPoint(100, 100);
    }
};

} // namespace

class FrmQuoteTest : public QObject {
    Q_OBJECT
private slots:
    void leftPressChangesQuote()
    {
        Fixture f;
        const QString before = f.quote();
        f.frm.trayCallback(LeftButtonDown);
        QVERIFY(f.quote() != before); // the store never repeats its last pick
        QVERIFY(!f.frm.popupOpen());
        QCOMPARE(f.frm.hoverCount(), 0);
    }

    // Only its own rollover resets HoverCount; quote changes made elsewhere leave it.
    void quoteChangesElsewhereKeepHoverCount_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("left press") << "left";
        QTest::newRow("menu: change data file") << "ChangeQuoteFile";
        QTest::newRow("menu: delete quote") << "QuoteDelete";
    }
    void quoteChangesElsewhereKeepHoverCount()
    {
        QFETCH(QString, change);
        Fixture f;
        f.hoverAndLeave();
        f.hoverAndLeave();
        const QString before = f.quote();
        if (change == QLatin1String("left"))
            f.frm.trayCallback(LeftButtonDown);
        else
            f.frm.menu()->findChild<QAction*>(change)->trigger();
        QTRY_VERIFY(f.quote() != before);
        QCOMPARE(f.frm.hoverCount(), 2);
    }

    void messagesWithoutAction_data()
    {
        QTest::addColumn<int>("message");
        QTest::newRow("left up") << int(LeftButtonUp);
        QTest::newRow("left double click") << int(LeftButtonDoubleClick);
        QTest::newRow("right up") << int(RightButtonUp);
        QTest::newRow("right double click") << int(RightButtonDoubleClick);
    }
    void messagesWithoutAction()
    {
        QFETCH(int, message);
        Fixture f;
        const QString before = f.quote();
        f.frm.trayCallback(message);
        QCOMPARE(f.quote(), before);
        QVERIFY(!f.frm.popupOpen());
        QCOMPARE(f.frm.hoverCount(), 0);
        QCOMPARE(f.menus, 0);
    }

    void otherMessagesAreHovers_data()
    {
        QTest::addColumn<int>("message");
        QTest::newRow("mouse move") << int(MouseMove);
        QTest::newRow("middle press") << int(MiddleButtonDown);
    }
    void otherMessagesAreHovers()
    {
        QFETCH(int, message);
        Fixture f;
        f.frm.trayCallback(message);
        QVERIFY(f.frm.popupOpen());
        QCOMPARE(f.frm.popup()->quotePopup()->text(), f.quote());
        QCOMPARE(f.frm.hoverCount(), 1);
    }

    void rightPressOpensMenuAndDropsCallbacksMeanwhile()
    {
        Fixture f;
        const QString before = f.quote();
        bool busyInside = false;
        f.frm.runMenu = [&] {
            busyInside = f.frm.trayBusy();
            // The menu's nested loop lets tray callbacks through; they find TrayBusy set.
            f.frm.trayCallback(MouseMove);
            f.frm.trayCallback(LeftButtonDown);
            f.frm.trayCallback(RightButtonDown);
            ++f.menus;
        };
        f.frm.trayCallback(RightButtonDown);
        QCOMPARE(f.menus, 1);
        QVERIFY(busyInside);
        QVERIFY(!f.frm.trayBusy());
        QVERIFY(!f.frm.popupOpen());
        QCOMPARE(f.frm.hoverCount(), 0);
        QCOMPARE(f.quote(), before);
    }

    void everySixthHoverChangesQuote()
    {
        Fixture f;
        const QString first = f.quote();
        for (int n = 1; n <= 5; ++n) {
            f.hoverAndLeave();
            QCOMPARE(f.frm.hoverCount(), n);
            QCOMPARE(f.quote(), first);
        }
        f.frm.trayCallback(MouseMove);
        QVERIFY(f.frm.popupOpen());
        QCOMPARE(f.frm.popup()->quotePopup()->text(), first); // the sixth still shows the old one
        QVERIFY(f.quote() != first);
        QCOMPARE(f.frm.hoverCount(), 0);
    }

    void hoverWhilePopupOpenCountsNothing()
    {
        Fixture f;
        f.frm.trayCallback(MouseMove);
        FrmPopup* shown = f.frm.popup();
        for (int i = 0; i < 10; ++i)
            f.frm.trayCallback(MouseMove);
        QCOMPARE(f.frm.hoverCount(), 1);
        QCOMPARE(f.frm.popup(), shown);
    }

    void emptyQuoteShowsNothingButCounts()
    {
        Fixture f(0); // an empty data file: the current quote stays empty
        QVERIFY(f.quote().isEmpty());
        for (int n = 1; n <= 5; ++n) {
            f.frm.trayCallback(MouseMove);
            QVERIFY(!f.frm.popupOpen());
            QCOMPARE(f.frm.hoverCount(), n);
        }
        // The sixth asks for a data file; choosing none ends the program, icon first.
        f.frm.trayCallback(MouseMove);
        QCOMPARE(f.desktop.fileDialogs.size(), 1);
        QCOMPARE(f.ends, 1);
        QVERIFY(!f.frm.iconShown());
    }

    void timer1Tolerance_data()
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
    void timer1Tolerance()
    {
        QFETCH(QPoint, moved);
        QFETCH(bool, closes);
        Fixture f;
        f.frm.trayCallback(MouseMove);
        QCOMPARE(f.frm.popupAnchor(), QPoint(1010, 750));
        QPointer<FrmPopup> popup = f.frm.popup();
        f.desktop.cursor += moved;
        QTest::qWait(40); // several 5 ms ticks
        QCOMPARE(!f.frm.popupOpen(), closes);
        QCOMPARE(popup.isNull() || !popup->isVisible(), closes);
    }

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
        Fixture f;
        f.desktop.twips = tpp;
        FrmPopup shortOne(QStringLiteral("Brief."), tpp);
        FrmPopup longOne(
            QString(40, QLatin1Char(' ')).replace(QLatin1Char(' '), QStringLiteral("many words ")),
            tpp);
        for (FrmPopup* p : {&shortOne, &longOne}) {
            QCOMPARE(p->width(), width);
            QCOMPARE(p->sizeTwips().width(), 2650);
            // Height: the label's wrapped text plus 75 twips above and below.
            const double labelTwips = p->quotePopup()->height() * tpp.y();
            QCOMPARE(p->sizeTwips().height(), qRound(labelTwips + 150));
            QCOMPARE(p->quotePopup()->x(), qRound(75 / tpp.x()));
            QCOMPARE(p->quotePopup()->width(), qRound(2500 / tpp.x()));
            QCOMPARE(p->quoteBorder()->geometry(), p->rect());
            QVERIFY(p->windowFlags() & Qt::WindowDoesNotAcceptFocus);
        }
        QVERIFY(longOne.height() > shortOne.height() * 3);
        QCOMPARE(longOne.quotePopup()->font().family(), quoteFontFamily());
        QCOMPARE(longOne.quotePopup()->font().pointSizeF(), 8.25);
    }

    void popupPlacedByPopupPosition()
    {
        Fixture f;
        f.frm.trayCallback(MouseMove);
        FrmPopup* p = f.frm.popup();
        QVERIFY(p->isVisible());
        // Bottom-right corner of the fake work area (1024 x 738).
        QCOMPARE(p->geometry().right() + 1, 1024);
        QCOMPARE(p->geometry().bottom() + 1, 738);
        QVERIFY(p->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(p->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void menuItemsInOrder()
    {
        Fixture f;
        QMenu* menu = f.frm.menu();
        QStringList captions;
        QStringList names;
        for (QAction* a : menu->actions()) {
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
            names << a->objectName();
        }
        QCOMPARE(captions,
                 QStringList({"&Help", "Sentari screensa&ver", "-", "Add quote to &Clipboard",
                              "Add clipboard to Sentari &Data", "&Delete quote", "-",
                              "Change &Sentari data file", "-", "Change &Signature",
                              "Add signature to &Clipboard", "-", "E&xit"}));
        QCOMPARE(names, QStringList({"help", "screensaver", "name4", "Addclipboard", "Adddatabase",
                                     "QuoteDelete", "name", "ChangeQuoteFile", "name2",
                                     "ChangeSignature", "AddSignature", "name3", "exit"}));
        QCOMPARE(menu->title(), QStringLiteral("PopupQuote"));
    }

    void helpFailureMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("viewerWorks");
        QTest::addColumn<bool>("message");
        QTest::newRow("missing page") << "no-such-help.htm" << true << true;
        QTest::newRow("no viewer") << "help.htm" << false << true;
        QTest::newRow("shown") << "help.htm" << true << false;
    }
    void helpFailureMessage()
    {
        QFETCH(QString, name);
        QFETCH(bool, viewerWorks);
        QFETCH(bool, message);
        if (name == QLatin1String("help.htm") && !QFileInfo::exists(platform::dataFile(name)))
            QSKIP("help.htm is not staged beside the tests");
        Fixture f;
        f.desktop.openDocumentSucceeds = viewerWorks;
        f.frm.OpenHelpFile(name);
        if (!message) {
            QCOMPARE(f.desktop.openedDocuments, QStringList{platform::dataFile(name)});
            QVERIFY(f.desktop.messages.isEmpty());
            return;
        }
        QCOMPARE(f.desktop.messages.size(), 1);
        const QString folder = QDir::toNativeSeparators(platform::dataFolder());
        QVERIFY(!folder.endsWith(QLatin1Char('/')));
        QCOMPARE(f.desktop.messages[0].text,
                 "No viewer registered for html files\r\nor helpfile not present in " + folder);
        QCOMPARE(f.desktop.messages[0].style, MessageStyle::Information);
    }

    void screenSaver()
    {
        Fixture f;
        const QString saver = platform::siblingProgram(QStringLiteral("sentarisaver"));
        f.frm.RunScreenSaver();
        if (QFileInfo(saver).isExecutable()) {
            const QList<QStringList> expected{{saver, QStringLiteral("/s")}};
            QCOMPARE(f.desktop.startedProcesses, expected);
            QVERIFY(f.desktop.messages.isEmpty());
            f.desktop.startSucceeds = false;
            f.frm.RunScreenSaver();
        } else {
            QVERIFY(f.desktop.startedProcesses.isEmpty());
        }
        QCOMPARE(f.desktop.messageTexts(),
                 QStringList{QStringLiteral("SentariSaver not installed.")});
        QCOMPARE(f.desktop.messages[0].style, MessageStyle::Information);
    }

    void clipboardCopies()
    {
        Fixture f;
        f.frm.addQuoteToClipboard();
        QCOMPARE(f.desktop.clipboard, f.quote());
        QVERIFY(f.desktop.clipboardRtf.startsWith("{\\rtf1"));
        QVERIFY(f.desktop.clipboardRtf.toLower().contains("arial"));
        QVERIFY(f.desktop.clipboardRtf.contains("worth reading twice"));
        QVERIFY(f.desktop.clipboardRtf.contains("\\fs24")); // 12 points in half-points

        // Signature 1 as the last quote change left it.
        const QString sig = f.t.path(QStringLiteral("sig.txt"));
        f.t.store->writeSetting("SignatureFile1", sig.toStdString());
        f.t.store->writeSetting("Intro1", "-- \r\n<Quote will be inserted here>");
        f.frm.trayCallback(LeftButtonDown);
        f.frm.addSignatureToClipboard();
        const QString signature = "-- \r\n" + f.quote();
        QCOMPARE(f.desktop.clipboard, signature);
        QVERIFY(f.desktop.clipboardRtf.contains("worth reading twice"));
        const QByteArray signatureRtf = f.desktop.clipboardRtf;

        // Signatures removed later: the copy is still the last signature 1 there was.
        f.t.store->deleteSetting("SignatureFile1");
        f.t.store->deleteSetting("Intro1");
        const QString before = f.quote();
        f.frm.trayCallback(LeftButtonDown);
        QVERIFY(f.quote() != before);
        f.desktop.clipboard.clear();
        f.frm.addSignatureToClipboard();
        QCOMPARE(f.desktop.clipboard, signature);
        QCOMPARE(f.desktop.clipboardRtf, signatureRtf);
    }

    void menuActionsWithoutQuote()
    {
        Fixture f(0);
        f.frm.addQuoteToClipboard();
        QCOMPARE(f.desktop.clipboard, QString());
        f.frm.addSignatureToClipboard();
        f.frm.deleteQuote();
        QCOMPARE(f.desktop.messageTexts(),
                 QStringList{QStringLiteral("There is no current quote to delete.")});
        QCOMPARE(f.ends, 0);
    }

    void changeSignatureDisabledWithoutWindow()
    {
        Fixture f;
        auto item = [&] {
            return f.frm.menu()->findChild<QAction*>(QStringLiteral("ChangeSignature"));
        };
        QVERIFY(!item()->isEnabled());
        int opened = 0;
        f.frm.signatureWindow = [&] { ++opened; };
        QVERIFY(item()->isEnabled());
        item()->trigger();
        QTRY_COMPARE(opened, 1); // menu commands run once the menu has closed
    }

    // No notification area here (offscreen): the notice that Sentari waits for one is a
    // window of its own that does not hold up the program; it is said once only.
    void waitNoticeDoesNotBlock()
    {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("a notification area exists here");
        Fixture f;
        f.frm.AddIcon();
        QVERIFY(f.desktop.messages.isEmpty());
        QPointer<QWidget> notice = f.frm.waitNotice();
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
        QVERIFY(!notice->isModal());
        QCOMPARE(notice->windowModality(), Qt::NonModal);
        auto* box = qobject_cast<QMessageBox*>(notice.data());
        QVERIFY(box);
        QCOMPARE(box->text(),
                 QStringLiteral("Sentari waits for a notification area (system tray).\n"
                                "Its icon appears as soon as one starts."));
        QCOMPARE(box->icon(), QMessageBox::Information);

        // The program goes on meanwhile: a hover shows the pop-up, a left press a new quote.
        f.frm.trayCallback(MouseMove);
        QVERIFY(f.frm.popupOpen());
        const QString before = f.quote();
        f.frm.trayCallback(LeftButtonDown);
        QVERIFY(f.quote() != before);

        f.frm.AddIcon();
        QCOMPARE(f.frm.waitNotice(), notice.data());
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(notice.isNull());
        f.frm.AddIcon();
        QVERIFY(!f.frm.waitNotice());
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void exitClosesPopupAndEnds()
    {
        Fixture f;
        f.frm.trayCallback(MouseMove);
        QPointer<FrmPopup> popup = f.frm.popup();
        f.frm.exitProgram();
        QVERIFY(!f.frm.popupOpen());
        QVERIFY(popup.isNull() || !popup->isVisible());
        QVERIFY(!f.frm.iconShown());
        QCOMPARE(f.ends, 1);
    }

    // Other requests (automation calls) wait while the tray serves the user: it says so
    // around each press and hover and around each menu command, once however deep.
    void servingAroundEachAction()
    {
        Fixture f;
        QStringList seen; // "on"/"off" with the clipboard at that moment
        f.frm.serving = [&](bool on) { seen << (on ? "on:" : "off:") + f.desktop.clipboard; };
        f.frm.runMenu = [&] {
            seen << QStringLiteral("menu");
            f.frm.trayCallback(MouseMove); // dropped: the menu is up
        };
        f.frm.trayCallback(RightButtonDown);
        QCOMPARE(seen, QStringList({"on:", "menu", "off:"}));
        seen.clear();
        f.frm.trayCallback(MouseMove);
        QCOMPARE(seen, QStringList({"on:", "off:"}));
        seen.clear();
        f.frm.menu()->findChild<QAction*>(QStringLiteral("Addclipboard"))->trigger();
        QTRY_COMPARE(seen, QStringList({"on:", "off:" + f.quote()}));
    }

    // With no signature at all the call only changes the quote: the offer to create one
    // belongs to the start-up alone.
    void changeActiveQuoteAsksNothing()
    {
        Fixture f;
        f.t.store->writeSetting("CreateSignature", "ask");
        Automation automation(f.keeper);
        automation.setReady();
        const QString before = f.quote();
        automation.ChangeActiveQuote();
        QVERIFY(f.quote() != before);
        QCOMPARE(f.askOnce.askedKeys.size(), 0);
        QVERIFY(f.desktop.messages.isEmpty());
        f.keeper.nextQuote(true); // the start-up's change does ask, with the same settings
        QCOMPARE(f.askOnce.askedKeys.size(), 1);
    }

    // Served between user actions: a new quote into every signature, HoverCount and the
    // open pop-up left alone; a missing data file that the user does not replace ends it.
    void changeActiveQuote()
    {
        Fixture f;
        const QString sig1 = f.t.path(QStringLiteral("one.txt"));
        const QString sig2 = f.t.path(QStringLiteral("two.htm"));
        f.t.store->writeSetting("SignatureFile1", sig1.toStdString());
        f.t.store->writeSetting("Intro1", "<Quote will be inserted here>");
        f.t.store->writeSetting("SignatureFile2", sig2.toStdString());
        f.t.store->writeSetting("Intro2", "<p><Quote will be inserted here></p>");
        Automation automation(f.keeper);
        int changed = 0;
        int quits = 0;
        automation.changed = [&] { ++changed; };
        automation.quit = [&] { ++quits; };
        automation.setReady();

        f.frm.trayCallback(MouseMove);
        const QString shown = f.frm.popup()->quotePopup()->text();
        for (int call = 1; call <= 2; ++call) {
            const QString before = f.quote();
            automation.ChangeActiveQuote();
            QVERIFY(f.quote() != before);
            QCOMPARE(QString::fromUtf8(f.t.readFile(sig1)), f.quote());
            QCOMPARE(QString::fromUtf8(f.t.readFile(sig2)),
                     "<p>" + f.quote().toHtmlEscaped() + "</p>");
            QCOMPARE(changed, call);
        }
        QCOMPARE(f.frm.hoverCount(), 1);
        QCOMPARE(f.frm.popup()->quotePopup()->text(), shown);
        QVERIFY(f.desktop.messages.isEmpty()); // no signature question: the ask flag is off

        QFile::remove(f.dataFile);
        automation.ChangeActiveQuote();
        QCOMPARE(f.desktop.fileDialogs.size(), 1);
        QCOMPARE(quits, 1);
        QCOMPARE(changed, 2);
    }
};

QTEST_MAIN(FrmQuoteTest)
#include "tst_frmquote.moc"
