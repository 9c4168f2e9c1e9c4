// Playing for a long time: the inventory after 10,000 openings, an exchange of
// blows through the real battle window beside the rules alone, and the timers
// left running once the game is idle.

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include "Bench.h"
#include "Draws.h"
#include "IdleTimers.h"
#include "rules/Fight.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"

using namespace mirewalk;

namespace {

// Opens the inventory from its menu entry 10,000 times, back to the map after
// each: the time of one opening (menu entry to repainted window) at the start
// and at the end, and the heap each found row takes.
void inventoryOpenings(benchmark::State& state)
{
    constexpr int Openings = 10000, Compared = 100;
    RunningGame run;
    run.windows.showMap();
    QAction* openInventory = element<QAction>("frmGame", "mnuinventory");
    QCoreApplication::processEvents();
    const double heapBefore = heapInUse();
    std::vector<double> samples;
    for (auto _ : state) {
        for (int opening = 0; opening < Openings; ++opening) {
            const auto begin = Clock::now();
            openInventory->trigger();
            QCoreApplication::processEvents();
            samples.push_back(micros(Clock::now() - begin));
            emit element<Label>("frmInventory", "BCK")->clicked();
            QCoreApplication::processEvents();
        }
    }
    int rows = 0;
    for (const char* list : {"CR", "ARMOUR", "MISC"})
        rows += element<ListBox>("frmInventory", list)->count();
    figures()["openingFirst"] = median({samples.begin(), samples.begin() + Compared});
    figures()["openingLast"] = median({samples.end() - Compared, samples.end()});
    figures()["bytesPerRow"] = (heapInUse() - heapBefore) / rows;
    state.counters["first_us"] = figures()["openingFirst"];
    state.counters["last_us"] = figures()["openingLast"];
    state.counters["bytes_per_row"] = figures()["bytesPerRow"];
}
BENCHMARK(inventoryOpenings)->Iterations(1)->Unit(benchmark::kMillisecond);

// Draws for one exchange's two lines, varied so that every line comes up.
void feedLines(Random& random, int exchange)
{
    random.feed({static_cast<float>(exchange % 7) / 7.0f, static_cast<float>(exchange % 11) / 11.0f});
}

// A monster and a hero too strong to end the fight within the benchmark.
void endlessFight(Game& game)
{
    game.AttackPower = 1;
    game.Defense = 0;
    game.MaxHP = game.CurHP = 30000;
    Monster& monster = game.currentMonster();
    monster.HP = monster.MaxHP = 30000;
    monster.Defense = 0;
    monster.Attack = 1;
}

// One close-ranged exchange through the real battle window: its click handler
// to the repainted window.
void battleExchange(benchmark::State& state)
{
    RunningGame run;
    run.windows.showMap();
    run.random.feed({0.0f, drawFor(1, 5, 1), 0.0f, 0.0f, 0.0f});  // a Snake at step 6
    for (int step = 0; step < 6; ++step)
        QTest::keyClick(element("frmGame", "Map"), Qt::Key_Left);
    Label* attack = element<Label>("Battle", "lblCRA");
    endlessFight(run.game);
    std::vector<double> samples;
    for (auto _ : state) {
        feedLines(run.random, static_cast<int>(samples.size()));
        const auto begin = Clock::now();
        emit attack->clicked();
        QCoreApplication::processEvents();
        samples.push_back(micros(Clock::now() - begin));
    }
    figures()["exchange"] = median(samples);
    state.counters["median_us"] = figures()["exchange"];
}
BENCHMARK(battleExchange)->Iterations(10000)->Unit(benchmark::kMicrosecond);

// Its baseline: the rules of the exchange alone.
void exchangeRules(benchmark::State& state)
{
    Game game;
    game.MonsterIndex = 1;
    endlessFight(game);
    Random random;
    ScriptedDialogs dialogs;
    std::vector<double> samples;
    for (auto _ : state) {
        feedLines(random, static_cast<int>(samples.size()));
        const auto begin = Clock::now();
        benchmark::DoNotOptimize(exchangeBlows(game, random, dialogs));
        samples.push_back(micros(Clock::now() - begin));
    }
    figures()["exchangeRules"] = median(samples);
    state.counters["median_us"] = figures()["exchangeRules"];
}
BENCHMARK(exchangeRules)->Iterations(10000)->Unit(benchmark::kMicrosecond);

// The timers still running once the game is idle after a walk, a battle and
// the inventory (a count, for the summary; the window tests check it too).
void idleTimers(benchmark::State& state)
{
    RunningGame run;
    run.windows.showMap();
    for (auto _ : state) {
        run.random.feed({0.0f, drawFor(1, 5, 1), 0.0f, 0.0f, 0.0f});  // a Snake at step 6
        for (int step = 0; step < 6; ++step)
            QTest::keyClick(element("frmGame", "Map"), step % 2 ? Qt::Key_Left : Qt::Key_Right);
        emit element<Label>("Battle", "lblCRA")->clicked();
        emit element<Label>("Battle", "lblRUN")->clicked();
        element<QAction>("frmGame", "mnuinventory")->trigger();
        emit element<Label>("frmInventory", "BCK")->clicked();
        settleUntilIdle();
    }
    figures()["idleTimers"] = static_cast<double>(runningTimers().size());
    state.counters["timers"] = figures()["idleTimers"];
}
BENCHMARK(idleTimers)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
