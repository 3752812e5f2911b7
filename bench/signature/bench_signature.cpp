// The signature window with a list of 1,000 signatures: loading the list, opening the window,
// writing the list back after a save that changed one entry, and removing the first entry
// (every later one moves up a number, so nearly every key is written).

#include "platform/qtdesktop.h"
#include "sentaristore/settingsstore.h"
#include "signature/signaturelist.h"
#include "signature/signaturewindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>

namespace {

using namespace sentari;

constexpr int Entries = 1000;

// A store whose settings file holds Entries signatures, every other one rich text.
struct BigStore {
    QTemporaryDir dir;
    StoreLocations locations{std::filesystem::path(dir.filePath("Sentari.ini").toStdString()),
                             std::filesystem::path(dir.filePath("cache").toStdString())};
    std::unique_ptr<SettingsStore> store;

    BigStore()
    {
        std::ofstream ini(locations.settingsFile);
        ini << "[General]\nQuoteFile=/nowhere/quotes.txt\n";
        for (int n = 1; n <= Entries; ++n) {
            const bool rich = n % 2 == 0;
            ini << "SignatureFile" << n << "=/home/user/mail/signature-" << n
                << (rich ? ".rtf" : ".txt") << "\nIntro" << n
                << "=Pim Valder\\r\\nhttps://www.example.com/pimvalder/\\r\\n\\r\\n"
                   "<Quote will be inserted here>\n";
            if (rich)
                ini << "Fontname" << n << "=Verdana\nFontsize" << n << "=10.5\nFontcolor" << n
                    << "=255\n";
        }
        ini.close();
        store = std::make_unique<SettingsStore>(locations);
    }
};

BigStore& bigStore()
{
    static BigStore big;
    return big;
}

void BM_LoadList(benchmark::State& state)
{
    signature::SignatureList list(*bigStore().store);
    for (auto _ : state) {
        list.load();
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["entries"] = list.count();
}
BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond);

// From the tray's "Change Signature" to a window on screen with entry 1 and every entry's
// menu item.
void BM_OpenWindow(benchmark::State& state)
{
    platform::QtDesktop desktop;
    for (auto _ : state) {
        auto window =
            std::make_unique<signature::SignatureWindow>(*bigStore().store, desktop, QIcon());
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->list().count());
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

bool oursWin(const signature::SignatureConflict&)
{
    return true;
}

// Save writes the whole list back; only the entry that changed reaches the disk.
void BM_WriteBackOneChanged(benchmark::State& state)
{
    signature::SignatureList list(*bigStore().store);
    list.load();
    int round = 0;
    for (auto _ : state) {
        signature::SignatureEntry entry = list.at(Entries);
        entry.intro = QStringLiteral("Pim Valder %1").arg(++round);
        list.put(Entries, entry);
        list.write(oursWin);
    }
}
BENCHMARK(BM_WriteBackOneChanged)->Unit(benchmark::kMillisecond);

// "Remove" of entry 1 renumbers the 999 after it. Each round starts from the full list.
void BM_RemoveFirst(benchmark::State& state)
{
    BigStore& big = bigStore();
    static const std::vector<signature::SignatureEntry> full = [&] {
        signature::SignatureList stored(*big.store);
        stored.load();
        std::vector<signature::SignatureEntry> entries;
        for (int n = 1; n <= stored.count(); ++n)
            entries.push_back(stored.at(n));
        return entries;
    }();
    signature::SignatureList list(*big.store);
    for (auto _ : state) {
        state.PauseTiming();
        list.load();
        for (int n = 1; n <= Entries; ++n)
            list.put(n, full.at(static_cast<std::size_t>(n - 1)));
        list.write(oursWin);
        state.ResumeTiming();
        list.remove(1, oursWin);
        if (list.count() != Entries - 1)
            state.SkipWithError("the first entry was not removed");
    }
}
BENCHMARK(BM_RemoveFirst)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
