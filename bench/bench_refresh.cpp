// The signature refresh with 20,000 signatures in one folder: the whole list in one call, one
// slice of 100 as a program that keeps its event loop served calls it, and the whole list in
// such slices (as the tray writes it), which should cost about what the one call does.

#include "quotefiles.h"
#include "sentaristore/settingsstore.h"

#include <benchmark/benchmark.h>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr int Signatures = 20000;

// Plain text, HTML and rich-text signatures in one folder.
sentari::SettingsStore& store()
{
    static sentari::SettingsStore s = [] {
        const fs::path dir = bench::workDir() / "signatures";
        fs::create_directories(dir);
        std::ofstream ini(bench::workDir() / "Sentari.ini");
        ini << "[General]\n";
        for (int n = 1; n <= Signatures; ++n) {
            const char* kind = n % 4 == 0 ? ".rtf" : n % 4 == 1 ? ".htm" : ".txt";
            ini << "SignatureFile" << n << "="
                << (dir / ("sig" + std::to_string(n) + kind)).string() << "\nIntro" << n
                << "=Pim Valder\\r\\nhttps://www.example.com/pimvalder/\\r\\n\\r\\n"
                   "<Quote will be inserted here>\n";
            if (n % 4 == 0)
                ini << "Fontname" << n << "=Verdana\nFontsize" << n << "=10.5\nFontcolor" << n
                    << "=255\n";
        }
        return sentari::SettingsStore(
            {bench::workDir() / "Sentari.ini", bench::workDir() / "cache"});
    }();
    return s;
}

const std::string Quote = "Wisdom is the daughter of experience & patience <a virtue>.";

void BM_RefreshAll(benchmark::State& state)
{
    for (auto _ : state) {
        const auto done = store().refreshSignatures(Quote);
        if (done.count != Signatures || !done.failures.empty())
            state.SkipWithError("not every signature was refreshed");
    }
    state.counters["signatures"] = Signatures;
}
BENCHMARK(BM_RefreshAll)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_RefreshSliceOf100(benchmark::State& state)
{
    std::int64_t from = 1;
    for (auto _ : state) {
        const auto done = store().refreshSignatures(Quote, from, 100);
        from = done.next == 0 ? 1 : done.next;
    }
}
BENCHMARK(BM_RefreshSliceOf100)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RefreshAllInSlicesOf100(benchmark::State& state)
{
    for (auto _ : state) {
        std::int64_t from = 1;
        do
            from = store().refreshSignatures(Quote, from, 100).next;
        while (from != 0);
    }
    state.counters["signatures"] = Signatures;
}
BENCHMARK(BM_RefreshAllInSlicesOf100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
