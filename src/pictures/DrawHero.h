#pragma once
// Painting the hero onto the map with a transparent background.

#include "pictures/Canvas.h"
#include "state/Game.h"

namespace mirewalk {

// A sprite and its mask: white where the figure shows, black over the
// sprite's white background.
struct SpritePair {
    const Canvas& sprite;
    const Canvas& mask;
};

// Clears the map back to its picture, then paints the hero at (PlayerX,
// PlayerY): the mask ORed in, then the sprite ANDed, so the map
// shows through the sprite's white background. Parts outside the map are cut off.
void drawHero(Canvas& map, const SpritePair& pair, const Game& game);

}  // namespace mirewalk
