// The scale the game chooses on a desktop: whole, on the screen, and said in
// one true line when it is not what the desktop asks for.

#include <gtest/gtest.h>

#include "windows/WholeScale.h"

using namespace mirewalk;

TEST(WholeScale, IsWholeFitsTheScreenAndSaysWhatTheGameDoes)
{
    const QSize fullHd{1920, 1080};
    const struct {
        const char* label;
        Desktop desktop;
        int scale;
        double qtScaleFactor;
        const char* line;
    } cases[] = {
        {"96 dpi", {{}, {}, true, {}, 0, fullHd, 96}, 1, 0, ""},
        {"Xft.dpi 72", {{}, {}, true, {}, 0, fullHd, 72}, 1, 0, ""},
        {"Xft.dpi 48", {{}, {}, true, {}, 0, fullHd, 48}, 1, 0, ""},
        {"QT_FONT_DPI=1", {{}, {}, true, {}, 0, fullHd, 1}, 1, 0, ""},
        {"144 dpi on 2560 x 1440", {{}, {}, true, {}, 0, {2560, 1440}, 144}, 2, 2.0 / 1.5, ""},
        {"a Wayland scale of 2", {{}, {}, true, {}, 0, {2560, 1440}, 96, 2}, 2, 1, ""},
        {"QT_SCALE_FACTOR=1.5",
         {"1.5", {}, true, {}, 0, fullHd},
         1,
         0,
         "Mirewalk: the desktop asks for a scale of 1.5 (2 whole); the battle window fits the "
         "screen's free 1920 x 1080 pixels at 1 at most, so the game shows at 1"},
        {"QT_SCALE_FACTOR=1e9",
         {"1e9", {}, true, {}, 0, fullHd},
         1,
         0,
         "Mirewalk: the desktop asks for a scale of 1000000000 (1000000000 whole); the battle "
         "window fits the screen's free 1920 x 1080 pixels at 1 at most, so the game shows at 1"},
        {"QT_SCALE_FACTOR=1e308", {"1e308", {}, true, {}, 0, fullHd}, 1, 0, ""},
        {"an entry of no screen's name", {{}, "=2;", true, "HDMI-1", 0, fullHd}, 1, 0, ""},
        {"a named entry", {{}, "DP-1=3;HDMI-1=2", true, "HDMI-1", 1, {2560, 1440}}, 2, 2, ""},
        {"640 x 480",
         {{}, {}, true, {}, 0, {640, 480}},
         1,
         0,
         "Mirewalk: the battle window needs 659 x 609 pixels with its frame and the screen's free "
         "area is 640 x 480, so the game shows at 1 and part of the battle window is off the "
         "screen"},
        {"a netbook at 200 %",
         {"2", {}, true, {}, 0, {1024, 552}},
         1,
         0,
         "Mirewalk: the desktop asks for a scale of 2 (2 whole); the battle window needs 659 x 609 "
         "pixels with its frame and the screen's free area is 1024 x 552, so the game shows at 1 "
         "and part of the battle window is off the screen"},
    };
    for (const auto& c : cases) {
        const ChosenScale chosen = chooseScale(c.desktop);
        EXPECT_EQ(chosen.scale, c.scale) << c.label;
        EXPECT_DOUBLE_EQ(chosen.qtScaleFactor, c.qtScaleFactor) << c.label;
        EXPECT_EQ(chosen.line.toStdString(), c.line) << c.label;
    }
}
