#pragma once
// Walking: one step of 15 pixels, the stops and crossings at the edges of the
// four maps (map 2 and 3 on top, map 1 and 4 below), and the order of a whole
// step, from the move to the count.

#include "platform/Random.h"
#include "rules/Encounter.h"
#include "state/Game.h"

namespace mirewalk {

// The four directions of a step, in the order the edge rules are listed.
enum class Direction { Down, Up, Right, Left };

// How the hero is drawn after a step: from the front (the HD pair) after Up
// and Down, from the side (the LR pair) after Right and Left.
enum class Facing { Front, Side };

// True for Up and Down, whose steps move PlayerY and show the front view.
inline bool isVertical(Direction direction)
{
    return direction == Direction::Up || direction == Direction::Down;
}

// The map window as a step sees it: what the step shows, told at the moment
// the step shows it. The map window writes its elements; the rule tests and
// the fuzzer stand in for it.
class StepScreen {
public:
    virtual ~StepScreen() = default;
    // The coordinate the step moves (PlayerY for Up and Down, else PlayerX)
    // is written into its box.
    virtual void showCoordinate(Direction direction) = 0;
    // A crossing: the picture file (relative to the program's folder) becomes
    // the map view's picture. It is read before MapNo changes.
    virtual void loadMapPicture(const char* file) = 0;
    // MapNo is written into MNO.
    virtual void showMapNo() = 0;
    // The monster just rolled is met: its battle opens, with its messages
    // emptied and its picture shown. It returns only once "MONSTER HAS
    // APPEARED" is closed (a modal box runs its own event loop); the step
    // then goes on, with the battle showing and the map hidden.
    virtual void openBattle(const MonsterPicture& picture) = 0;
    // The hero is shown at its place, facing that way; on a map that is not
    // showing (a battle opened on this step) nothing is drawn, and the return
    // to the map draws the hero whole.
    virtual void showHero(Facing facing) = 0;
};

// One step of the hero, in this order: move 15 pixels and show the
// coordinate; apply the stops and crossings of the direction one after the
// other (a crossing loads the new map's picture, then sets MapNo and the entry
// coordinate and shows both); run checkEncounter, which may roll a monster and
// open its battle; show the hero (front view up and down, side view left and
// right); count the step. So the encounter check sees the earlier steps only.
void takeStep(Game& game, Random& random, Direction direction, StepScreen& screen);

// The picture file of map n, relative to the program's folder; any other
// n is run-time error 9 (subscript out of range).
const char* mapPictureFile(int mapNo);

}  // namespace mirewalk
