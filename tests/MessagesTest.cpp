#include <gtest/gtest.h>

#include "Draws.h"
#include "MessageLines.h"
#include "rules/Messages.h"

using namespace mirewalk;

namespace {

using Routine = void (*)(Game&, Random&);

}  // namespace

TEST(Messages, EveryLineComesWithItsRoll)
{
    struct Row {
        Routine routine;
        const std::vector<std::string>& lines;
        int16_t Game::*roll;  // the two miss tables share MissRoll, the hit tables HitRoll
        std::string Game::*line;
    };
    const Row rows[] = {
        {pickMonsterMissLine, MonsterMissLines, &Game::MissRoll, &Game::MonsterMsg},
        {pickHeroMissLine, PlayerMissLines, &Game::MissRoll, &Game::PlayerMsg},
        {pickHeroHitLine, PlayerHitLines, &Game::HitRoll, &Game::PlayerMsg},
        {pickMonsterHitLine, MonsterHitLines, &Game::HitRoll, &Game::MonsterMsg},
    };
    for (const Row& row : rows) {
        const int n = static_cast<int>(row.lines.size());
        for (int roll = 1; roll <= n; ++roll) {
            SCOPED_TRACE(row.lines[0].substr(0, 12) + "... roll " + std::to_string(roll));
            Game game;
            Random random;
            random.feed({roll == n ? LargestBelowOne : drawFor(roll, n, 1)});
            row.routine(game, random);
            EXPECT_EQ(game.*row.roll, roll);
            EXPECT_EQ(game.*row.line, row.lines[roll - 1]);
            EXPECT_EQ(random.draws(), 1u);
        }
    }
}
