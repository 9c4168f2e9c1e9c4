#pragma once
// What the benchmarks share: the clock and medians, the figures kept for the
// summary, and a game running in its real windows offscreen.

#include <algorithm>
#include <chrono>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Elements.h"
#include "ScriptedDialogs.h"
#include "pictures/PictureFolder.h"
#include "platform/Random.h"
#include "state/Game.h"
#include "windows/MapWindow.h"
#include "windows/Services.h"
#include "windows/WindowNavigator.h"

namespace mirewalk {

using Clock = std::chrono::steady_clock;

inline double micros(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

inline double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// Bytes the program holds on its heap now, from the C library's allocator.
inline double heapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd);
}

// Bytes of a process (this one unless named by its id) resident in memory
// now, from its /proc status.
inline double residentNow(const std::string& process = "self")
{
    std::ifstream status("/proc/" + process + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) * 1024;
    return 0;
}

// The figures of this run, by name, for the summary (times in microseconds).
inline std::map<std::string, double>& figures()
{
    static std::map<std::string, double> kept;
    return kept;
}

// A game in its real windows, offscreen, with scripted dialogs.
struct RunningGame {
    Game game;
    Random random;
    ScriptedDialogs dialogs;
    PictureFolder pictures{QStringLiteral(MIREWALK_SOURCE_DIR)};
    Services services{random, dialogs, dialogs, pictures};
    WindowNavigator windows{game, services};

    MapWindow& map() const { return *qobject_cast<MapWindow*>(screenNamed("frmGame")); }
};

}  // namespace mirewalk
