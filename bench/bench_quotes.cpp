// Quote data file speed: index build, steady pick, append and delete on generated files.

#include "settings/quoteindex.h"
#include "settings/settingsstore.h"
#include "tray/datafile.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

namespace fs = std::filesystem;

namespace {

const fs::path& workDir()
{
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("sentari-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// A file of `lines` quotes of 40 to 280 characters (160 on average), CR LF, with an empty
// line now and then: 1,000,000 lines make about 160 MB.
fs::path quoteFile(std::int64_t lines)
{
    static std::map<std::int64_t, fs::path> made;
    auto& path = made[lines];
    if (!path.empty())
        return path;
    path = workDir() / ("quotes-" + std::to_string(lines) + ".txt");
    std::mt19937 rng(42);
    const std::string words[] = {"wisdom",     "is",    "the",      "daughter", "of",
                                 "experience", "and",   "patience", "a",        "virtue",
                                 "time",       "heals", "all",      "wounds"};
    std::string buf;
    std::ofstream out(path, std::ios::binary);
    for (std::int64_t i = 0; i < lines; ++i) {
        if (i % 97 == 96) {
            buf += "\r\n";
            continue;
        }
        const std::size_t target = 40 + rng() % 241;
        const std::size_t start = buf.size();
        while (buf.size() - start < target)
            buf += words[rng() % std::size(words)] + ' ';
        buf.back() = '.';
        buf += "\r\n";
        if (buf.size() > (1 << 20)) {
            out << buf;
            buf.clear();
        }
    }
    out << buf;
    return path;
}

void BM_IndexBuild(benchmark::State& state)
{
    const fs::path file = quoteFile(state.range(0));
    for (auto _ : state) {
        auto index = sentari::QuoteIndex::open(file, {}); // no cache: always built
        benchmark::DoNotOptimize(index->quoteCount());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(file)));
    state.counters["MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}
BENCHMARK(BM_IndexBuild)->Arg(15000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_IndexLoadFromCache(benchmark::State& state)
{
    const fs::path file = quoteFile(state.range(0));
    const fs::path cache = workDir() / "cache";
    sentari::QuoteIndex::open(file, cache); // builds and saves it
    for (auto _ : state) {
        auto index = sentari::QuoteIndex::open(file, cache);
        if (!index->loadedFromCache())
            state.SkipWithError("the cache was not used");
        benchmark::DoNotOptimize(index->quoteCount());
    }
}
BENCHMARK(BM_IndexLoadFromCache)->Arg(15000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// One pick from an open index: a random line read from the file.
void BM_SteadyPick(benchmark::State& state)
{
    const fs::path file = quoteFile(state.range(0));
    auto index = sentari::QuoteIndex::open(file, {});
    std::mt19937_64 rng(7);
    for (auto _ : state) {
        auto line = index->pick(rng);
        benchmark::DoNotOptimize(line->text.data());
    }
}
BENCHMARK(BM_SteadyPick)->Arg(15000)->Arg(1000000);

// The same with the pick shared through the cache file, so that no program repeats the
// quote another just showed.
void BM_SteadyPickShared(benchmark::State& state)
{
    const fs::path file = quoteFile(state.range(0));
    auto index = sentari::QuoteIndex::open(file, workDir() / "cache");
    std::mt19937_64 rng(7);
    for (auto _ : state) {
        auto line = index->pick(rng);
        benchmark::DoNotOptimize(line->text.data());
    }
}
BENCHMARK(BM_SteadyPickShared)->Arg(1000000);

// What a program pays per quote: settings checked, file checked, pick.
void BM_StoreGetQuote(benchmark::State& state)
{
    const fs::path file = quoteFile(state.range(0));
    const fs::path dir = workDir() / ("store-" + std::to_string(state.range(0)));
    sentari::SettingsStore store({dir / "Sentari.ini", dir / "cache"});
    store.writeSetting("QuoteFile", file.string());
    store.getQuote();
    for (auto _ : state) {
        auto q = store.getQuote();
        benchmark::DoNotOptimize(q.text.data());
    }
}
BENCHMARK(BM_StoreGetQuote)->Arg(1000000);

void BM_Append(benchmark::State& state)
{
    const fs::path src = quoteFile(state.range(0));
    const fs::path file = workDir() / "append.txt";
    fs::copy_file(src, file, fs::copy_options::overwrite_existing);
    const fs::path cache = workDir() / "cache";
    const QString quote = QStringLiteral("A new quote from the clipboard, joined into one line.");
    for (auto _ : state)
        sentari::tray::appendQuote(file, quote, cache);
}
BENCHMARK(BM_Append)->Arg(15000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Delete(benchmark::State& state)
{
    const fs::path src = quoteFile(state.range(0));
    const fs::path file = workDir() / "delete.txt";
    const std::int64_t line = state.range(0) / 2 + 1;
    std::string quote;
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(src, file, fs::copy_options::overwrite_existing);
        if (quote.empty()) {
            auto index = sentari::QuoteIndex::open(file, {});
            for (std::int64_t e = 0; e < index->quoteCount(); ++e)
                if (auto l = index->line(e); l && l->number == line)
                    quote = l->text;
        }
        state.ResumeTiming();
        const auto done = sentari::tray::deleteQuote(file, line, QString::fromStdString(quote));
        if (!done.deleted)
            state.SkipWithError("nothing deleted");
    }
}
BENCHMARK(BM_Delete)->Arg(15000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(workDir(), ec);
    return 0;
}
