#pragma once

// A settings store in a fresh temporary folder, with helpers for files in it.

#include "sentaristore/settingsstore.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace sentari::testing {

struct TempStore {
    QTemporaryDir dir;
    StoreLocations locations{std::filesystem::path(dir.path().toStdString()) / "config" /
                                 "Sentari" / "Sentari.ini",
                             std::filesystem::path(dir.path().toStdString()) / "cache"};
    std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>(locations);

    // Another program's instance of the same store.
    std::unique_ptr<SettingsStore> another() const
    {
        return std::make_unique<SettingsStore>(locations);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    std::string spath(const QString& name) const { return path(name).toStdString(); }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write test file %s", qPrintable(name));
        return path(name);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile f(name.startsWith(QLatin1Char('/')) ? name : path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A data file in the folder, made the active one.
    QString useDataFile(const QByteArray& bytes, const QString& name = QStringLiteral("quotes.txt"))
    {
        const QString p = writeFile(name, bytes);
        store->writeSetting("QuoteFile", p.toStdString());
        return p;
    }
    QByteArray settingsText() const
    {
        return readFile(QString::fromStdString(locations.settingsFile.string()));
    }
};

inline std::string s(const QString& q)
{
    return q.toStdString();
}

} // namespace sentari::testing
