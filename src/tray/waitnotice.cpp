#include "tray/waitnotice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace sentari::tray {

WaitNotice::~WaitNotice()
{
    delete window_;
}

void WaitNotice::showOnce()
{
    if (shown_)
        return;
    shown_ = true;
    auto* notice = new QMessageBox(
        QMessageBox::Information, QGuiApplication::applicationDisplayName(),
        QCoreApplication::translate("sentari::tray::WaitNotice",
                                    "Sentari waits for a notification area (system tray).\n"
                                    "Its icon appears as soon as one starts."),
        QMessageBox::Ok);
    notice->setObjectName(QStringLiteral("waitNotice"));
    // A message to read and close: nothing to minimise or maximise.
    notice->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    notice->setWindowModality(Qt::NonModal);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    window_ = notice;
    // Fixed before it is mapped: a window manager that sees it resizable then draws a
    // maximise button and keeps it.
    notice->adjustSize();
    notice->setFixedSize(notice->size());
    notice->show();
}

void WaitNotice::close()
{
    if (window_)
        window_->close();
}

} // namespace sentari::tray
