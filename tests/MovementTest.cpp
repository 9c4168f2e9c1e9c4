#include <gtest/gtest.h>

#include "Draws.h"
#include "platform/RuntimeError.h"
#include "rules/Movement.h"

using namespace mirewalk;

namespace {

using Shown = std::vector<std::string>;

// A step's screen that writes down what the step shows, in order.
struct Recorder : StepScreen {
    const Game& game;
    Shown shown;

    explicit Recorder(const Game& game) : game(game) {}
    void showCoordinate(Direction direction) override
    {
        shown.push_back(isVertical(direction) ? "YPOS " + std::to_string(game.PlayerY)
                                              : "XPOS " + std::to_string(game.PlayerX));
    }
    void loadMapPicture(const char* file) override
    {
        shown.push_back(std::string(file) + " on map " + std::to_string(game.MapNo));
    }
    void showMapNo() override { shown.push_back("MNO " + std::to_string(game.MapNo)); }
    void openBattle(const MonsterPicture&) override
    {
        shown.push_back("battle with " + game.currentMonster().Name + " at StepCount "
                        + std::to_string(game.StepCount));
    }
    void showHero(Facing facing) override
    {
        shown.push_back(facing == Facing::Front ? "front" : "side");
    }
};

// One step; what it showed.
Shown walk(Game& game, Direction direction, Random& random)
{
    Recorder screen(game);
    takeStep(game, random, direction, screen);
    return screen.shown;
}

// One step with encounters off.
Shown walk(Game& game, Direction direction)
{
    Random random;
    return walk(game, direction, random);
}

// A hero at (x, y) on map mapNo, with encounters off.
Game at(int mapNo, int x, int y)
{
    Game game;
    game.MapNo = static_cast<int16_t>(mapNo);
    game.PlayerX = static_cast<int16_t>(x);
    game.PlayerY = static_cast<int16_t>(y);
    return game;
}

struct Row {
    int mapNo, x, y;
    Direction direction;
    int wantMap, wantX, wantY;
};

}  // namespace

// Every stop and crossing at its limit from both sides: a step that ends
// exactly on the limit changes nothing, one that ends a pixel past it is
// stopped or crosses. Then the walks from the start that meet an edge.
TEST(Movement, EveryStopAndCrossing)
{
    // Each limit and the pixel past it side by side.
    // clang-format off
    const Row rows[] = {
        // down: stops on maps 1 and 4 past 167, crossings from 2 and 3 past 272
        {1, 100, 152, Direction::Down, 1, 100, 167}, {1, 100, 153, Direction::Down, 1, 100, 167},
        {4, 100, 152, Direction::Down, 4, 100, 167}, {4, 100, 153, Direction::Down, 4, 100, 167},
        {2, 30, 257, Direction::Down, 2, 30, 272}, {2, 30, 258, Direction::Down, 1, 30, 0},
        {3, 60, 257, Direction::Down, 3, 60, 272}, {3, 60, 258, Direction::Down, 4, 60, 0},
        // up: stops on maps 2 and 3 below 41, crossings from 1 and 4 below 1
        {2, 100, 56, Direction::Up, 2, 100, 41}, {2, 100, 55, Direction::Up, 2, 100, 41},
        {3, 100, 56, Direction::Up, 3, 100, 41}, {3, 100, 55, Direction::Up, 3, 100, 41},
        {1, 30, 16, Direction::Up, 1, 30, 1}, {1, 30, 15, Direction::Up, 2, 30, 273},
        {4, 60, 16, Direction::Up, 4, 60, 1}, {4, 60, 15, Direction::Up, 3, 60, 273},
        // left: stops on maps 1 and 2 below 30, crossings from 3 and 4 below 0
        {1, 45, 100, Direction::Left, 1, 30, 100}, {1, 44, 100, Direction::Left, 1, 30, 100},
        {2, 45, 100, Direction::Left, 2, 30, 100}, {2, 44, 100, Direction::Left, 2, 30, 100},
        {3, 15, 90, Direction::Left, 3, 0, 90}, {3, 14, 90, Direction::Left, 2, 326, 90},
        {4, 15, 90, Direction::Left, 4, 0, 90}, {4, 14, 90, Direction::Left, 1, 326, 90},
        // right: stops on maps 3 and 4 past 251, crossings from 1 and 2 past 326
        {3, 236, 100, Direction::Right, 3, 251, 100}, {3, 237, 100, Direction::Right, 3, 251, 100},
        {4, 236, 100, Direction::Right, 4, 251, 100}, {4, 237, 100, Direction::Right, 4, 251, 100},
        {1, 311, 90, Direction::Right, 1, 326, 90}, {1, 312, 90, Direction::Right, 4, 0, 90},
        {2, 311, 90, Direction::Right, 2, 326, 90}, {2, 312, 90, Direction::Right, 3, 0, 90},
        // from the start at (30, 52): a step left is stopped; the eighth step
        // down gives 172, stopped; the twentieth step right gives 330, into
        // map 4, where the seventeenth step right gives 255, stopped
        {1, 30, 52, Direction::Left, 1, 30, 52}, {1, 30, 157, Direction::Down, 1, 30, 167},
        {1, 315, 52, Direction::Right, 4, 0, 52}, {4, 240, 52, Direction::Right, 4, 251, 52},
        // entering map 2 at 273 and stepping straight back down; open ground
        {2, 30, 273, Direction::Down, 1, 30, 0}, {1, 100, 100, Direction::Up, 1, 100, 85},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE("from map " + std::to_string(row.mapNo) + " at " + std::to_string(row.x) + ","
                     + std::to_string(row.y));
        Game game = at(row.mapNo, row.x, row.y);
        const Shown shown = walk(game, row.direction);
        EXPECT_EQ(game.MapNo, row.wantMap);
        EXPECT_EQ(game.PlayerX, row.wantX);
        EXPECT_EQ(game.PlayerY, row.wantY);
        EXPECT_EQ(shown.back(), isVertical(row.direction) ? "front" : "side");
        EXPECT_EQ(game.StepCount, 1);
    }
}

