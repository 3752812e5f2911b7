#pragma once

// Generated quote data files for the benchmarks, in a scratch folder removed at exit.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>

namespace bench {

inline const std::filesystem::path& workDir()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("sentari-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    static const int removedAtExit = std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    });
    (void)removedAtExit;
    return dir;
}

// The text of line `number` (1-based) of a generated file, without its line break.
inline std::string quoteText(std::int64_t number)
{
    if (number % 97 == 0)
        return {}; // an empty line now and then
    static const std::string words[] = {"wisdom",     "is",    "the",      "daughter", "of",
                                        "experience", "and",   "patience", "a",        "virtue",
                                        "time",       "heals", "all",      "wounds"};
    std::minstd_rand rng(static_cast<std::uint32_t>(number));
    const std::size_t target = 40 + rng() % 241;
    std::string line;
    while (line.size() < target)
        line += words[rng() % std::size(words)] + ' ';
    line.back() = '.';
    return line;
}

// A file of `lines` quotes of 40 to 280 characters (160 on average), CR LF: 1,000,000
// lines make about 163 MB.
inline std::filesystem::path quoteFile(std::int64_t lines)
{
    static std::map<std::int64_t, std::filesystem::path> made;
    auto& path = made[lines];
    if (!path.empty())
        return path;
    path = workDir() / ("quotes-" + std::to_string(lines) + ".txt");
    std::ofstream out(path, std::ios::binary);
    std::string buf;
    for (std::int64_t i = 1; i <= lines; ++i) {
        buf += quoteText(i);
        buf += "\r\n";
        if (buf.size() > (1 << 20)) {
            out << buf;
            buf.clear();
        }
    }
    out << buf;
    return path;
}

} // namespace bench
