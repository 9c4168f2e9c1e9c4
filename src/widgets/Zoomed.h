#pragma once
// The game's whole zoom. Each element keeps the geometry and the font size
// the game gives it, in the game's own pixels, and shows at those times the
// zoom of its window: pictures become whole blocks, text is drawn at the
// larger size, sharp. Boxes and menus follow through the application's font
// and the style's metrics. The rules and the pictures stay in the game's own
// pixels.

#include <QRect>

class QWidget;

namespace mirewalk {

// Places widget at geometry, in the game's pixels; an empty size leaves the
// widget sized to its contents.
void placeAt(QWidget* widget, QRect geometry);
// Fixes widget's size to size, in the game's pixels.
void fixSize(QWidget* widget, QSize size);
// Fixes widget's height to height, in the game's pixels.
void fixHeight(QWidget* widget, int height);
// Gives widget the game's label font at a size in the game's pixels.
void useLabelFont(QWidget* widget, int pixelSize);

// Shows every element of root, root included, at zoom: the geometries and
// label fonts kept above, times zoom.
void zoomElements(QWidget* root, int zoom);
// Shows what has no place of the game's at zoom: the application's font and
// the style's metrics, so that boxes, the prompt and menus grow with the game.
void zoomLook(int zoom);

}  // namespace mirewalk
