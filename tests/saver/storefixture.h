#pragma once

// A settings store in a temporary folder with a fake desktop, for the options and password
// dialogs; "Beta Serif" is the one installed font the store knows.

#include "fakedesktop.h"
#include "sentaristore/settingsstore.h"

#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>

using Values = std::map<std::string, std::string>;

inline const QStringList Fonts{"Alpha Sans", "Beta Serif", "Gamma Mono"};

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<sentari::SettingsStore> store;
    sentari::testing::FakeDesktop desktop;

    explicit Fixture(const Values& values = {})
    {
        sentari::StoreLocations where;
        where.settingsFile = (dir.path() + "/Sentari/Sentari.ini").toStdString();
        where.cacheDir = (dir.path() + "/cache").toStdString();
        store = std::make_unique<sentari::SettingsStore>(where);
        store->setFontFamiliesProvider([] { return std::vector<std::string>{"Beta Serif"}; });
        for (const auto& [k, v] : values)
            store->writeSetting(k, v);
    }
    std::string get(std::string_view key) { return store->readSetting(key); }
};
