#include "platform/helppages.h"

#include "platform/apppaths.h"
#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace sentari::platform {

namespace {

// help_de.htm for help.htm in German, when there is one.
QString pageInLanguage(const QString& name)
{
    const QFileInfo page(name);
    for (QString language : QLocale().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString& tag : {language, language.section(QLatin1Char('_'), 0, 0)}) {
            QString path = dataFile(page.completeBaseName() + QLatin1Char('_') + tag +
                                    QLatin1Char('.') + page.suffix());
            if (QFileInfo(path).isFile())
                return path;
        }
        if (language.startsWith(QLatin1String("en")))
            break;
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
    desktop.message(
        QCoreApplication::translate("sentari::platform::HelpPages",
                                    "No viewer registered for html files\nor helpfile not "
                                    "present in %1")
            .arg(folder)
            .replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
        MessageStyle::Information);
}

} // namespace sentari::platform
