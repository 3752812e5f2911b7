#include "signaturewindowopener.h"

namespace sentari::signature {

SignatureWindowOpener::SignatureWindowOpener(SettingsStore& store, platform::Desktop& desktop,
                                             QIcon icon, QObject* parent)
    : QObject(parent), store_(store), desktop_(desktop), icon_(std::move(icon))
{
}

SignatureWindowOpener::~SignatureWindowOpener()
{
    delete window_.data();
}

SignatureWindow* SignatureWindowOpener::window() const
{
    // A closed window waits for its deletion; it is not the open one.
    return window_ && window_->isVisible() ? window_.data() : nullptr;
}

SignatureWindow* SignatureWindowOpener::open()
{
    SignatureWindow* shown = window();
    if (!shown) {
        shown = new SignatureWindow(store_, desktop_, icon_);
        shown->setAttribute(Qt::WA_DeleteOnClose);
        connect(shown, &SignatureWindow::saved, this, &SignatureWindowOpener::saved);
        connect(shown, &SignatureWindow::newQuoteAfterReadChanged, this,
                &SignatureWindowOpener::newQuoteAfterReadChanged);
        window_ = shown;
    }
    shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
    shown->show();
    shown->raise();
    shown->activateWindow();
    return shown;
}

} // namespace sentari::signature
