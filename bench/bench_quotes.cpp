// Quote data file speed: index build, steady pick, append and `sentari --print-quote` on
// generated files (the delete has its own benchmark beside sed).

#include "quotefiles.h"
#include "sentaristore/quotes/quoteindex.h"
#include "sentaristore/settingsstore.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using bench::quoteFile;
using bench::workDir;

namespace {

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
    sentari::SettingsStore store({workDir() / "append.ini", workDir() / "cache"});
    const std::string quote = "A new quote from the clipboard, joined into one line.";
    for (auto _ : state)
        store.addQuote(file, quote);
}
BENCHMARK(BM_Append)->Arg(15000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The whole `sentari --print-quote` of a mail program or shell prompt: start, load the
// store, read the settings and the cached index, print. The program is the one beside this
// benchmark, or SENTARI_PROGRAM.
void BM_PrintQuoteProgram(benchmark::State& state)
{
    const char* given = std::getenv("SENTARI_PROGRAM");
    const fs::path program =
        given ? fs::path(given) : fs::read_symlink("/proc/self/exe").parent_path() / "sentari";
    const fs::path home = workDir() / "print-quote";
    sentari::SettingsStore(
        {home / "config" / "Sentari" / "Sentari.ini", home / "cache" / "sentari"})
        .writeSetting("QuoteFile", quoteFile(state.range(0)).string());
    const std::string config = "XDG_CONFIG_HOME=" + (home / "config").string();
    const std::string cache = "XDG_CACHE_HOME=" + (home / "cache").string();
    char* env[] = {const_cast<char*>(config.c_str()), const_cast<char*>(cache.c_str()), nullptr};
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--print-quote"),
                    nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv, env) != 0 ||
            ::waitpid(pid, &status, 0) != pid || status != 0) {
            state.SkipWithError("sentari --print-quote failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
}
BENCHMARK(BM_PrintQuoteProgram)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
