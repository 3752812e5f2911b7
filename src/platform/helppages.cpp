#include "platform/helppages.h"

#include "platform/apppaths.h"
#include "platform/desktop.h"
#include "platform/qtstring.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sentari::platform {

namespace {

// help_de.htm for help.htm when the texts are German and there is one.
QString pageInLanguage(const QString& name)
{
    if (const QString language = textLanguage(); !language.isEmpty()) {
        const QFileInfo page(name);
        QString path = dataFile(page.completeBaseName() + QLatin1Char('_') + language +
                                QLatin1Char('.') + page.suffix());
        if (QFileInfo(path).isFile())
            return path;
    }
    return dataFile(name);
}

} // namespace

void openHelpPage(Desktop& desktop, const QString& name)
{
    const QString path = pageInLanguage(name);
    if (QFileInfo(path).isFile() && desktop.openDocument(path))
        return;
    QString folder = QDir::toNativeSeparators(dataFolder());
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    desktop.message(withCrLf(QCoreApplication::translate("sentari::platform::HelpPages",
                                                         "No viewer registered for html "
                                                         "files\nor helpfile not present in %1"))
                        .arg(folder),
                    MessageStyle::Information);
}

} // namespace sentari::platform
