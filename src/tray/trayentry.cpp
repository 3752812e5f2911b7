// The tray program's window-system part, loaded by the sentari launcher.

#include "platform/apppaths.h"
#include "platform/qtdesktop.h"
#include "platform/qtstring.h"
#include "quotekeeper.h"
#include "settings/settingsstore.h"

#include <QApplication>

#include <cstdio>

extern "C" __attribute__((visibility("default"))) int sentari_tray_main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sentari"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sentari"));
    std::fputs("sentari: the notification area icon is not available in this build yet; "
               "use --print-quote.\n",
               stderr);
    return 1;
}
