#include "DrawHero.h"

void DrawHero(Canvas& map, const SpritePair& pair, const Game& game)
{
    map.clear();
    BitBlt(map.surface(), game.PlayerX, game.PlayerY, game.SpriteWidth, game.SpriteHeight,
           pair.mask.image(), 0, 0, RasterOp::SRCPAINT);
    BitBlt(map.surface(), game.PlayerX, game.PlayerY, game.SpriteWidth, game.SpriteHeight,
           pair.sprite.image(), 0, 0, RasterOp::SRCAND);
}
