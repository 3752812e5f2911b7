// sentari: the tray program. `sentari --print-quote` is the fortune-style entry for mail
// programs and shell prompts, `sentari --print-signature [N]` the one for mail programs that
// run a command for their signature; they need nothing but the settings store, so they do
// not load the window system at all. Everything else runs in the tray module.

#include "sentari/buildinfo.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tray/trayentry.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Marks a text for the translation catalogue (lupdate looks for this name); the tray module
// translates it.
#define QT_TRANSLATE_NOOP(context, text) text // NOLINT(cppcoreguidelines-macro-usage)

constexpr const char* Usage = QT_TRANSLATE_NOOP(
    "sentari",
    "Usage: sentari [--data-file FILE] [--print-quote | --print-signature [N] | --change-quote]\n"
    "               [-s | -l] [-n N] [--html-document]\n"
    "\n"
    "Without options Sentari starts in the notification area.\n"
    "  --print-quote       print one quote of the active data file and exit\n"
    "  --print-signature [N]\n"
    "                      print signature N (1 when not given) with a new quote and exit\n"
    "  --html-document     with --print-signature: print an HTML signature as a whole\n"
    "                      document (for Evolution's signature scripts)\n"
    "  -s                  with a print option: only quotes of at most N characters\n"
    "  -l                  with a print option: only quotes longer than N characters\n"
    "  -n N                the N of -s and -l (160 when not given)\n"
    "  --change-quote      make the running Sentari pick a new quote\n"
    "  --data-file FILE    make FILE the active quote data file first\n"
    "  --autostart         start in the notification area only when a quote data file is\n"
    "                      chosen; otherwise end at once, asking nothing (the login entry)\n"
    "  --help, --version   print this text or the version and exit\n"
    "\n"
    "Exit status: 0 on success, 1 when nothing could be printed or done, 2 for a wrong\n"
    "command line.\n");

enum class Mode { Tray, PrintQuote, PrintSignature, ChangeQuote, Help, Version };

struct CommandLine {
    Mode mode = Mode::Tray;
    std::int64_t signature = 1;
    const char* dataFile = nullptr;
    char lengthLimit = 0; // 's', 'l' or none
    std::optional<std::int64_t> limit;
    bool htmlDocument = false;
    bool autostart = false;
    std::vector<char*> trayArguments;
};

struct UsageError {
    std::string message;
};

// Digits only, at least 1: "-1", "+2", "2x" and an overflow are not numbers here.
std::optional<std::int64_t> positiveNumber(std::string_view text)
{
    std::int64_t n = 0;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || ptr != text.data() + text.size() || n < 1)
        return std::nullopt;
    return n;
}

enum class QtOption { None, Alone, TakesValue };

// Qt's own options (-display, -style, ...) mean something only to the tray.
QtOption qtOption(std::string_view arg)
{
    static constexpr std::string_view TakingValue[] = {"-platform",
                                                       "-platformpluginpath",
                                                       "-platformtheme",
                                                       "-plugin",
                                                       "-qwindowgeometry",
                                                       "-geometry",
                                                       "-qwindowicon",
                                                       "-icon",
                                                       "-qwindowtitle",
                                                       "-title",
                                                       "-session",
                                                       "-display",
                                                       "-style",
                                                       "-stylesheet",
                                                       "-name"};
    static constexpr std::string_view Standalone[] = {"-reverse", "-widgetcount", "-nograb",
                                                      "-dograb", "-sync"};
    for (auto option : TakingValue) {
        if (arg == option)
            return QtOption::TakesValue;
        if (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '=')
            return QtOption::Alone; // -style=fusion
    }
    for (auto option : Standalone)
        if (arg == option)
            return QtOption::Alone;
    return QtOption::None;
}

void setMode(CommandLine& line, Mode mode, const char* name)
{
    if (line.mode != Mode::Tray && line.mode != mode)
        throw UsageError{std::string("only one of --print-quote, --print-signature and "
                                     "--change-quote at a time ('") +
                         name + "')"};
    line.mode = mode;
}

