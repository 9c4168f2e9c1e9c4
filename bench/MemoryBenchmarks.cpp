// Memory over long play: a long game through the real windows, where only
// the inventory's rows may grow, and many real message boxes, which must not
// grow the program at all.

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include "Bench.h"
#include "Draws.h"
#include "widgets/Label.h"
#include "windows/QtDialogs.h"

using namespace mirewalk;

namespace {

// One round of play through the real windows: a Snake met at the sixth step,
// one exchange that harms neither side, running away, then the inventory (one
// row found), the stats and the credits, each left by BACK.
void playOneRound(RunningGame& run)
{
    run.random.feed({0.0f, drawFor(1, 5, 1), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.5f});
    for (int step = 0; step < 6; ++step)
        QTest::keyClick(element("frmGame", "Map"), step % 2 ? Qt::Key_Left : Qt::Key_Right);
    emit element<Label>("Battle", "lblCRA")->clicked();
    emit element<Label>("Battle", "lblRUN")->clicked();
    const struct {
        const char *entry, *window, *back;
    } visits[] = {{"mnuinventory", "frmInventory", "BCK"},
                  {"mnuStats", "frmStats", "lblBACK"},
                  {"mnuAbout", "frmAbout", "lblBack"}};
    for (const auto& visit : visits) {
        element<QAction>("frmGame", visit.entry)->trigger();
        emit element<Label>(visit.window, visit.back)->clicked();
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    run.dialogs.messages.clear();  // the scripted dialogs' record, kept, would grow
}

// 2,000 rounds: the heap grown per round from the 200th round to the last,
// each round adding one inventory row and nothing else that lasts.
void longPlay(benchmark::State& state)
{
    constexpr int Rounds = 2000, Early = 200;
    RunningGame run;
    run.windows.showMap();
    run.game.AttackPower = 0;  // no blow lands on either side: the battles never end
    run.game.Defense = 1000;
    double early = 0;
    for (auto _ : state) {
        for (int round = 1; round <= Rounds; ++round) {
            playOneRound(run);
            if (round == Early)
                early = heapInUse();
        }
    }
    figures()["bytesPerRound"] = (heapInUse() - early) / (Rounds - Early);
    state.counters["bytes_per_round"] = figures()["bytesPerRound"];
}
BENCHMARK(longPlay)->Iterations(1)->Unit(benchmark::kMillisecond);

// 5,000 real message boxes, each answered by Return once it shows: how much
// the resident size grows from the 500th to the last. Qt keeps about 2 kB for
// every box made, so the game shows its messages in one box.
void messageBoxes(benchmark::State& state)
{
    constexpr int Boxes = 5000;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [] {
        QWidget* open = QApplication::activeModalWidget();
        if (open && open->isActiveWindow() && open->windowHandle()->isExposed())
            QTest::keyClick(open, Qt::Key_Return);
    });
    player.start(0);
    QtDialogs dialogs;
    double early = 0;
    for (auto _ : state) {
        for (int box = 1; box <= Boxes; ++box) {
            dialogs.message("Not implemented yet");
            if (box == Boxes / 10)
                early = residentNow();
        }
    }
    figures()["boxGrowth"] = residentNow() - early;
    state.counters["grown_kB"] = figures()["boxGrowth"] / 1024;
}
BENCHMARK(messageBoxes)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
