#include "tray/traycontroller.h"

#include "platform/desktop.h"
#include "tray/icon/trayicon.h"
#include "tray/popup/quotewindows.h"
#include "tray/quotekeeper.h"

namespace sentari::tray {

namespace {
constexpr int HoversPerChange = 6; // every sixth hover that opens no pop-up changes the quote
} // namespace

// One icon report being answered: the tray is busy, and serving the user, until it ends.
// Serving ends after busy, so what waited is served with the icon listening again.
class TrayController::Answering {
public:
    explicit Answering(TrayController& owner) : owner_(owner), wasBusy_(owner.busy_)
    {
        owner_.beginServing();
        owner_.busy_ = true;
    }
    ~Answering()
    {
        owner_.busy_ = wasBusy_;
        owner_.endServing();
    }
    Answering(const Answering&) = delete;
    Answering& operator=(const Answering&) = delete;

private:
    TrayController& owner_;
    bool wasBusy_;
};

TrayController::TrayController(SettingsStore& store, platform::Desktop& desktop,
                               QuoteKeeper& keeper, QObject* parent)
    : QObject(parent), desktop_(desktop), keeper_(keeper), menu_(store, desktop, keeper),
      popup_(desktop)
{
    connect(&keeper_, &QuoteKeeper::quoteChanged, this, [this](const QString& quote) {
        if (icon_)
            icon_->showQuote(quote);
    });
    connect(&menu_, &TrayMenu::actionStarted, this, &TrayController::beginServing);
    connect(&menu_, &TrayMenu::actionFinished, this, &TrayController::endServing);
    connect(&menu_, &TrayMenu::exitRequested, this, &TrayController::exitProgram);
    connect(&popup_, &QuotePopup::aboutToShow, this, [this](QuotePopupWindow* window) {
        hoverTrace_.stopOnFirstPaint(window->quoteLabel());
    });
}

TrayController::~TrayController() = default;

void TrayController::showIcon()
{
    removed_ = false;
    if (!icons_) {
        icons_ = TrayIconFactory::forThisDesktop();
        connect(icons_.get(), &TrayIconFactory::trayStarted, this, [this] {
            if (!removed_)
                useIcon(icons_->create());
        });
    }
    if (!icon_)
        useIcon(icons_->create());
    if (!icons_->notificationAreaExists())
        waitNotice_.showOnce();
}

void TrayController::useIcon(std::unique_ptr<TrayIcon> icon)
{
    if (!icon)
        return;
    icon_ = std::move(icon);
    icon_->showQuote(keeper_.current().text);
    icon_->setMenu(menu_.menu());
    connect(icon_.get(), &TrayIcon::shown, this, [this] { waitNotice_.close(); });
    connect(icon_.get(), &TrayIcon::hovered, this, &TrayController::hover);
    connect(icon_.get(), &TrayIcon::leftPressed, this, &TrayController::leftPress);
    connect(icon_.get(), &TrayIcon::rightPressed, this, &TrayController::rightPress);
}

bool TrayController::iconShown() const
{
    return icon_ && icon_->isShown();
}

void TrayController::hover()
{
    hoverTrace_.start();
    if (busy_)
        return;
    const Answering answering(*this);
    if (popup_.isOpen() || popup_.closedByMotionTo(desktop_.cursorPos()))
        return;
    if (!keeper_.current().text.isEmpty())
        popup_.open(keeper_.current().text);
    if (++hoversSinceChange_ >= HoversPerChange && changeQuote())
        hoversSinceChange_ = 0;
}

void TrayController::leftPress()
{
    if (busy_)
        return;
    const Answering answering(*this);
    menu_.dismiss();
    changeQuote();
}

void TrayController::rightPress()
{
    if (busy_)
        return;
    const Answering answering(*this);
    // A pop-up that is open meanwhile is measured from where the menu opened from now on.
    const QPoint cursor = desktop_.cursorPos();
    popup_.setAnchor(cursor);
    menu_.open(cursor);
}

void TrayController::changeQuoteAfterSave(const QString& unwrittenFile)
{
    const Answering answering(*this);
    keeper_.signaturesSaved();
    changeQuote(unwrittenFile);
}

bool TrayController::changeQuote(const QString& reportedFile)
{
    if (keeper_.nextQuote(false, reportedFile) == QuoteKeeper::Outcome::Quit) {
        exitProgram();
        return false;
    }
    return true;
}

void TrayController::exitProgram()
{
    popup_.close();
    icon_.reset();
    removed_ = true;
    emit ended();
}

void TrayController::beginServing()
{
    if (servingDepth_++ == 0)
        emit serving(true);
}

void TrayController::endServing()
{
    if (--servingDepth_ == 0)
        emit serving(false);
}

} // namespace sentari::tray
