#include "DrawHero.h"

namespace mirewalk {

void drawHero(Canvas& map, const SpritePair& pair, const Game& game)
{
    map.clear();
    blit(map.surface(), game.PlayerX, game.PlayerY, game.SpriteWidth, game.SpriteHeight,
         pair.mask.image(), 0, 0, RasterOp::Or);
    blit(map.surface(), game.PlayerX, game.PlayerY, game.SpriteWidth, game.SpriteHeight,
         pair.sprite.image(), 0, 0, RasterOp::And);
}

}  // namespace mirewalk
