#pragma once
// The map view: the map's picture with the hero painted on it. It keeps where
// the hero is painted, so a step puts back and repaints only the pixels that
// change: where the hero was and where it is.

#include <optional>

#include "pictures/DrawHero.h"
#include "widgets/PictureView.h"

namespace mirewalk {

class MapView : public PictureView {
    Q_OBJECT
public:
    // The view "Map" at geometry, which takes the keyboard focus and reports keys.
    MapView(QWidget* parent, QRect geometry);

    // A new map's picture: the hero is not on it until drawn.
    void setMap(const QImage& picture);
    // Puts the whole view back to the map's picture, paints the hero where
    // game has it, with pair, and repaints the view.
    void drawHeroWhole(const SpritePair& pair, const Game& game);
    // A step: on the map the hero was painted on, the map is put back where it
    // was and the hero painted where it is, and only those two rectangles are
    // repainted; on a new map the hero is drawn whole.
    void drawHeroMoved(const SpritePair& pair, const Game& game);

private:
    std::optional<QRect> heroArea_;  // where the hero is painted, none on a new picture
};

}  // namespace mirewalk
