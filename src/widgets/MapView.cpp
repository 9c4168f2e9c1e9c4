#include "MapView.h"

namespace mirewalk {

MapView::MapView(QWidget* parent, QRect geometry) : PictureView(parent, "Map", geometry, true) {}

void MapView::setMap(const QImage& picture)
{
    canvas().setPicture(picture);
    heroArea_.reset();
}

void MapView::drawHeroWhole(const SpritePair& pair, const Game& game)
{
    heroArea_ = drawHero(canvas(), pair, game);
    refresh();
}

void MapView::drawHeroMoved(const SpritePair& pair, const Game& game)
{
    if (!heroArea_) {
        drawHeroWhole(pair, game);
        return;
    }
    const QRect previous = *heroArea_;
    heroArea_ = moveHero(canvas(), pair, game, previous);
    refresh(QRegion(previous).united(*heroArea_));
}

}  // namespace mirewalk
