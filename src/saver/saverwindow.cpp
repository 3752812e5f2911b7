#include "saverwindow.h"

#include "passwordcode.h"
#include "twips.h"

#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace sentari::saver {

namespace {

constexpr char16_t NoDataFileMessage[] =
    u"You have to select a Sentari datafile first, run Sentari to select one.";

Qt::WindowFlags saverFlags()
{
    // Bypassing the window manager keeps the window over panels and docks and gives it
    // exactly the screen's size whether or not a window manager runs.
    return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
           Qt::X11BypassWindowManagerHint;
}

QString cssColour(std::uint32_t bgr)
{
    return fromBgr(bgr).name(QColor::HexRgb);
}

} // namespace

SaverWindow::SaverWindow(const SaverSettings& settings, SaverServices services, QWidget* parent)
    : QWidget(parent, saverFlags()), settings_(settings), services_(std::move(services))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Sentarisaver"));

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QPointF tpp = twipsPerPixel(screen);
    setGeometry(area);

    // The unlock panel, sized from its design in twips and placed a third down the screen.
    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("frCheckPassword"));
    const QSize panelSize(int(6555 / tpp.x()), int(975 / tpp.y()));
    panel_->resize(panelSize);
    panel_->move(area.width() / 2 - panelSize.width() / 2,
                 area.height() / 3 - panelSize.height() / 2);
    panel_->setFrameShape(QFrame::Box);
    panel_->setAutoFillBackground(true);
    QPalette pal = panel_->palette();
    pal.setColor(QPalette::Window, fromBgr(settings_.background));
    pal.setColor(QPalette::WindowText, Qt::white);
    panel_->setPalette(pal);
    panelCaption_ = new QLabel(QStringLiteral("Enter your password to unlock"), panel_);
    panelCaption_->setFont(QFont(QStringLiteral("MS Sans Serif")));
    panelCaption_->setPalette(pal);
    panelCaption_->move(int(120 / tpp.x()), 2);
    txtPassword_ = new QLineEdit(panel_);
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtPassword_->setEchoMode(QLineEdit::Password);
    QFont boxFont(QStringLiteral("Verdana"));
    boxFont.setBold(true);
    boxFont.setPointSize(24);
    txtPassword_->setFont(boxFont);
    txtPassword_->setGeometry(int(180 / tpp.x()), int(240 / tpp.y()), int(6195 / tpp.x()),
                              int(690 / tpp.y()));
    // A random foreground has no one colour to give the box: white reads on any background.
    const std::uint32_t text = settings_.randomForeground ? 0xFFFFFF : settings_.foreground;
    txtPassword_->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: %2; "
                                               "lineedit-password-character: 42; }")
                                    .arg(cssColour(text), cssColour(settings_.background)));
    txtPassword_->installEventFilter(this);
    panel_->hide();

    CycleHooks hooks;
    hooks.fetchQuote = services_.fetchQuote;
    hooks.noDataFile = [this] { QTimer::singleShot(0, this, [this] { noDataFile(); }); };
    engine_ = std::make_unique<SaverEngine>(settings_, area.size(), tpp, hooks);
    connect(engine_.get(), &SaverEngine::frameReady, this,
            [this](const QRect& dirty) { update(dirty); });

    // Every other screen shows just the background.
    for (QScreen* other : QGuiApplication::screens()) {
        if (other == screen)
            continue;
        auto cover = std::make_unique<QWidget>(nullptr, saverFlags());
        cover->setGeometry(other->geometry());
        QPalette cp = cover->palette();
        cp.setColor(QPalette::Window, fromBgr(settings_.background));
        cover->setPalette(cp);
        cover->setAutoFillBackground(true);
        cover->setCursor(Qt::BlankCursor);
        otherScreens_.push_back(std::move(cover));
    }
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
    for (auto& cover : otherScreens_)
        cover->show();
    show();
    raise();
    activateWindow();
    grabInput(40);
    engine_->start();
}

void SaverWindow::grabInput(int attemptsLeft)
{
    if (ended_)
        return;
    QWidget* keys = panel_->isVisible() ? static_cast<QWidget*>(txtPassword_) : this;
    keys->grabKeyboard();
    grabMouse();
    // Another client may hold a grab for a moment (an open menu); keep trying a while.
    QWindow* w = windowHandle();
    const bool held = w && w->setKeyboardGrabEnabled(true) && w->setMouseGrabEnabled(true);
    if (!held && attemptsLeft > 0)
        QTimer::singleShot(50, this, [this, attemptsLeft] { grabInput(attemptsLeft - 1); });
}

void SaverWindow::releaseInput()
{
    if (txtPassword_)
        txtPassword_->releaseKeyboard();
    releaseKeyboard();
    releaseMouse();
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
    if (passwordPending_)
        return;
    const QPoint at = event->globalPosition().toPoint();
    if (std::abs(at.x() - startCursor_.x()) <= 1 && std::abs(at.y() - startCursor_.y()) <= 1)
        return;
    exitTest();
}

void SaverWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (passwordPending_)
        return;
    exitTest();
}

void SaverWindow::exitTest()
{
    passwordPending_ = true;
    if (checkPassword())
        endSaver();
}

bool SaverWindow::checkPassword()
{
    if (services_.readPassword().isEmpty())
        return true;
    panel_->show();
    panel_->raise();
    txtPassword_->clear();
    txtPassword_->setFocus(Qt::OtherFocusReason);
    txtPassword_->grabKeyboard();
    engine_->showUnlockMessage();
    return false;
}

bool SaverWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                passwordEntered();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && panel_->isVisible() && !ended_) {
            // Typing always goes to the box while the panel is up.
            QTimer::singleShot(0, txtPassword_,
                               [this] { txtPassword_->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SaverWindow::passwordEntered()
{
    // A stored text that is not a coded password matches nothing, so it cannot be
    // unlocked by typing some fallback value.
    const auto password = decodePassword(services_.readPassword());
    if (password && *password == txtPassword_->text()) {
        unlocked_ = true;
        engine_->setUnlocked();
        endSaver();
    } else {
        txtPassword_->clear();
    }
}

void SaverWindow::noDataFile()
{
    // Pointer back and screens uncovered before the message shows.
    leaveScreen();
    if (services_.message)
        services_.message(QString::fromUtf16(NoDataFileMessage));
    endSaver();
}

void SaverWindow::leaveScreen()
{
    engine_->stop();
    releaseInput();
    hide();
    for (auto& cover : otherScreens_)
        cover->hide();
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