TEST(Movement, ACrossingShowsTheMoveThenLoadsTheNewMapBeforeEnteringIt)
{
    Game game = at(1, 30, 7);
    EXPECT_EQ(walk(game, Direction::Up),
              (Shown{"YPOS -8", "Maps/M2.jpg on map 1", "YPOS 273", "MNO 2", "front"}));
    EXPECT_EQ(walk(game, Direction::Up), (Shown{"YPOS 258", "front"}));
    EXPECT_EQ(walk(game, Direction::Left), (Shown{"XPOS 15", "XPOS 30", "side"}));  // a stop
    game.PlayerY = 273;
    EXPECT_EQ(walk(game, Direction::Down),
              (Shown{"YPOS 288", "Maps/M1.jpg on map 2", "YPOS 0", "MNO 1", "front"}));
}

TEST(Movement, EncounterChecksComeOnSteps6_11And16BeforeTheStepIsCounted)
{
    Game game = at(1, 30, 52);
    game.EncountersOn = 1;
    Random random;
    // Step 6: no monster (100); step 11: 30, none; step 16: 29, a Snake.
    random.feed({LargestBelowOne, drawFor(30, 100, 1), drawFor(29, 100, 1), 0.0f, 0.0f, 0.0f, 0.0f});
    std::vector<int> rollingSteps;
    Shown shown;
    for (int step = 1; step <= 16; ++step) {
        const std::size_t before = random.draws();
        shown = walk(game, Direction::Left, random);
        if (random.draws() != before)
            rollingSteps.push_back(step);
    }
    EXPECT_EQ(rollingSteps, (std::vector<int>{6, 11, 16}));
    EXPECT_EQ(shown, (Shown{"XPOS 15", "XPOS 30", "battle with Snake at StepCount 0", "side"}));
    EXPECT_EQ(game.StepCount, 1);  // the step that started the battle still counted itself
    EXPECT_EQ(random.pending(), 0u);
}

TEST(Movement, KeepsTheHeroInsideTheMapsOverALongWalk)
{
    Game game = at(1, 30, 52);
    const Direction pattern[] = {Direction::Up,    Direction::Up,    Direction::Right,
                                 Direction::Right, Direction::Right, Direction::Down,
                                 Direction::Left};
    for (int i = 0; i < 20000; ++i) {
        walk(game, pattern[(i / 13) % 7]);  // 13 steps each way in turn
        game.StepCount = 0;
        ASSERT_GE(game.MapNo, 1);
        ASSERT_LE(game.MapNo, 4);
        ASSERT_GE(game.PlayerX, 0);
        ASSERT_LE(game.PlayerX, 326);
        ASSERT_GE(game.PlayerY, 0);
        ASSERT_LE(game.PlayerY, 273);
    }
}

TEST(Movement, MapPictureFiles)
{
    EXPECT_STREQ(mapPictureFile(1), "Maps/M1.jpg");
    EXPECT_STREQ(mapPictureFile(4), "Maps/M4.jpg");
    EXPECT_THROW(mapPictureFile(5), RuntimeError);
}
