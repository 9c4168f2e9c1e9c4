// The start of a game against a bare main window: in this process, where Qt
// is warm, and in a fresh process of each kind, which is what a player waits
// for.

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Bench.h"

using namespace mirewalk;

namespace {

// The bare main window the start of a game is measured against: one label
// showing the 326 x 273 picture of map 1, read from its file.
std::shared_ptr<void> showBareWindow()
{
    auto window = std::make_shared<QMainWindow>();
    auto* label = new QLabel(window.get());
    // From the file every time: QPixmap's own loading would take it from its cache.
    label->setPixmap(
        QPixmap::fromImage(QImage(QStringLiteral(MIREWALK_SOURCE_DIR "/Maps/M1.jpg"))));
    window->setCentralWidget(label);
    window->show();
    window->repaint();
    return window;
}

// Builds the game's windows (the start of a game with a scripted name), shows the map
// and paints it once.
std::shared_ptr<void> showGame()
{
    auto run = std::make_shared<RunningGame>();
    run->windows.showMap();
    run->map().repaint();
    return run;
}

// Start-up in this process: each start built, shown and painted in full;
// the window is closed and destroyed after the clock has stopped.
void startWarm(benchmark::State& state, std::shared_ptr<void> (*start)(), const char* figure)
{
    std::vector<double> samples;
    for (auto _ : state) {
        const auto begin = Clock::now();
        const std::shared_ptr<void> shown = start();
        samples.push_back(micros(Clock::now() - begin));
    }
    figures()[figure] = median(samples);
    state.counters["median_us"] = figures()[figure];
}

void startGame(benchmark::State& state) { startWarm(state, showGame, "start"); }
void startBareWindow(benchmark::State& state) { startWarm(state, showBareWindow, "bareStart"); }
BENCHMARK(startGame)->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(startBareWindow)->Iterations(200)->Unit(benchmark::kMicrosecond);

// Microseconds from starting this program again for one start of kind to its end.
double coldStart(const char* kind)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto begin = Clock::now();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start=") + kind});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the cold start of %s failed: %s\n", kind,
                     qPrintable(child.errorString()));
        std::exit(1);
    }
    return micros(Clock::now() - begin);
}

// Cold start: a fresh process for each start, the two kinds taking turns.
void startCold(benchmark::State& state)
{
    std::vector<double> game, bare;
    for (auto _ : state) {
        game.push_back(coldStart("game"));
        bare.push_back(coldStart("bare"));
    }
    figures()["coldStart"] = median(game);
    figures()["coldBareStart"] = median(bare);
    state.counters["game_ms"] = figures()["coldStart"] / 1000;
    state.counters["bare_ms"] = figures()["coldBareStart"] / 1000;
}
BENCHMARK(startCold)->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

void mirewalk::startOnceAndEnd(const std::string& kind)
{
    const std::shared_ptr<void> shown = kind == "game" ? showGame() : showBareWindow();
    std::fflush(nullptr);
    std::_Exit(0);  // the player waits for the first paint, not for the tidying up
}
