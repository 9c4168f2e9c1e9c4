#pragma once
// The scale the game runs at, whole: on a scaled desktop each picture pixel

namespace mirewalk {

// is a square of one whole size on the screen, never one of 1 or 2 pixels.

// Rounds to the nearest whole number (half up, at least 1) the scale factors
// Qt is given through QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS, and has Qt
// round the factors it reads from the screens' dots per inch the same way.
// A factor that does not read as a number is left as it is. Call it
// before the application is built.
void useWholeScale();

}  // namespace mirewalk