// GNU style: long options also as --name=value, short ones also as -nVALUE.
// --help and --version end the reading: what follows does not matter.
CommandLine parse(int argc, char** argv)
{
    CommandLine line;
    line.trayArguments.push_back(argv[0]);
    bool qtOptions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto eq = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view name = arg.substr(0, eq);
        const std::optional<std::string_view> attached =
            eq == std::string_view::npos ? std::nullopt
                                         : std::optional<std::string_view>(arg.substr(eq + 1));
        auto noValue = [&] {
            if (attached)
                throw UsageError{"option '" + std::string(name) + "' doesn't allow an argument"};
        };
        const QtOption qt = qtOption(arg);
        if (name == "--print-quote") {
            noValue();
            setMode(line, Mode::PrintQuote, argv[i]);
        } else if (name == "--print-signature") {
            setMode(line, Mode::PrintSignature, argv[i]);
            std::optional<std::string_view> number = attached;
            // "-1" reads as a wrong number rather than an unknown option.
            if (!number && i + 1 < argc &&
                (argv[i + 1][0] != '-' || std::isdigit(static_cast<unsigned char>(argv[i + 1][1]))))
                number = argv[++i];
            if (number) {
                const auto n = positiveNumber(*number);
                if (!n)
                    throw UsageError{"the signature number must be 1 or more, not '" +
                                     std::string(*number) + "'"};
                line.signature = *n;
            }
        } else if (name == "--autostart") {
            noValue();
            line.autostart = true;
        } else if (name == "--change-quote") {
            noValue();
            setMode(line, Mode::ChangeQuote, argv[i]);
        } else if (name == "--html-document") {
            noValue();
            line.htmlDocument = true;
        } else if (name == "--data-file") {
            if (!attached && i + 1 >= argc)
                throw UsageError{"option '--data-file' requires an argument"};
            line.dataFile = attached ? argv[i] + eq + 1 : argv[++i];
            if (!*line.dataFile)
                throw UsageError{"the data file's name is empty"};
        } else if (name == "--help" || name == "-h" || name == "--version") {
            noValue();
            line.mode = name == "--version" ? Mode::Version : Mode::Help;
            return line;
        } else if (arg == "-s" || arg == "-l") {
            if (line.lengthLimit && line.lengthLimit != arg[1])
                throw UsageError{"-s and -l exclude each other"};
            line.lengthLimit = arg[1];
        } else if (arg.starts_with("-n")) {
            std::string_view value = arg.substr(2);
            if (value.empty()) {
                if (i + 1 >= argc)
                    throw UsageError{"option requires an argument -- 'n'"};
                value = argv[++i];
            }
            const auto n = positiveNumber(value);
            if (!n)
                throw UsageError{"the length of -n must be 1 or more, not '" + std::string(value) +
                                 "'"};
            line.limit = *n;
        } else if (qt != QtOption::None) {
            qtOptions = true;
            line.trayArguments.push_back(argv[i]);
            if (qt == QtOption::TakesValue) {
                if (i + 1 >= argc)
                    throw UsageError{"option '" + std::string(arg) + "' requires an argument"};
                line.trayArguments.push_back(argv[++i]);
            }
        } else if (arg.starts_with("--")) {
            throw UsageError{"unrecognized option '" + std::string(arg) + "'"};
        } else if (arg.starts_with("-") && arg.size() > 1) {
            throw UsageError{"invalid option -- '" + std::string(arg.substr(1)) + "'"};
        } else {
            throw UsageError{"unexpected argument '" + std::string(arg) + "'"};
        }
    }
    const bool printing = line.mode == Mode::PrintQuote || line.mode == Mode::PrintSignature;
    if ((line.lengthLimit || line.limit) && !printing)
        throw UsageError{"-s, -l and -n go with --print-quote or --print-signature"};
    if (line.limit && !line.lengthLimit)
        throw UsageError{"-n needs -s or -l"};
    if (line.htmlDocument && line.mode != Mode::PrintSignature)
        throw UsageError{"--html-document goes with --print-signature"};
    if (line.autostart && (line.mode != Mode::Tray || line.dataFile))
        throw UsageError{"--autostart goes only with the notification-area mode"};
    if (qtOptions && line.mode != Mode::Tray)
        throw UsageError{"Qt's options go only with the notification-area mode"};
    if (line.mode == Mode::ChangeQuote) {
        static char changeQuote[] = "--change-quote";
        line.trayArguments.push_back(changeQuote);
    }
    return line;
}

sentari::QuoteLength lengthOf(const CommandLine& line)
{
    const std::int64_t limit = line.limit.value_or(160);
    if (line.lengthLimit == 's')
        return {.longest = limit};
    if (line.lengthLimit == 'l')
        return {.shortest = limit + 1};
    return {};
}

// What no quote means; the caller decides whether that ends the run.
void reportNoQuote(const sentari::QuoteResult& quote)
{
    if (quote.path.empty())
        std::fputs("sentari: no quote data file is chosen yet; choose one in Sentari's menu "
                   "or with --data-file FILE.\n",
                   stderr);
    else
        std::fprintf(stderr, "sentari: %s\n", quote.problem.c_str());
}

// Control characters never reach the terminal: a quote file from elsewhere could hold escape
// sequences. A full disk or a closed pipe is said, not swallowed.
int printLine(std::string_view raw, std::string_view keep = {})
{
    std::string text = sentari::withoutControls(raw, keep);
    if (text.empty() || text.back() != '\n')
        text += '\n';
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        const int error = errno;
        std::fprintf(stderr, "sentari: cannot write to standard output: %s\n",
                     error ? std::strerror(error) : "write failed");
        return 1;
    }
    return 0;
}

int printQuote(sentari::SettingsStore& store, const CommandLine& line)
{
    const sentari::QuoteResult quote = store.getQuote(lengthOf(line));
    if (quote.noDataFile) {
        reportNoQuote(quote);
        return 1;
    }
    return printLine(quote.text);
}

