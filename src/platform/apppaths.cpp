#include "apppaths.h"

#include "sentari/buildinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace sentari::platform {

QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString dataFolder()
{
    QString beside = programFolder();
    // The build tree keeps the data beside the programs; an installation keeps it in share,
    // reached from bin (sentari) or from xscreensaver's folder (sentarisaver).
    if (QFileInfo::exists(beside + QStringLiteral("/wisdom.txt")))
        return beside;
    for (const char* relative : {SENTARI_BIN_TO_DATA, SENTARI_SAVER_TO_DATA}) {
        QString installed = QDir::cleanPath(beside + QLatin1Char('/') + relative);
        if (QFileInfo::exists(installed + QStringLiteral("/wisdom.txt")))
            return installed;
    }
    return beside;
}

QString dataFile(const QString& name)
{
    return dataFolder() + QLatin1Char('/') + name;
}

QString siblingProgram(const QString& name)
{
    return programFolder() + QLatin1Char('/') + name;
}

QString userQuoteFile()
{
    QString sample = dataFile(QStringLiteral("wisdom.txt"));
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (home.isEmpty())
        return sample;
    QString own = home + QStringLiteral("/sentari/wisdom.txt");
    if (QFileInfo::exists(own))
        return own;
    if (!QDir().mkpath(QFileInfo(own).path()) || !QFile::copy(sample, own))
        return sample;
    // The copy keeps the installed file's read-only bits; the user's own must be writable.
    QFile::setPermissions(own, QFile::permissions(own) | QFile::ReadOwner | QFile::WriteOwner);
    return own;
}

} // namespace sentari::platform
