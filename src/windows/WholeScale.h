#pragma once
// The scale the game runs at: whole, so that each picture pixel is a square
// of one whole size on the screen, and never so large that a window of the
// game leaves the screen.

#include <QApplication>
#include <memory>

namespace mirewalk {

// Builds the application at the game's scale, worked out from the screen
// the windows open on: an application is built with Qt's scaling off to look
// at the screen, and built again with the scale unless it is 1 on a screen
// of 96 dots per inch, where it is the one Qt gives already. The scale is the
// one the desktop asks for, as Qt combines it (QT_SCALE_FACTOR times the
// screen's factor, from QT_SCREEN_SCALE_FACTORS or else from its dots per
// inch, QT_FONT_DPI included), rounded to a whole number (half up), then
// lowered to the largest whole number at which the battle window, the
// largest, fits the screen's free area with a frame around it; never below 1.
// A factor that is not a number above 0, or not finite, counts as 1. When
// the desktop asks for more than fits, one line on standard error says which
// scale is used and why. The application is given the program's arguments.
std::unique_ptr<QApplication> startAtWholeScale(int& argc, char** argv);

// The largest whole number of times the battle window, the largest of the
// game's windows, fits area with a frame around it; never below 1.
int timesTheBattleFits(QSize area);

}  // namespace mirewalk
