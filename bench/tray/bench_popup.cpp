// Opening and closing the quote pop-up and the QuickShow window for quotes from a line to
// 10 MB: what a pop-up lays out is capped, so a huge quote costs about what a screenful does.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "tray/popup/quotewindows.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using sentari::tray::QuickShowWindow;
using sentari::tray::QuotePopupWindow;

const QRect Screen(0, 0, 1920, 1080);
const QRect WorkArea(0, 0, 1920, 1050);

QString quoteOf(qsizetype characters)
{
    QString quote = QStringLiteral("Patience is bitter, but its fruit is sweet. ")
                        .repeated(characters / 44 + 1);
    quote.truncate(characters);
    return quote;
}

void openAndClosePopup(benchmark::State& state)
{
    const QString quote = quoteOf(state.range(0));
    for (auto _ : state) {
        auto* popup = new QuotePopupWindow(quote, QPointF(15, 15), WorkArea);
        popup->showAt(QPoint(0, 0));
        QCoreApplication::processEvents();
        popup->hide();
        delete popup;
    }
    state.SetLabel(std::to_string(state.range(0)) + " characters");
}
BENCHMARK(openAndClosePopup)->Arg(100)->Arg(10'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void openAndCloseQuickShow(benchmark::State& state)
{
    const QString quote = quoteOf(state.range(0));
    for (auto _ : state) {
        auto* window = new QuickShowWindow(quote, Screen, WorkArea);
        window->show();
        QCoreApplication::processEvents();
        window->hide();
        delete window;
    }
}
BENCHMARK(openAndCloseQuickShow)->Arg(100)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says it cannot raise windows, once per pop-up.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
