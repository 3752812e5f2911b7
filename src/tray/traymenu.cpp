#include "tray/traymenu.h"

#include "platform/apppaths.h"
#include "platform/failure.h"
#include "platform/helppages.h"
#include "platform/qtstring.h"
#include "sentaristore/settingsstore.h"
#include "tray/popup/popupposition.h"
#include "tray/quotekeeper.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMetaMethod>

namespace sentari::tray {

namespace {
struct Item {
    const char* name; // null for a separator
    const char* caption;
    void (TrayMenu::*action)();
};

constexpr Item Separator{nullptr, nullptr, nullptr};

const Item Items[] = {
    {"help", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "&Help"), &TrayMenu::openHelp},
    {"screenSaver", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "Sentari screensa&ver"),
     &TrayMenu::runScreenSaver},
    Separator,
    {"copyQuote", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "Add quote to &Clipboard"),
     &TrayMenu::copyQuote},
    {"addClipboard", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "Add clipboard to Sentari &Data"),
     &TrayMenu::addClipboardToQuotes},
    {"deleteQuote", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "&Delete quote"),
     &TrayMenu::deleteQuote},
    Separator,
    {"changeDataFile", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "Change &Sentari data file"),
     &TrayMenu::changeDataFile},
    Separator,
    {"changeSignature", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "Change &Signature"),
     &TrayMenu::openSignatureWindow},
    {"copySignature", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "Add signature to &Clipboard"),
     &TrayMenu::copySignature},
    Separator,
    {"exit", QT_TRANSLATE_NOOP("sentari::tray::TrayMenu", "E&xit"), &TrayMenu::requestExit},
};

// Says when an action is done however it is left.
class ActionScope {
public:
    explicit ActionScope(TrayMenu& menu) : menu_(menu) { emit menu_.actionStarted(); }
    ~ActionScope() { emit menu_.actionFinished(); }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

private:
    TrayMenu& menu_;
};
} // namespace

TrayMenu::TrayMenu(SettingsStore& store, platform::Desktop& desktop, QuoteKeeper& keeper,
                   QObject* parent)
    : QObject(parent), store_(store), desktop_(desktop), keeper_(keeper)
{
}

TrayMenu::~TrayMenu() = default;

QMenu* TrayMenu::menu()
{
    if (!menu_)
        build();
    updateItems();
    return menu_.get();
}

void TrayMenu::updateItems()
{
    const bool windowListens =
        isSignalConnected(QMetaMethod::fromSignal(&TrayMenu::signatureWindowWanted));
    menu_->findChild<QAction*>(QStringLiteral("changeSignature"))->setEnabled(windowListens);
}

void TrayMenu::build()
{
    menu_ = std::make_unique<QMenu>();
    menu_->setObjectName(QStringLiteral("trayMenu"));
    menu_->setTitle(QStringLiteral("PopupQuote"));
    menu_->setWindowTitle(menu_->title());
    // The title is the design's inner name; screen readers say the program's.
    menu_->setAccessibleName(QStringLiteral("Sentari"));
    // A host that shows the menu itself (over D-Bus) says so before it does.
    connect(menu_.get(), &QMenu::aboutToShow, this, &TrayMenu::updateItems);
    for (const Item& item : Items) {
        if (!item.name) {
            menu_->addSeparator();
            continue;
        }
        QAction* action = menu_->addAction(tr(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        // Runs after the menu has closed and the right press has been answered, so a message
        // box it shows does not find the tray still busy.
        connect(
            action, &QAction::triggered, this,
            [this, run = item.action] {
                const ActionScope scope(*this);
                (this->*run)();
            },
            Qt::QueuedConnection);
    }
}

void TrayMenu::open(QPoint cursor)
{
    QMenu* m = menu();
    const QPoint at =
        menuPosition(cursor, desktop_.screenGeometry(), desktop_.workArea(), m->sizeHint());
    // A Wayland pop-up needs a parent surface that just had input; a notifier-item host's
    // D-Bus call brings none, so Qt makes the menu an ordinary window there, which nothing
    // closes by itself: waiting for it would keep the icon deaf.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        m->popup(at);
    else
        m->exec(at);
}

void TrayMenu::dismiss()
{
    if (menu_)
        menu_->hide();
}

void TrayMenu::openHelp()
{
    platform::openHelpPage(desktop_, QStringLiteral("help.htm"));
}

void TrayMenu::runScreenSaver()
{
    const QString program = platform::siblingProgram(QStringLiteral("sentarisaver"));
    const QFileInfo info(program);
    if (info.isFile() && info.isExecutable() &&
        desktop_.startDetached(program, {QStringLiteral("/s")}))
        return;
    desktop_.message(tr("SentariSaver not installed."), platform::MessageStyle::Information);
}

void TrayMenu::copyQuote()
{
    const QString text = keeper_.current().text;
    QByteArray rtf;
    if (platform::reportingFailures<StoreError>(desktop_, [&] {
            rtf = QByteArray::fromStdString(store_.textToRtf(u8(text), "arial", 0, 12));
        }))
        desktop_.setClipboard(text, rtf);
}

void TrayMenu::addClipboardToQuotes()
{
    keeper_.addClipboard();
}

void TrayMenu::deleteQuote()
{
    if (keeper_.deleteQuote() == QuoteKeeper::Outcome::Quit)
        emit exitRequested();
}

void TrayMenu::changeDataFile()
{
    keeper_.changeQuoteFile();
    if (keeper_.nextQuote() == QuoteKeeper::Outcome::Quit)
        emit exitRequested();
}

void TrayMenu::openSignatureWindow()
{
    emit signatureWindowWanted();
}

void TrayMenu::copySignature()
{
    const CurrentQuote& c = keeper_.current();
    desktop_.setClipboard(c.signatureText, c.signatureRtf);
}

void TrayMenu::requestExit()
{
    emit exitRequested();
}

} // namespace sentari::tray
