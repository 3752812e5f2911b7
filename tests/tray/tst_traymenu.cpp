// The tray menu's items and what they do, and the automation call served beside them.

#include "platform/apppaths.h"
#include "platform/helppages.h"
#include "tray/automation.h"
#include "tray/popup/quotewindows.h"
#include "tray/traycontroller.h"
#include "trayfixture.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

using namespace sentari;
using namespace sentari::tray;
using platform::MessageStyle;

using Fixture = testing::TrayFixture;

class TrayMenuTest : public QObject {
    Q_OBJECT
private slots:
    void menuItemsInOrder()
    {
        Fixture f;
        QMenu* menu = f.tray.menu().menu();
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(captions,
                 QStringList({"&Help", "Sentari screensa&ver", "-", "Add quote to &Clipboard",
                              "Add clipboard to Sentari &Data", "&Delete quote", "-",
                              "Change &Sentari data file", "-", "Change &Signature",
                              "Add signature to &Clipboard", "-", "E&xit"}));
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
        const bool menuItem = name == QLatin1String("help.htm");
        if (menuItem && !QFileInfo::exists(platform::dataFile(name)))
            QSKIP("help.htm is not staged beside the tests");
        Fixture f;
        f.desktop.openDocumentSucceeds = viewerWorks;
        if (menuItem)
            f.tray.menu().openHelp();
        else
            platform::openHelpPage(f.desktop, name);
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
        f.tray.menu().runScreenSaver();
        if (QFileInfo(saver).isExecutable()) {
            const QList<QStringList> expected{{saver, QStringLiteral("/s")}};
            QCOMPARE(f.desktop.startedProcesses, expected);
            QVERIFY(f.desktop.messages.isEmpty());
            f.desktop.startSucceeds = false;
            f.tray.menu().runScreenSaver();
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
        f.tray.menu().copyQuote();
        QCOMPARE(f.desktop.clipboard, f.quote());
        QVERIFY(f.desktop.clipboardRtf.startsWith("{\\rtf1"));
        QVERIFY(f.desktop.clipboardRtf.toLower().contains("arial"));
        QVERIFY(f.desktop.clipboardRtf.contains("worth reading twice"));
        QVERIFY(f.desktop.clipboardRtf.contains("\\fs24")); // 12 points in half-points

        // Signature 1 as the last quote change left it.
        const QString sig = f.t.path(QStringLiteral("sig.txt"));
        f.t.store->writeSetting("SignatureFile1", sig.toStdString());
        f.t.store->writeSetting("Intro1", "-- \r\n<Quote will be inserted here>");
        f.tray.leftPress();
        f.tray.menu().copySignature();
        const QString signature = "-- \n" + f.quote(); // this system's line ends
        QCOMPARE(f.desktop.clipboard, signature);
        QVERIFY(f.desktop.clipboardRtf.contains("worth reading twice"));
        const QByteArray signatureRtf = f.desktop.clipboardRtf;

        // Signatures removed later: the copy is still the last signature 1 there was.
        f.t.store->deleteSetting("SignatureFile1");
        f.t.store->deleteSetting("Intro1");
        const QString before = f.quote();
        f.tray.leftPress();
        QVERIFY(f.quote() != before);
        f.desktop.clipboard.clear();
        f.tray.menu().copySignature();
        QCOMPARE(f.desktop.clipboard, signature);
        QCOMPARE(f.desktop.clipboardRtf, signatureRtf);
    }

    void menuActionsWithoutQuote()
    {
        Fixture f(0);
        f.tray.menu().copyQuote();
        QCOMPARE(f.desktop.clipboard, QString());
        f.tray.menu().copySignature();
        f.tray.menu().deleteQuote();
        QCOMPARE(f.desktop.messageTexts(),
                 QStringList{QStringLiteral("There is no current quote to delete.")});
        QCOMPARE(f.ends, 0);
    }

    void changeSignatureNeedsAWindow()
    {
        Fixture f;
        auto item = [&] {
            return f.tray.menu().menu()->findChild<QAction*>(QStringLiteral("changeSignature"));
        };
        QVERIFY(!item()->isEnabled());
        int opened = 0;
        QObject::connect(&f.tray.menu(), &TrayMenu::signatureWindowWanted, [&] { ++opened; });
        QVERIFY(item()->isEnabled());
        item()->trigger();
        QTRY_COMPARE(opened, 1); // menu actions run once the menu has closed
    }

    // No notification area here (offscreen): the notice that Sentari waits for one is a
    // window of its own that does not hold up the program; it is said once only.
    void waitNoticeDoesNotBlock()
    {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("a notification area exists here");
        Fixture f;
        f.tray.showIcon();
        QVERIFY(f.desktop.messages.isEmpty());
        QPointer<QWidget> notice = f.tray.waitNotice().window();
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
        f.tray.hover();
        QVERIFY(f.tray.popup().isOpen());
        const QString before = f.quote();
        f.tray.leftPress();
        QVERIFY(f.quote() != before);

        f.tray.showIcon();
        QCOMPARE(f.tray.waitNotice().window(), notice.data());
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(notice.isNull());
        f.tray.showIcon();
        QVERIFY(!f.tray.waitNotice().window());
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void exitClosesPopupAndEnds()
    {
        Fixture f;
        f.tray.showIcon();
        f.tray.hover();
        QPointer<QuotePopupWindow> popup = f.tray.popup().window();
        f.choose("exit");
        QTRY_COMPARE(f.ends, 1);
        QVERIFY(!f.tray.popup().isOpen());
        QVERIFY(popup.isNull() || !popup->isVisible());
        QVERIFY(!f.tray.iconShown());
    }

    // What must not interrupt the user (a file choice an automation call offers) waits while
    // the tray serves the user: it says so
    // around each press and hover and around each menu action, once however deep.
    void servingAroundEachAction()
    {
        Fixture f;
        QStringList seen; // "on"/"off" with the clipboard at that moment
        QObject::connect(&f.tray, &TrayController::serving,
                         [&](bool on) { seen << (on ? "on:" : "off:") + f.desktop.clipboard; });
        f.rightPressAnd([&] {
            seen << QStringLiteral("menu");
            f.tray.hover(); // dropped: the menu is up
        });
        QCOMPARE(seen, QStringList({"on:", "menu", "off:"}));
        seen.clear();
        f.tray.hover();
        QCOMPARE(seen, QStringList({"on:", "off:"}));
        seen.clear();
        f.choose("copyQuote");
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

    // Served between user actions: a new quote into every signature, the hover count and the
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
        QObject::connect(&automation, &Automation::exitRequested, &f.tray,
                         &TrayController::exitProgram);
        QStringList changes;
        QObject::connect(&f.keeper, &QuoteKeeper::quoteChanged,
                         [&](const QString& quote) { changes << quote; });
        automation.setReady();

        f.tray.hover();
        const QString shown = f.popupText();
        for (int call = 1; call <= 2; ++call) {
            const QString before = f.quote();
            automation.ChangeActiveQuote();
            QVERIFY(f.quote() != before);
            QCOMPARE(QString::fromUtf8(f.t.readFile(sig1)), f.quote());
            QCOMPARE(QString::fromUtf8(f.t.readFile(sig2)),
                     "<p>" + f.quote().toHtmlEscaped() + "</p>");
            QCOMPARE(changes.size(), call);
            QCOMPARE(changes.last(), f.quote());
        }
        QCOMPARE(f.tray.hoversSinceChange(), 1);
        QCOMPARE(f.popupText(), shown);
        QVERIFY(f.desktop.messages.isEmpty()); // no signature question: not at start-up

        // Served at once while the user is in a menu; the data file choice its failure
        // offers waits for the menu to close, and choosing none ends the program.
        automation.hold();
        automation.ChangeActiveQuote();
        QCOMPARE(changes.size(), 3);
        QFile::remove(f.dataFile);
        automation.ChangeActiveQuote();
        QTest::qWait(20);
        QCOMPARE(f.desktop.fileDialogs.size(), 0);
        automation.release();
        QTRY_COMPARE(f.desktop.fileDialogs.size(), 1);
        QCOMPARE(f.ends, 1);
        QCOMPARE(changes.size(), 3);
    }
};

QTEST_MAIN(TrayMenuTest)
#include "tst_traymenu.moc"
