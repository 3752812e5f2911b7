#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sentari::platform {

QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString dataFolder()
{
    const QString beside = programFolder();
    // The build tree keeps the data beside the programs; an installation keeps it in share.
    if (QFileInfo::exists(beside + QStringLiteral("/wisdom.txt")))
        return beside;
    const QString installed = QDir::cleanPath(beside + QStringLiteral("/../share/sentari"));
    return QFileInfo::exists(installed) ? installed : beside;
}

QString dataFile(const QString& name)
{
    return dataFolder() + QLatin1Char('/') + name;
}

QString siblingProgram(const QString& name)
{
    return programFolder() + QLatin1Char('/') + name;
}

} // namespace sentari::platform
