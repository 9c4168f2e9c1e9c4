// The start of a game against a bare main window in this process, where Qt
// is warm; and the game's program against a bare Qt program, each in a fresh
// process to its first window, which is what a player waits for.

#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

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

// The first window of a program launched afresh: how long it took to be
// mapped on the X server, and the program's resident size then.
struct FirstWindow {
    double micros = 0;
    double residentKb = 0;
};

// Launches program and waits, on the X connection x that watches the root
// window, for its first window to be mapped; then ends it. The game reads
// no settings of the player's, so it starts at its zoom of 1 as the bare
// program does.
FirstWindow launchToFirstWindow(xcb_connection_t* x, const char* program, const QString& config)
{
    while (xcb_generic_event_t* stale = xcb_poll_for_event(x))
        std::free(stale);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    child.setProcessEnvironment(environment);
    child.setStandardErrorFile(QProcess::nullDevice());
    const auto begin = Clock::now();
    child.start(QString::fromLocal8Bit(program), {});
    FirstWindow first;
    for (bool mapped = false; !mapped;) {
        pollfd connection{xcb_get_file_descriptor(x), POLLIN, 0};
        if (poll(&connection, 1, 30000) != 1) {
            std::fprintf(stderr, "%s showed no window within 30 s\n", program);
            std::exit(1);
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            mapped = mapped || (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
        }
    }
    first.micros = micros(Clock::now() - begin);
    first.residentKb = residentNow(std::to_string(child.processId())) / 1024;
    child.kill();
    child.waitForFinished();
    return first;
}

// Cold start: the game's program and a bare Qt program that asks for a name
// as the game's first window does, each launched afresh to its first window
// on the X server, taking turns. Needs an X display (run under xvfb-run).
void startCold(benchmark::State& state)
{
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        xcb_disconnect(x);
        state.SkipWithError("the cold start needs an X display: run the benchmark under xvfb-run");
        return;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t substructure = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &substructure);
    xcb_flush(x);
    const QTemporaryDir config;
    std::vector<double> game, bare, gameKb, bareKb;
    for (auto _ : state) {
        const FirstWindow ofGame = launchToFirstWindow(x, MIREWALK_PROGRAM, config.path());
        const FirstWindow ofBare = launchToFirstWindow(x, MIREWALK_BARE_PROMPT, config.path());
        game.push_back(ofGame.micros);
        bare.push_back(ofBare.micros);
        gameKb.push_back(ofGame.residentKb);
        bareKb.push_back(ofBare.residentKb);
    }
    xcb_disconnect(x);
    figures()["coldStart"] = median(game);
    figures()["coldBareStart"] = median(bare);
    figures()["coldResidentKb"] = median(gameKb);
    figures()["coldBareResidentKb"] = median(bareKb);
    state.counters["game_ms"] = figures()["coldStart"] / 1000;
    state.counters["bare_ms"] = figures()["coldBareStart"] / 1000;
}
BENCHMARK(startCold)->Iterations(21)->Unit(benchmark::kMillisecond);

}  // namespace
