// How fast the game answers the player: a step through the real map view,
// the start of a game, and each figure beside a baseline measured in the same
// run. Run with the offscreen platform; prints a summary against the targets.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "map/frmGame.h"
#include "platform/PictureFolder.h"
#include "platform/Random.h"

namespace {

using Clock = std::chrono::steady_clock;

// Figures kept for the summary, by name, in microseconds.
std::map<std::string, double> figures;

double micros(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

double median(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// A game in its real main window, offscreen, with scripted dialogs.
struct RunningGame {
    Game game;
    Random random;
    ScriptedDialogs dialogs;
    PictureFolder pictures{QStringLiteral(MIREWALK_SOURCE_DIR)};
    Services services{random, dialogs, pictures};
    frmGame window{game, services};
};

// One step from the key event to the repainted map view; no monster meets the hero.
void stepThroughMapView(benchmark::State& state)
{
    RunningGame run;
    run.window.show();
    std::vector<double> samples;
    bool right = true;
    for (auto _ : state) {
        run.random.feed({LargestBelowOne});
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QCoreApplication::sendEvent(run.window.Map, &press);
        run.window.Map->repaint();
        samples.push_back(micros(Clock::now() - start));
        right = !right;
    }
    figures["step"] = median(samples);
    state.counters["median_us"] = figures["step"];
}
BENCHMARK(stepThroughMapView)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// DrawHero alone: clear the map and blit mask and sprite.
void drawHeroAlone(benchmark::State& state)
{
    RunningGame run;
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        run.window.DrawHero(frmGame::Pair::Side);
        samples.push_back(micros(Clock::now() - start));
    }
    figures["drawHero"] = median(samples);
    state.counters["median_us"] = figures["drawHero"];
}
BENCHMARK(drawHeroAlone)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// The floor: a bare copy of a 326 x 273 picture.
void bareCopy(benchmark::State& state)
{
    const QImage picture = PictureFolder(QStringLiteral(MIREWALK_SOURCE_DIR))
                               .load(QStringLiteral("Maps/M1.jpg"))
                               .convertToFormat(QImage::Format_RGB32);
    QImage image(picture.size(), QImage::Format_RGB32);
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        QPainter painter(&image);
        painter.drawImage(0, 0, picture);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        samples.push_back(micros(Clock::now() - start));
    }
    figures["floor"] = median(samples);
    state.counters["median_us"] = figures["floor"];
}
BENCHMARK(bareCopy)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// Start-up: build the main window, start a game with a scripted name, show it
// and paint it once.
void startGame(benchmark::State& state)
{
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        RunningGame run;
        run.window.show();
        run.window.repaint();
        samples.push_back(micros(Clock::now() - start));
        state.PauseTiming();
        run.window.hide();
        state.ResumeTiming();
    }
    figures["start"] = median(samples);
    state.counters["median_us"] = figures["start"];
}
BENCHMARK(startGame)->Iterations(200)->Unit(benchmark::kMicrosecond);

// Its baseline: a bare main window with one 326 x 273 picture label.
void startBareWindow(benchmark::State& state)
{
    const QPixmap picture(QStringLiteral(MIREWALK_SOURCE_DIR "/Maps/M1.jpg"));
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        QMainWindow window;
        auto* label = new QLabel(&window);
        label->setPixmap(picture);
        window.setCentralWidget(label);
        window.show();
        window.repaint();
        samples.push_back(micros(Clock::now() - start));
    }
    figures["bareStart"] = median(samples);
    state.counters["median_us"] = figures["bareStart"];
}
BENCHMARK(startBareWindow)->Iterations(200)->Unit(benchmark::kMicrosecond);

// One line of the summary: a figure, its baseline, the ratio and the target.
void summarise(const char* what, double value, const char* baselineName, double baseline,
               double maxRatio, const char* extra = "", bool extraMet = true)
{
    const double ratio = value / baseline;
    const bool met = ratio <= maxRatio && extraMet;
    std::printf("%-34s %10.2f us   %-24s %10.2f us   ratio %6.2f (target <= %.1f%s)  %s\n",
                what, value, baselineName, baseline, ratio, maxRatio, extra, met ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform warns at every fixed-size window; the figures matter here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg || !text.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nSummary (medians)\n");
    if (figures.count("step") && figures.count("floor")) {
        summarise("step, key event to repainted view", figures["step"], "bare picture copy",
                  figures["floor"], 20.0, ", and < 100 us", figures["step"] < 100.0);
        summarise("DrawHero alone", figures["drawHero"], "bare picture copy", figures["floor"], 20.0);
    }
    if (figures.count("start") && figures.count("bareStart"))
        summarise("start-up, built shown and painted", figures["start"], "bare main window",
                  figures["bareStart"], 1.3);
    return 0;
}
