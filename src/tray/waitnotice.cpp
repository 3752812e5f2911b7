#include "tray/waitnotice.h"

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
    auto* notice =
        new QMessageBox(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                        QStringLiteral("Sentari waits for a notification area (system tray).\n"
                                       "Its icon appears as soon as one starts."),
                        QMessageBox::Ok);
    notice->setObjectName(QStringLiteral("waitNotice"));
    notice->setWindowModality(Qt::NonModal);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    window_ = notice;
    notice->show();
}

} // namespace sentari::tray
