// Deleting the middle quote of a 974,000-line (about 160 MB) data file: the store's delete,
// atomic and flushed to disk, beside `sed -i 'Nd'` (neither) on the same file, in one run.
// Before each round the file is restored and flushed, so no round pays for another's writes.

#include "quotefiles.h"
#include "sentaristore/settingsstore.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t Lines = 974000;
constexpr std::int64_t Middle = Lines / 2 + 1;

fs::path freshCopy()
{
    const fs::path file = bench::workDir() / "delete.txt";
    fs::copy_file(bench::quoteFile(Lines), file, fs::copy_options::overwrite_existing);
    ::sync();
    return file;
}

sentari::SettingsStore& store()
{
    static sentari::SettingsStore s({bench::workDir() / "Sentari.ini", bench::workDir() / "cache"});
    return s;
}

// The tray deletes the quote it holds, so the file's index is at hand: the one its last pick
// used. `thenPick` adds the pick that follows every delete.
void storeDelete(benchmark::State& state, bool thenPick)
{
    const std::string quote = bench::quoteText(Middle);
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path file = freshCopy();
        store().writeSetting("QuoteFile", file.string());
        store().getQuote();
        state.ResumeTiming();
        const auto done = store().deleteQuote(file, Middle, quote);
        if (thenPick)
            benchmark::DoNotOptimize(store().getQuote());
        if (!done.deleted || done.line != Middle)
            state.SkipWithError("the middle quote was not deleted");
    }
}

void BM_StoreDeleteMiddleQuote(benchmark::State& state)
{
    storeDelete(state, false);
}
BENCHMARK(BM_StoreDeleteMiddleQuote)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_SedDeleteMiddleLine(benchmark::State& state)
{
    const std::string script = std::to_string(Middle) + "d";
    for (auto _ : state) {
        state.PauseTiming();
        const std::string file = freshCopy().string();
        char* argv[] = {const_cast<char*>("sed"), const_cast<char*>("-i"),
                        const_cast<char*>(script.c_str()), const_cast<char*>(file.c_str()),
                        nullptr};
        state.ResumeTiming();
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, "sed", nullptr, nullptr, argv, environ) != 0 ||
            ::waitpid(pid, &status, 0) != pid || status != 0)
            state.SkipWithError("sed failed");
    }
}
BENCHMARK(BM_SedDeleteMiddleLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_StoreDeleteAndNextPick(benchmark::State& state)
{
    storeDelete(state, true);
}
BENCHMARK(BM_StoreDeleteAndNextPick)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
