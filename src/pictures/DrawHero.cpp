#include "DrawHero.h"

namespace mirewalk {

namespace {

// Paints the hero over what the map shows now, and gives the part it covers.
QRect paintHero(Canvas& map, const SpritePair& pair, const Game& game)
{
    blit(map.image(), game.PlayerX, game.PlayerY, game.SpriteWidth, game.SpriteHeight, pair.mask, 0,
         0, RasterOp::Or);
    blit(map.image(), game.PlayerX, game.PlayerY, game.SpriteWidth, game.SpriteHeight, pair.sprite,
         0, 0, RasterOp::And);
    return QRect(game.PlayerX, game.PlayerY, game.SpriteWidth, game.SpriteHeight)
        .intersected(QRect(QPoint(), map.size()));
}

}  // namespace

QRect drawHero(Canvas& map, const SpritePair& pair, const Game& game)
{
    map.clear();
    return paintHero(map, pair, game);
}

QRect moveHero(Canvas& map, const SpritePair& pair, const Game& game, const QRect& previous)
{
    map.restore(previous);
    return paintHero(map, pair, game);
}

}  // namespace mirewalk
