#pragma once
// Painting the hero onto the map with a transparent background.

#include "pictures/Canvas.h"
#include "state/Game.h"

namespace mirewalk {

// A sprite and its mask: white where the figure shows, black over the
// sprite's white background.
struct SpritePair {
    const QImage& sprite;
    const QImage& mask;
};

// Clears the map back to its picture, then paints the hero at (PlayerX,
// PlayerY): the mask ORed in, then the sprite ANDed, so the map
// shows through the sprite's white background. Parts outside the map are cut
// off. Returns the part of the map the hero covers, empty when none.
QRect drawHero(Canvas& map, const SpritePair& pair, const Game& game);

// The same picture as drawHero at the cost of the pixels that change: puts the
// map's picture back only over previous, the part the hero covered when it was
// last painted over this picture, then paints the hero. Returns the part it covers.
QRect moveHero(Canvas& map, const SpritePair& pair, const Game& game, const QRect& previous);

}  // namespace mirewalk
