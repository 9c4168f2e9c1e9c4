#pragma once
// Walking: one step of 15 pixels, and the stops and crossings at the edges of
// the four maps (map 2 and 3 on top, map 1 and 4 below).

#include <optional>

#include "state/Game.h"

enum class Direction { Down, Up, Right, Left };

// The direction of an arrow's virtual key code (40 down, 38 up, 39 right,
// 37 left), tested in that order; none for any other key.
std::optional<Direction> directionForKey(int keyCode);

// True for Up and Down, whose steps move PlayerY and show the front view.
inline bool isVertical(Direction direction)
{
    return direction == Direction::Up || direction == Direction::Down;
}

// Moves the hero one step and applies the edge rules of that direction in
// their order. Returns true when the step crossed to another map (MapNo
// changed and the new map's picture must be loaded).
bool moveHero(Game& game, Direction direction);

// The picture file of map n, relative to the program's folder.
const char* mapPictureFile(int mapNo);
