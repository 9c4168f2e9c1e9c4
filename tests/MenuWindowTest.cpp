#include "GameFixture.h"

using namespace mirewalk;

namespace {

// The draw that finds the stone when the inventory opens.
constexpr float Stone = 0.9f;

}  // namespace

using MenuWindowTest = GameFixture;

TEST_F(MenuWindowTest, EachWindowHasItsTitleAndSizeAndShowsEveryCaptionWhole)
{
    start();
    const struct {
        void (WindowNavigator::*open)();
        const char* screen;
        const char* title;
        QSize size;
    } screens[] = {
        {&WindowNavigator::openInventory, "frmInventory", "Inventory", {496, 338}},
        {&WindowNavigator::openStats, "frmStats", "Stats", {462, 412}},
        {&WindowNavigator::openAbout, "frmAbout", "ABOUT", {418, 335}},
    };
    for (const auto& w : screens) {
        (windows.get()->*w.open)();  // each window is built the first time it opens
        QWidget* screen = screenNamed(w.screen);
        EXPECT_EQ(screen->window()->windowTitle(), w.title);
        EXPECT_EQ(screen->window()->size(), w.size);
        EXPECT_EQ(layoutFaults(screen), "") << w.screen;
    }
}

// Leaving a secondary window, by its BACK label, by its frame or by Escape.
enum class By { Back, Frame, Escape };
struct Leaving {
    const char* window;
    Qt::Key menu;
    Qt::Key entry;
    const char* back;
    By by;
};

// Names the case in test listings instead of dumping its bytes.
std::string caseName(const Leaving& leaving)
{
    const char* ways[] = {"ByBack", "ByFrame", "ByEscape"};
    return std::string(leaving.window) + ways[static_cast<int>(leaving.by)];
}
void PrintTo(const Leaving& leaving, std::ostream* out) { *out << caseName(leaving); }

class LeavingAWindow : public GameFixture, public ::testing::WithParamInterface<Leaving> {};

TEST_P(LeavingAWindow, ShowsTheMapAgainWithTheHeroFromTheFront)
{
    const Leaving& leaving = GetParam();
    start();
    press(Qt::Key_Up);
    press(Qt::Key_Down);
    const QImage front = mapImage();
    press(Qt::Key_Right);
    press(Qt::Key_Left);  // the same place, now seen from the side
    const QImage side = mapImage();
    ASSERT_NE(side, front);

    random.feed({Stone});
    choose(leaving.menu, leaving.entry);
    QWidget* opened = screenNamed(leaving.window);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_FALSE(mapWindow->isVisible());
    EXPECT_EQ(mapImage(), side);  // nothing is drawn while the map is hidden

    if (leaving.by == By::Frame)
        opened->window()->close();
    else if (leaving.by == By::Escape) {
        QApplication::setActiveWindow(opened);  // as the window system does
        QTest::keyClick(opened, Qt::Key_Escape);
    } else
        click(opened->findChild<Label*>(leaving.back));
    EXPECT_FALSE(opened->isVisible());
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_EQ(mapImage(), front);
    EXPECT_EQ(boxes(), "30 52 1");

    // The window is kept: the next opening shows the same one again.
    choose(leaving.menu, leaving.entry);
    EXPECT_TRUE(opened->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    ByBackFrameOrEscape, LeavingAWindow, ::testing::ValuesIn([] {
        std::vector<Leaving> cases;
        for (const By by : {By::Back, By::Frame, By::Escape}) {
            cases.push_back({"frmInventory", Qt::Key_C, Qt::Key_I, "BCK", by});
            cases.push_back({"frmStats", Qt::Key_C, Qt::Key_S, "lblBACK", by});
            cases.push_back({"frmAbout", Qt::Key_A, Qt::Key_unknown, "lblBack", by});
        }
        return cases;
    }()),
    [](const auto& info) { return caseName(info.param); });
