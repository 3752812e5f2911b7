#pragma once

// The tray's logic on a real store and data file, with a scripted desktop and ask-once
// question: the quote keeper alone, and the whole tray with its icon, pop-up and menu.

#include "fakeaskonce.h"
#include "fakedesktop.h"
#include "tempstore.h"
#include "tray/popup/quotewindows.h"
#include "tray/quotekeeper.h"
#include "tray/traycontroller.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>

namespace sentari::testing {

struct KeeperFixture {
    TempStore t;
    FakeDesktop desktop;
    FakeAskOnce askOnce;
    tray::QuoteKeeper keeper{*t.store, desktop, askOnce};
    int signatureWindows = 0;
    int quoteChanges = 0;
    KeeperFixture()
    {
        QObject::connect(&keeper, &tray::QuoteKeeper::signatureWindowWanted,
                         [this] { ++signatureWindows; });
        QObject::connect(&keeper, &tray::QuoteKeeper::quoteChanged, [this] { ++quoteChanges; });
    }
};

// The tray on a real store and data file, with a scripted desktop; the question answers No.
struct TrayFixture : KeeperFixture {
    tray::TrayController tray{*t.store, desktop, keeper};
    int ends = 0;
    QString dataFile;

    explicit TrayFixture(int quotes = 10)
    {
        QByteArray bytes;
        for (int i = 1; i <= quotes; ++i)
            bytes += "Quote " + QByteArray::number(i) + " says something worth reading twice.\r\n";
        dataFile = t.useDataFile(bytes);
        askOnce.answer = false;
        t.store->writeSetting("CreateSignature", "don't ask");
        QObject::connect(&tray, &tray::TrayController::ended, [this] { ++ends; });
        desktop.cursor = {1010, 750}; // on a tray at the bottom right
        if (quotes > 0 && keeper.nextQuote() != tray::QuoteKeeper::Outcome::Changed)
            qFatal("no first quote");
    }
    QString quote() const { return keeper.current().text; }
    QString popupText() const { return tray.popup().window()->quoteLabel()->text(); }
    // Resting on the icon, then leaving it far enough for the pop-up to close.
    void hoverAndLeave()
    {
        tray.hover();
        desktop.cursor += QPoint(-100, -100);
        QTRY_VERIFY_WITH_TIMEOUT(!tray.popup().isOpen(), 1000);
        desktop.cursor += QPoint(100, 100);
    }
    // A right press whose menu runs `act` inside its loop, then closes unchosen.
    void rightPressAnd(std::function<void()> act)
    {
        QTimer::singleShot(0, [this, act] {
            QMenu* menu = tray.menu().menu();
            if (!menu->isVisible())
                qFatal("the menu is not open");
            act();
            menu->hide();
        });
        tray.rightPress();
    }
    void choose(const char* item) { tray.menu().menu()->findChild<QAction*>(item)->trigger(); }
};

} // namespace sentari::testing
