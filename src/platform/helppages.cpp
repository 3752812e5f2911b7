#include "platform/helppages.h"

#include "platform/apppaths.h"
#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>

namespace sentari::platform {

void openHelpPage(Desktop& desktop, const QString& name)
{
    const QString path = dataFile(name);
    if (QFileInfo(path).isFile() && desktop.openDocument(path))
        return;
    QString folder = QDir::toNativeSeparators(dataFolder());
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    desktop.message(
        QStringLiteral("No viewer registered for html files\r\nor helpfile not present in ") +
            folder,
        MessageStyle::Information);
}

} // namespace sentari::platform
