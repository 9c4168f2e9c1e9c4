// A game pad beside the keyboard: a step from a pad's record written to its
// FIFO to the repainted map view, beside a key press's step; and the timers
// still running once idle with a pad connected.

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <functional>
#include <linux/input.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Bench.h"
#include "IdleTimers.h"
#include "windows/PadInput.h"

using namespace mirewalk;

namespace {

// A FIFO standing in for a pad in a folder standing in for /dev/input, read
// by the game, and its writer.
struct ConnectedPad {
    QTemporaryDir folder;
    QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("event0")));
    int made = mkfifo(path.constData(), 0600);
    PadInput input{folder.path(), QCoreApplication::instance()};
    int writer = open(path.constData(), O_WRONLY | O_NONBLOCK);

    ~ConnectedPad() { close(writer); }

    // One frame: a control's new value, then the frame's end.
    void send(int type, int code, int value) const
    {
        const input_event frame[] = {{{}, __u16(type), __u16(code), value},
                                     {{}, EV_SYN, SYN_REPORT, 0}};
        if (write(writer, frame, sizeof frame) != ssize_t(sizeof frame))
            std::abort();
    }
};

// The game's window, shown and active, so that keys reach it.
QWindow* shownMap(RunningGame& run)
{
    run.windows.showMap();
    QWidget* map = &run.map();
    if (!QTest::qWaitForWindowActive(map))
        std::abort();
    return map->window()->windowHandle();
}

// A keyboard as Linux reports one and Qt's platforms take it: its driver's
// records for a key (scan code, key, frame end) arrive on a descriptor, are
// read in one go as soon as it is ready, and the key goes through the window
// system's way in within the same dispatch, as the X11 platform delivers the
// keys it has read. Its descriptor is a FIFO beside the pad's, in the same
// watched folder, so the system's part of both is the same.
struct Keyboard {
    QByteArray path;
    int made;
    int reader = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int writer = open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    QSocketNotifier notifier{reader, QSocketNotifier::Read};
    QWindow* window;

    Keyboard(const QTemporaryDir& folder, QWindow* to)
        : path(QFile::encodeName(folder.filePath(QStringLiteral("keyboard")))),
          made(mkfifo(path.constData(), 0600)),
          window(to)
    {
        QObject::connect(&notifier, &QSocketNotifier::activated, [this] {
            input_event records[32];
            const ssize_t got = read(reader, records, sizeof records);
            for (ssize_t i = 0; i < got / ssize_t(sizeof *records); ++i) {
                if (records[i].type != EV_KEY)
                    continue;
                const Qt::Key key = records[i].code == KEY_RIGHT ? Qt::Key_Right : Qt::Key_Left;
                QWindowSystemInterface::handleKeyEvent(
                    window, records[i].value ? QEvent::KeyPress : QEvent::KeyRelease, key,
                    Qt::NoModifier);
            }
            QWindowSystemInterface::flushWindowSystemEvents();
        });
    }
    ~Keyboard()
    {
        close(reader);
        close(writer);
    }

    // One key going down or up, as the keyboard's driver reports it.
    void send(int code, int value) const
    {
        const input_event records[] = {{{}, EV_MSC, MSC_SCAN, code},
                                       {{}, EV_KEY, __u16(code), value},
                                       {{}, EV_SYN, SYN_REPORT, 0}};
        if (write(writer, records, sizeof records) != ssize_t(sizeof records))
            std::abort();
    }
};

// Waits for the step that has begun, then has the map view repainted.
void stepAndPaint(RunningGame& run, int16_t before)
{
    while (run.game.PlayerX == before)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(run.map().window(), QEvent::UpdateRequest);
}

// Steps back and forth, by the pad's D-pad, by the keyboard's arrow keys and
// by arrow keys handed straight to the window system's way in (no descriptor
// read), in turn, each from its record written (or its key handed in) to the
// map view repainted.
void padBesideKey(benchmark::State& state)
{
    RunningGame run;
    QWindow* window = shownMap(run);
    ConnectedPad pad;
    Keyboard keyboard(pad.folder, window);
    std::vector<double> padSamples, keySamples, directSamples;
    // One step by a way of pressing an arrow, from the press to the repainted
    // view; then the arrow let go.
    const auto step = [&run](std::vector<double>& samples, const std::function<void(bool)>& press) {
        run.random.feed({LargestBelowOne});  // no monster
        const int16_t before = run.game.PlayerX;
        const auto start = Clock::now();
        press(true);
        stepAndPaint(run, before);
        samples.push_back(micros(Clock::now() - start));
        press(false);
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
    };
    bool right = true;  // the pad's and the direct key's way; the keyboard goes back
    for (auto _ : state) {
        const Qt::Key key = right ? Qt::Key_Right : Qt::Key_Left;
        step(padSamples,
             [&](bool down) { pad.send(EV_ABS, ABS_HAT0X, down ? (right ? 1 : -1) : 0); });
        step(keySamples, [&](bool down) { keyboard.send(right ? KEY_LEFT : KEY_RIGHT, down); });
        step(directSamples, [&](bool down) {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
                window, down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
        });
        right = !right;
    }
    figures()["padStep"] = median(padSamples);
    figures()["keyStep"] = median(keySamples);
    figures()["keyDirectStep"] = median(directSamples);
    state.counters["pad_us"] = figures()["padStep"];
    state.counters["key_us"] = figures()["keyStep"];
    state.counters["key_direct_us"] = figures()["keyDirectStep"];
    state.counters["pad_per_key"] = figures()["padStep"] / figures()["keyStep"];
}
BENCHMARK(padBesideKey)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// The timers running once idle with a pad connected, after its D-pad was
// held long enough to repeat and then let go (a count, for the summary).
void idleTimersWithPad(benchmark::State& state)
{
    RunningGame run;
    shownMap(run);
    ConnectedPad pad;
    for (auto _ : state) {
        run.random.feed({LargestBelowOne, LargestBelowOne});  // no monster on the walk
        pad.send(EV_ABS, ABS_HAT0X, 1);
        QTest::qWait(600);
        pad.send(EV_ABS, ABS_HAT0X, 0);
        settleUntilIdle();
    }
    figures()["idleTimersWithPad"] = static_cast<double>(runningTimers().size());
    state.counters["timers"] = figures()["idleTimersWithPad"];
}
BENCHMARK(idleTimersWithPad)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
