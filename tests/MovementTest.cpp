#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "rules/Movement.h"

namespace {

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
    bool crossed;
};

}  // namespace

TEST(Movement, ArrowKeyCodes)
{
    EXPECT_EQ(directionForKey(40), Direction::Down);
    EXPECT_EQ(directionForKey(38), Direction::Up);
    EXPECT_EQ(directionForKey(39), Direction::Right);
    EXPECT_EQ(directionForKey(37), Direction::Left);
    for (int other : {0, 13, 32, 36, 41, 65, 0x1000012})
        EXPECT_FALSE(directionForKey(other)) << other;
}

TEST(Movement, EveryStopAndCrossing)
{
    const Row rows[] = {
        // stops
        {1, 30, 52, Direction::Left, 1, 30, 52, false},
        {2, 35, 100, Direction::Left, 2, 30, 100, false},
        {3, 250, 100, Direction::Right, 3, 251, 100, false},
        {4, 240, 100, Direction::Right, 4, 251, 100, false},
        {2, 100, 50, Direction::Up, 2, 100, 41, false},
        {3, 100, 41, Direction::Up, 3, 100, 41, false},
        {1, 100, 157, Direction::Down, 1, 100, 167, false},
        {4, 100, 167, Direction::Down, 4, 100, 167, false},
        // crossings
        {1, 30, 7, Direction::Up, 2, 30, 273, true},
        {4, 60, 7, Direction::Up, 3, 60, 273, true},
        {2, 30, 273, Direction::Down, 1, 30, 0, true},
        {3, 60, 262, Direction::Down, 4, 60, 0, true},
        {3, 14, 90, Direction::Left, 2, 326, 90, true},
        {4, 0, 90, Direction::Left, 1, 326, 90, true},
        {1, 315, 90, Direction::Right, 4, 0, 90, true},
        {2, 326, 90, Direction::Right, 3, 0, 90, true},
        // open ground: just a step
        {1, 100, 100, Direction::Up, 1, 100, 85, false},
        {1, 100, 16, Direction::Up, 1, 100, 1, false},
        {2, 311, 100, Direction::Right, 2, 326, 100, false},
        {3, 15, 100, Direction::Left, 3, 0, 100, false},
        {2, 100, 257, Direction::Down, 2, 100, 272, false},
    };
    for (const Row& row : rows) {
        Game game = at(row.mapNo, row.x, row.y);
        const bool crossed = moveHero(game, row.direction);
        EXPECT_EQ(game.MapNo, row.wantMap)
            << "from map " << row.mapNo << " at " << row.x << "," << row.y;
        EXPECT_EQ(game.PlayerX, row.wantX)
            << "from map " << row.mapNo << " at " << row.x << "," << row.y;
        EXPECT_EQ(game.PlayerY, row.wantY)
            << "from map " << row.mapNo << " at " << row.x << "," << row.y;
        EXPECT_EQ(crossed, row.crossed)
            << "from map " << row.mapNo << " at " << row.x << "," << row.y;
    }
}

TEST(Movement, WalksFromTheStartAcrossTheEdges)
{
    Game up = at(1, 30, 52);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(moveHero(up, Direction::Up));
    EXPECT_EQ(up.PlayerY, 7);
    EXPECT_TRUE(moveHero(up, Direction::Up));  // -8 crosses to map 2 at 273
    EXPECT_EQ(up.MapNo, 2);
    EXPECT_EQ(up.PlayerY, 273);
    EXPECT_FALSE(moveHero(up, Direction::Up));
    EXPECT_EQ(up.PlayerY, 258);
    EXPECT_TRUE(moveHero(up, Direction::Down));  // 273 > 272 crosses back
    EXPECT_EQ(up.MapNo, 1);
    EXPECT_EQ(up.PlayerY, 0);

    Game right = at(1, 30, 52);
    for (int i = 0; i < 19; ++i)
        EXPECT_FALSE(moveHero(right, Direction::Right));
    EXPECT_EQ(right.PlayerX, 315);
    EXPECT_TRUE(moveHero(right, Direction::Right));  // 330 crosses to map 4 at 0
    EXPECT_EQ(right.MapNo, 4);
    EXPECT_EQ(right.PlayerX, 0);
    for (int i = 0; i < 17; ++i)
        moveHero(right, Direction::Right);
    EXPECT_EQ(right.PlayerX, 251);  // the seventeenth step gives 255, stopped

    Game down = at(1, 30, 52);
    for (int i = 0; i < 8; ++i)
        moveHero(down, Direction::Down);
    EXPECT_EQ(down.PlayerY, 167);  // 172 stopped at 167
}

TEST(Movement, EnteringMapTwoFromBelowAndSteppingDownCrossesBack)
{
    Game game = at(1, 30, 7);
    moveHero(game, Direction::Up);
    ASSERT_EQ(game.MapNo, 2);
    ASSERT_EQ(game.PlayerY, 273);
    EXPECT_TRUE(moveHero(game, Direction::Down));  // 288 > 272
    EXPECT_EQ(game.MapNo, 1);
    EXPECT_EQ(game.PlayerY, 0);
}

TEST(Movement, KeepsTheHeroInsideTheMapsOverALongWalk)
{
    Game game = at(1, 30, 52);
    const Direction pattern[] = {Direction::Up,    Direction::Up,    Direction::Right,
                                 Direction::Right, Direction::Right, Direction::Down,
                                 Direction::Left};
    for (int i = 0; i < 20000; ++i) {
        moveHero(game, pattern[(i * 7 + i / 13) % 7]);
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
