#include "Movement.h"

#include <array>

#include "platform/Checked.h"
#include "platform/Table.h"

namespace mirewalk {

namespace {

constexpr int16_t StepSize = 15;

// One edge rule: on map fromMap, a coordinate past limit (below it when
// below is true, above it otherwise) is stopped at newValue, or, when toMap
// is not 0, crosses to toMap entering at newValue.
struct EdgeRule {
    int16_t fromMap;
    bool below;
    int16_t limit;
    int16_t toMap;
    int16_t newValue;
};

using EdgeRules = std::array<EdgeRule, 4>;

// The rules of each direction, in the order they are applied.
constexpr EdgeRules DownRules{
    {{1, false, 167, 0, 167}, {4, false, 167, 0, 167}, {2, false, 272, 1, 0}, {3, false, 272, 4, 0}}};
constexpr EdgeRules UpRules{
    {{2, true, 41, 0, 41}, {3, true, 41, 0, 41}, {1, true, 1, 2, 273}, {4, true, 1, 3, 273}}};
constexpr EdgeRules LeftRules{
    {{1, true, 30, 0, 30}, {2, true, 30, 0, 30}, {3, true, 0, 2, 326}, {4, true, 0, 1, 326}}};
constexpr EdgeRules RightRules{
    {{3, false, 251, 0, 251}, {4, false, 251, 0, 251}, {1, false, 326, 4, 0}, {2, false, 326, 3, 0}}};

// The rules of each direction, in the order of Direction's values.
const Table<EdgeRules, 0, 3> RulesOf{{DownRules, UpRules, RightRules, LeftRules}};

// The picture files of maps 1 to 4, relative to the program's folder.
const Table<const char*, 1, 4> MapFiles{{"Maps/M1.jpg", "Maps/M2.jpg", "Maps/M3.jpg", "Maps/M4.jpg"}};

}  // namespace

void takeStep(Game& game, Random& random, Direction direction, StepScreen& screen)
{
    int16_t& coordinate = isVertical(direction) ? game.PlayerY : game.PlayerX;
    const bool backwards = direction == Direction::Up || direction == Direction::Left;
    coordinate = backwards ? sub16(coordinate, StepSize) : add16(coordinate, StepSize);
    screen.showCoordinate(direction);

    for (const EdgeRule& rule : RulesOf[static_cast<int>(direction)]) {
        const bool past = rule.below ? coordinate < rule.limit : coordinate > rule.limit;
        if (game.MapNo != rule.fromMap || !past)
            continue;
        const bool crossing = rule.toMap != 0;
        if (crossing) {
            screen.loadMapPicture(mapPictureFile(rule.toMap));
            game.MapNo = rule.toMap;
        }
        coordinate = rule.newValue;
        screen.showCoordinate(direction);
        if (crossing)
            screen.showMapNo();
    }

    if (checkEncounter(game, random))
        screen.openBattle(rollMonster(game, random));
    screen.showHero(isVertical(direction) ? Facing::Front : Facing::Side);
    game.StepCount = add16(game.StepCount, 1);
}

const char* mapPictureFile(int mapNo) { return MapFiles[mapNo]; }

}  // namespace mirewalk
