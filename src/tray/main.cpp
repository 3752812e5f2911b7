// sentari: the tray program. `sentari --print-quote` is the fortune-style entry for mail
// programs and shell prompts; it needs nothing but the settings store, so it does not load
// the window system at all. Everything else runs in the tray module.

#include "sentari/buildinfo.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage =
    "Usage: sentari [--data-file FILE] [--print-quote | --change-quote]\n"
    "\n"
    "Without options Sentari starts in the notification area.\n"
    "  --print-quote       print one random quote of the active data file and exit\n"
    "  --change-quote      make the running Sentari pick a new quote\n"
    "  --data-file FILE    make FILE the active quote data file first\n"
    "  --help, --version   print this text or the version and exit\n";

int printQuote(sentari::SettingsStore& store)
{
    const sentari::QuoteResult quote = store.getQuote();
    if (quote.noDataFile) {
        if (quote.path.empty())
            std::fputs("sentari: no quote data file is chosen yet; choose one in Sentari's menu "
                       "or with --data-file FILE.\n",
                       stderr);
        else
            std::fprintf(stderr,
                         "sentari: the quote data file \"%s\" is missing, unreadable or "
                         "holds no quote.\n",
                         quote.path.c_str());
        return 1;
    }
    std::string line = quote.text;
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size() || std::fflush(stdout) != 0)
        return 1;
    return 0;
}

// Beside the program in the build tree, in the library folder's sentari/ once installed. By
// full path: a run path would make the loader search there for every library.
std::string trayModulePath()
{
    std::error_code ec;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    const auto beside = folder / "libsentaritray.so";
    if (ec || std::filesystem::exists(beside, ec))
        return beside.string();
    return (folder / SENTARI_BIN_TO_MODULE / "libsentaritray.so").lexically_normal().string();
}

int runTray(int argc, char** argv)
{
    void* module = ::dlopen(trayModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "sentari: cannot load the tray module: %s\n", ::dlerror());
        return 1;
    }
    using Entry = int (*)(int, char**);
    auto entry = reinterpret_cast<Entry>(::dlsym(module, "sentari_tray_main"));
    if (!entry) {
        std::fprintf(stderr, "sentari: the tray module is damaged: %s\n", ::dlerror());
        return 1;
    }
    return entry(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<char*> rest{argv[0]};
    bool print = false;
    const char* dataFile = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-quote") == 0) {
            print = true;
        } else if (std::strcmp(argv[i], "--data-file") == 0) {
            if (i + 1 >= argc) {
                std::fputs(Usage, stderr);
                return 2;
            }
            dataFile = argv[++i];
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("sentari " SENTARI_VERSION);
            return 0;
        } else {
            rest.push_back(argv[i]);
        }
    }
    try {
        if (dataFile || print) {
            sentari::SettingsStore store;
            if (dataFile) {
                std::error_code ec;
                const auto path = std::filesystem::absolute(dataFile, ec);
                store.writeSetting(sentari::keys::QuoteFile, ec ? dataFile : path.string());
            }
            if (print)
                return printQuote(store);
        }
    } catch (const sentari::StoreError& e) {
        std::fprintf(stderr, "sentari: %s\n", e.what());
        return 1;
    }
    rest.push_back(nullptr);
    return runTray(static_cast<int>(rest.size() - 1), rest.data());
}
