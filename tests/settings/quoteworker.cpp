// Adds or deletes quotes of one data file through its own store, as another Sentari would:
// one of two programs writing the file at once. Arguments: add|delete, file, count, store
// folder. Exit 1 when a call fails.
#include "sentaristore/settingsstore.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const std::filesystem::path dir = argv[4];
    sentari::SettingsStore store({dir / "Sentari.ini", dir / "cache"});
    const bool add = std::strcmp(argv[1], "add") == 0;
    try {
        store.writeSetting("QuoteFile", argv[2]);
        for (int i = 0; i < std::atoi(argv[3]); ++i) {
            if (add) {
                store.addQuote({}, "added " + std::to_string(i));
                continue;
            }
            const auto quote = store.getQuote();
            if (quote.noDataFile || !store.deleteQuote({}, quote.number, quote.text).deleted)
                return 1;
        }
    } catch (const sentari::StoreError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