// Evolution takes a script's output as HTML only when it begins like a document.
std::string asHtmlDocument(std::string text)
{
    const auto start = text.find_first_not_of(" \t\r\n");
    const std::string_view body =
        start == std::string::npos ? std::string_view{} : std::string_view(text).substr(start);
    for (const std::string_view opening : {"<html", "<!doctype"})
        if (sentari::keys::sameKey(body.substr(0, opening.size()), opening))
            return text;
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n" + text +
           "</body></html>\n";
}

// Signature n as its plain-text or HTML file gets it, with a new quote; with none to give,
// the signature without the quote's line (said on stderr). The file itself is left alone.
int printSignature(sentari::SettingsStore& store, const CommandLine& line)
{
    const std::int64_t n = line.signature;
    if (!store.signature({}, n).exists) {
        std::fprintf(stderr,
                     "sentari: there is no signature %lld; create one with \"Change Signature\" "
                     "in Sentari's menu.\n",
                     static_cast<long long>(n));
        return 1;
    }
    const sentari::QuoteResult quote = store.getQuote(lengthOf(line));
    if (quote.noDataFile) {
        reportNoQuote(quote);
        std::fputs("sentari: the signature is printed without a quote.\n", stderr);
    }
    std::string text = store.signature(quote.noDataFile ? std::string() : quote.text, n).text;
    if (line.htmlDocument)
        text = asHtmlDocument(std::move(text));
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

// Whether the language Qt would choose, read as it reads it, is English: that needs no
// translator, and so no Qt.
bool englishEnvironment()
{
    std::string language;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value && *value) {
            language = value;
            break;
        }
    }
    if (const char* list = std::getenv("LANGUAGE"); list && *list)
        language = std::string(list).substr(0, std::string(list).find(':'));
    return language.empty() || language == "C" || language == "POSIX" ||
           language.rfind("C.", 0) == 0 || language.rfind("en", 0) == 0;
}

// The usage in the user's language, by the tray module; English when it cannot be loaded.
int printUsage()
{
    if (englishEnvironment())
        return printLine(Usage, "\n");
    if (void* module = ::dlopen(trayModulePath().c_str(), RTLD_NOW | RTLD_LOCAL)) {
        using Text = decltype(&sentari_tray_text);
        if (auto text = reinterpret_cast<Text>(::dlsym(module, "sentari_tray_text")))
            return printLine(text("sentari", Usage), "\n");
    }
    return printLine(Usage, "\n");
}

int runTray(int argc, char** argv)
{
    void* module = ::dlopen(trayModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "sentari: cannot load the tray module: %s\n", ::dlerror());
        return 1;
    }
    using Entry = decltype(&sentari_tray_main);
    auto entry = reinterpret_cast<Entry>(::dlsym(module, "sentari_tray_main"));
    if (!entry) {
        std::fprintf(stderr, "sentari: the tray module is damaged: %s\n", ::dlerror());
        return 1;
    }
    return entry(argc, argv);
}

} // namespace

// Why an existing file cannot be the quote data file (a folder, a pipe, a device), or
// nothing. A missing one can: adding a quote creates it.
std::optional<std::string> unusableDataFile(const char* path)
{
    struct stat st {};
    if (::stat(path, &st) != 0)
        return std::nullopt;
    if (S_ISDIR(st.st_mode))
        return "it is a folder";
    if (!S_ISREG(st.st_mode))
        return "it is not a regular file but a device, a pipe or a socket";
    return std::nullopt;
}

int main(int argc, char** argv)
{
    CommandLine line;
    try {
        line = parse(argc, argv);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "sentari: %s\nTry 'sentari --help' for more information.\n",
                     e.message.c_str());
        return 2;
    }
    if (line.mode == Mode::Help)
        return printUsage();
    if (line.mode == Mode::Version)
        return printLine("sentari " SENTARI_VERSION "\n" SENTARI_BUILD_SUMMARY, "\n");
    try {
        if (line.dataFile || line.mode == Mode::PrintQuote || line.mode == Mode::PrintSignature) {
            sentari::SettingsStore store;
            if (line.dataFile) {
                if (const auto why = unusableDataFile(line.dataFile)) {
                    std::fprintf(stderr,
                                 "sentari: \"%s\" cannot be the quote data file: %s. The quote "
                                 "data file was not changed.\n",
                                 sentari::displayPath(line.dataFile).c_str(), why->c_str());
                    return 1;
                }
                std::error_code ec;
                const auto path = std::filesystem::absolute(line.dataFile, ec);
                store.writeSetting(sentari::keys::QuoteFile, ec ? line.dataFile : path.string());
            }
            if (line.mode == Mode::PrintQuote)
                return printQuote(store, line);
            if (line.mode == Mode::PrintSignature)
                return printSignature(store, line);
        }
        // At login in an account that never set Sentari up: no window, no file, no question.
        if (line.autostart &&
            sentari::SettingsStore().readSetting(sentari::keys::QuoteFile).empty())
            return 0;
    } catch (const sentari::StoreError& e) {
        std::fprintf(stderr, "sentari: %s\n", e.what());
        return 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "sentari: there is not enough memory for that\n");
        return 1;
    }
    line.trayArguments.push_back(nullptr);
    return runTray(static_cast<int>(line.trayArguments.size() - 1), line.trayArguments.data());
}
