#include "saverwindow.h"

#include "platform/colour.h"
#include "platform/monitors.h"
#include "platform/screenguard.h"
#include "platform/twips.h"
#include "saver/passwordcode.h"
#include "saver/unlockpanel.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace sentari::saver {

namespace {

Qt::WindowFlags saverFlags()
{
    // Bypassing the window manager keeps the window over panels and docks and gives it
    // exactly the screen's size whether or not a window manager runs.
    return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
           Qt::X11BypassWindowManagerHint;
}

} // namespace

SaverWindow::SaverWindow(SaverSettings settings, SaverServices services, QWidget* parent)
    : QWidget(parent, saverFlags()), settings_(std::move(settings)), services_(std::move(services))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Sentarisaver"));

    // One window over every monitor; each gets quotes of its own.
    QScreen* screen = QGuiApplication::primaryScreen();
    std::vector<QRect> monitors = platform::monitorAreas();
    if (monitors.empty())
        monitors.emplace_back(0, 0, 1024, 768);
    QRect area;
    for (const QRect& m : monitors)
        area |= m;
    for (QRect& m : monitors)
        m.translate(-area.topLeft());
    const QRect primary = monitors.front();
    const platform::TwipsScale twips(platform::twipsPerPixel(screen));
    setGeometry(area);

    // A random foreground has no one colour to give the box: white reads on any background.
    const std::uint32_t text = settings_.randomForeground ? colour::White : settings_.foreground;
    unlockPanel_ = new UnlockPanel(twips, settings_.background, text, this);
    unlockPanel_->placeIn(primary);
    connect(unlockPanel_, &UnlockPanel::passwordEntered, this, &SaverWindow::passwordEntered);

    engine_ = std::make_unique<SaverEngine>(settings_, area.size(), monitors, twips,
                                            services_.fetchQuote);
    connect(engine_.get(), &SaverEngine::frameReady, this,
            [this](const QRect& dirty) { update(dirty); });
    connect(engine_.get(), &SaverEngine::noDataFile, this, &SaverWindow::noDataFile,
            Qt::QueuedConnection);

    // Low on the screen, clear of the quotes and the unlock panel.
    auto* notice = new QLabel(
        tr("Another program holds the keyboard or mouse: what you type may go to it."), this);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont noticeFont = notice->font();
    noticeFont.setPointSize(14);
    notice->setFont(noticeFont);
    notice->setMargin(8);
    notice->setStyleSheet(
        QStringLiteral("QLabel { color: %1; background: %2; border: 1px solid %1; }")
            .arg(platform::toQColor(text).name(), platform::toQColor(settings_.background).name()));
    notice->adjustSize();
    notice->move(primary.x() + (primary.width() - notice->width()) / 2,
                 primary.bottom() + 1 - notice->height() - primary.height() / 12);
    notice->hide();
    inputNotice_ = notice;

    guard_ = std::make_unique<platform::ScreenGuard>(this);
    connect(guard_.get(), &platform::ScreenGuard::inputBlocked, inputNotice_, &QWidget::setVisible);
}

SaverWindow::~SaverWindow()
{
    engine_->stop();
    releaseInput();
}

void SaverWindow::begin()
{
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    cursorHidden_ = true;
    startCursor_ = QCursor::pos();
    // Decided once, as the screen is covered: a password removed, moved away or changed by
    // another program while locked opens nothing until the next lock.
    lockedWith_ = lockPassword();
    show();
    raise();
    activateWindow();
    guard_->start();
    engine_->start();
}

void SaverWindow::releaseInput()
{
    guard_->stop();
    unlockPanel_->passwordBox()->releaseKeyboard();
    if (cursorHidden_) {
        QGuiApplication::restoreOverrideCursor();
        cursorHidden_ = false;
    }
}

void SaverWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, engine_->image(), r);
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (firstInputHandled_)
        return;
    // A pixel of jitter is not a move.
    const QPoint at = event->globalPosition().toPoint();
    if (std::abs(at.x() - startCursor_.x()) <= 1 && std::abs(at.y() - startCursor_.y()) <= 1)
        return;
    handleFirstInput();
}

void SaverWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (firstInputHandled_)
        return;
    handleFirstInput();
}

std::optional<QString> SaverWindow::lockPassword() const
{
    const QString stored = services_.readPassword();
    if (stored.isEmpty())
        return std::nullopt;
    return decodePassword(stored);
}

void SaverWindow::handleFirstInput()
{
    firstInputHandled_ = true;
    if (!lockedWith_) {
        endSaver();
        return;
    }
    unlockPanel_->open();
    engine_->showUnlockMessage();
}

void SaverWindow::passwordEntered(const QString& typed)
{
    if (lockedWith_ && typed == *lockedWith_) {
        unlocked_ = true;
        engine_->setUnlocked();
        endSaver();
    } else {
        unlockPanel_->passwordBox()->clear();
    }
}

void SaverWindow::noDataFile()
{
    // Nothing but the password ends a locked screen: the last quote, or nothing, stays.
    if (ended_ || firstInputHandled_ || lockedWith_)
        return;
    // Pointer back and screens uncovered before the message shows.
    leaveScreen();
    if (services_.message)
        services_.message(
            tr("You have to select a Sentari datafile first, run Sentari to select one."));
    endSaver();
}

void SaverWindow::leaveScreen()
{
    engine_->stop();
    releaseInput();
    hide();
}

void SaverWindow::endSaver()
{
    if (ended_)
        return;
    ended_ = true;
    leaveScreen();
    QCoreApplication::exit(0);
}

} // namespace sentari::saver
