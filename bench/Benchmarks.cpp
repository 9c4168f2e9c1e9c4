// How fast the game answers the player: a step through the real map view,
// the start of a game, the inventory after long play, a battle exchange and
// the timers left running while idle, each figure beside a baseline measured
// in the same run. Runs on the offscreen platform and ends with a summary
// against the targets.
//
//   cmake --build build --target mirewalk_bench && build/bench/mirewalk_bench

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

#include "Bench.h"
#include "pictures/BuiltInPictures.h"
#include "widgets/PictureView.h"
#include "widgets/Style.h"

using namespace mirewalk;

namespace {

// One step from the key event to the repainted map view; no monster meets the hero.
void stepThroughMapView(benchmark::State& state)
{
    RunningGame run;
    run.windows.showMap();
    QWidget* view = element("frmGame", "Map");
    std::vector<double> samples;
    bool right = true;
    // The first figure of the run: the processor is brought up to speed first.
    for (const auto warm = Clock::now(); Clock::now() - warm < std::chrono::milliseconds(300);)
        view->repaint();
    for (auto _ : state) {
        run.random.feed({LargestBelowOne});
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        // Everything the step left to repaint in the window is painted now.
        QCoreApplication::sendPostedEvents(view->window(), QEvent::UpdateRequest);
        samples.push_back(micros(Clock::now() - start));
        right = !right;
    }
    figures()["step"] = median(samples);
    state.counters["median_us"] = figures()["step"];
}
BENCHMARK(stepThroughMapView)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// Drawing the hero alone, as a step draws it: the map's picture put back
// where the hero was, the hero painted where it is, one step apart.
void drawHeroAlone(benchmark::State& state)
{
    RunningGame run;
    const BuiltInPictures& pictures = loadBuiltInPictures();
    Canvas& map = element<PictureView>("frmGame", "Map")->canvas();
    QRect where = drawHero(map, pictures.sprites(Facing::Side), run.game);
    std::vector<double> samples;
    for (auto _ : state) {
        run.game.PlayerX = run.game.PlayerX == 30 ? 45 : 30;
        const auto start = Clock::now();
        where = moveHero(map, pictures.sprites(Facing::Side), run.game, where);
        samples.push_back(micros(Clock::now() - start));
    }
    figures()["drawHero"] = median(samples);
    state.counters["median_us"] = figures()["drawHero"];
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
    figures()["floor"] = median(samples);
    state.counters["median_us"] = figures()["floor"];
}
BENCHMARK(bareCopy)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// One line of the summary: a figure beside its baseline, their ratio, and
// whether the ratio (and an extra condition, if any) meets its target.
void summarise(const char* what, const char* value, const char* baselineName, const char* baseline,
               double ratio, double maxRatio, const char* extra = "", bool extraMet = true)
{
    std::printf("%-36s %12s   %-26s %12s   ratio %7.2f", what, value, baselineName, baseline, ratio);
    if (maxRatio <= 0) {
        std::printf("   (no target)\n");
        return;
    }
    std::printf("   target <= %.1f%s   ", maxRatio, extra);
    if (ratio <= maxRatio && extraMet)
        std::printf("met\n");
    else if (ratio > maxRatio)
        std::printf("NOT MET: %.1f x the target ratio\n", ratio / maxRatio);
    else
        std::printf("NOT MET: %s\n", extra);
}

// A time as text in microseconds.
std::string us(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f us", value);
    return text;
}

// Summarises a figure against its baseline, when both were measured.
void compare(const char* what, const char* figure, const char* baselineName, const char* baseline,
             double maxRatio, const char* extra = "", bool extraMet = true)
{
    auto& kept = figures();
    if (!kept.count(figure) || !kept.count(baseline))
        return;
    summarise(what, us(kept[figure]).c_str(), baselineName, us(kept[baseline]).c_str(),
              kept[figure] / kept[baseline], maxRatio, extra, extraMet);
}

// The summary of the run: every figure against its baseline and target.
void printSummary()
{
    auto& kept = figures();
    std::printf("\nSummary (medians; each figure beside its baseline from this run)\n");
    compare("step, key event to repainted view", "step", "bare picture copy", "floor", 1.0);
    compare("drawing the hero alone", "drawHero", "bare picture copy", "floor", 0.5);
    compare("start-up in this process", "start", "bare main window", "bareStart", 1.3);
    compare("cold start to the first window", "coldStart", "bare Qt program's prompt",
            "coldBareStart", 1.1);
    if (kept.count("coldResidentKb") && kept.count("coldBareResidentKb")) {
        const double above = (kept["coldResidentKb"] - kept["coldBareResidentKb"]) / 1024;
        std::printf("%-36s %9.1f MB above the bare program   target <= 3 MB   %s\n",
                    "resident at the first window", above, above <= 3 ? "met" : "NOT MET");
    }
    compare("pad step, record to repainted view", "padStep", "keyboard step, the same", "keyStep",
            1.0);
    compare("inventory opening 9,901-10,000", "openingLast", "openings 1-100", "openingFirst", 2.0);
    compare("battle exchange through the window", "exchange", "its rules alone", "exchangeRules", 0);
    if (kept.count("bytesPerRow"))
        std::printf("%-36s %9.0f bytes of heap per found row (no target)\n", "inventory memory",
                    kept["bytesPerRow"]);
    if (kept.count("bytesPerRound") && kept.count("bytesPerRow")) {
        const double ratio = kept["bytesPerRound"] / kept["bytesPerRow"];
        std::printf("%-36s %9.0f bytes   %-26s %9.0f bytes   ratio %7.2f   target <= 1.5   %s\n",
                    "long play: heap per round", kept["bytesPerRound"], "per inventory row",
                    kept["bytesPerRow"], ratio, ratio <= 1.5 ? "met" : "NOT MET");
    }
    if (kept.count("boxGrowth"))
        std::printf("%-36s %9.0f kB   target < 1024 kB   %s (on %s: run it on xcb, which keeps "
                    "memory for every box made)\n",
                    "4,500 real message boxes: resident", kept["boxGrowth"] / 1024,
                    kept["boxGrowth"] < 1024 * 1024 ? "met" : "NOT MET",
                    qPrintable(QGuiApplication::platformName()));
    if (kept.count("idleTimers"))
        std::printf("%-36s %12.0f   target 0   %s\n", "timers running while idle",
                    kept["idleTimers"], kept["idleTimers"] == 0 ? "met" : "NOT MET");
    if (kept.count("idleTimersWithPad"))
        std::printf("%-36s %12.0f   target 0   %s\n", "timers idle with a pad connected",
                    kept["idleTimersWithPad"], kept["idleTimersWithPad"] == 0 ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    useGameFont();
    // The offscreen platform warns at every fixed-size window; the figures matter here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg || !text.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
