// sentari: the tray program. `sentari --print-quote` is the fortune-style entry for mail
// programs and shell prompts, `sentari --print-signature [N]` the one for mail programs that
// run a command for their signature; they need nothing but the settings store, so they do
// not load the window system at all. Everything else runs in the tray module.

#include "sentari/buildinfo.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage =
    "Usage: sentari [--data-file FILE] [--print-quote | --print-signature [N] | --change-quote]\n"
    "\n"
    "Without options Sentari starts in the notification area.\n"
    "  --print-quote       print one random quote of the active data file and exit\n"
    "  --print-signature [N]\n"
    "                      print signature N (1 when not given) with a new quote and exit\n"
    "  --change-quote      make the running Sentari pick a new quote\n"
    "  --data-file FILE    make FILE the active quote data file first\n"
    "  --help, --version   print this text or the version and exit\n";

// Says why there is no quote; false when there is one.
bool reportNoQuote(const sentari::QuoteResult& quote)
{
    if (quote.noDataFile) {
        if (quote.path.empty())
            std::fputs("sentari: no quote data file is chosen yet; choose one in Sentari's menu "
                       "or with --data-file FILE.\n",
                       stderr);
        else
            std::fprintf(stderr, "sentari: %s\n", quote.problem.c_str());
        return true;
    }
    return false;
}

// Control characters never reach the terminal: a quote file from elsewhere could hold escape
// sequences.
int printLine(std::string_view raw, std::string_view keep = {})
{
    std::string text = sentari::withoutControls(raw, keep);
    if (text.empty() || text.back() != '\n')
        text += '\n';
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return 1;
    return 0;
}

int printQuote(sentari::SettingsStore& store)
{
    const sentari::QuoteResult quote = store.getQuote();
    if (reportNoQuote(quote))
        return 1;
    return printLine(quote.text);
}

// Signature n as its plain-text or HTML file gets it, with a new quote, in this system's line
// breaks; the file itself is left alone.
int printSignature(sentari::SettingsStore& store, const char* number)
{
    std::int64_t n = 0;
    const char* end = number + std::strlen(number);
    const auto [ptr, ec] = std::from_chars(number, end, n);
    if (ec != std::errc() || ptr != end || n < 1 || !store.signature({}, n).exists) {
        std::fprintf(stderr,
                     "sentari: there is no signature %s; create one with \"Change Signature\" "
                     "in Sentari's menu.\n",
                     number);
        return 1;
    }
    const sentari::QuoteResult quote = store.getQuote();
    if (reportNoQuote(quote))
        return 1;
    std::string text;
    for (char c : store.signature(quote.text, n).text)
        if (c != '\r')
            text += c;
    return printLine(text, "\n");
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
    const char* signature = nullptr;
    const char* dataFile = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-quote") == 0) {
            print = true;
        } else if (std::strcmp(argv[i], "--print-signature") == 0) {
            const bool numbered = i + 1 < argc && argv[i + 1][0] >= '0' && argv[i + 1][0] <= '9';
            signature = numbered ? argv[++i] : "1";
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
        if (dataFile || print || signature) {
            sentari::SettingsStore store;
            if (dataFile) {
                std::error_code ec;
                const auto path = std::filesystem::absolute(dataFile, ec);
                store.writeSetting(sentari::keys::QuoteFile, ec ? dataFile : path.string());
            }
            if (print)
                return printQuote(store);
            if (signature)
                return printSignature(store, signature);
        }
    } catch (const sentari::StoreError& e) {
        std::fprintf(stderr, "sentari: %s\n", e.what());
        return 1;
    }
    rest.push_back(nullptr);
    return runTray(static_cast<int>(rest.size() - 1), rest.data());
}
