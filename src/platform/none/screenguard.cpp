#include "platform/screenguard.h"

#include <QWindow>

namespace sentari::platform {

// Without X11 there is no one to ask who holds the input or stacks above: the grabs are
// asked for once, and the window stays where the toolkit put it.
ScreenGuard::ScreenGuard(QWidget* main, QObject* parent) : QObject(parent), main_(main) {}

ScreenGuard::~ScreenGuard()
{
    stop();
}

void ScreenGuard::start()
{
    if (running_ || !main_)
        return;
    running_ = true;
    tryGrabs();
    main_->raise();
    main_->activateWindow();
}

void ScreenGuard::stop()
{
    if (!running_)
        return;
    running_ = false;
    if (main_ && main_->windowHandle()) {
        main_->windowHandle()->setKeyboardGrabEnabled(false);
        main_->windowHandle()->setMouseGrabEnabled(false);
    }
    keyboardHeld_ = pointerHeld_ = false;
}

void ScreenGuard::tryGrabs()
{
    QWindow* window = main_ ? main_->windowHandle() : nullptr;
    if (!running_ || !window)
        return;
    keyboardHeld_ = keyboardHeld_ || window->setKeyboardGrabEnabled(true);
    pointerHeld_ = pointerHeld_ || window->setMouseGrabEnabled(true);
}

} // namespace sentari::platform
