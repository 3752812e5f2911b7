// Deletes one quote from a data file through its own store, as the tray's delete does: the
// program the kill test interrupts. Arguments: file, line number, quote, store folder.
#include "sentaristore/settingsstore.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const std::filesystem::path dir = argv[4];
    sentari::SettingsStore store({dir / "Sentari.ini", dir / "cache"});
    const auto done = store.deleteQuote(argv[1], std::atoll(argv[2]), argv[3]);
    std::printf("%lld\n", static_cast<long long>(done.remainingLines));
    return done.deleted ? 0 : 1;
}
