#pragma once
// The scale the game runs at: whole, so that each picture pixel is a square
// of one whole size on the screen, and never so large that a window of the
// game leaves the screen.

#include <QApplication>
#include <memory>

namespace mirewalk {

// What the desktop gives the game to choose its scale by: Qt's variables as
// set, and the screen the windows open on, read with Qt's own scaling off.
struct Desktop {
    QByteArray scaleFactor;         // QT_SCALE_FACTOR
    QByteArray screenScaleFactors;  // QT_SCREEN_SCALE_FACTORS
    bool scalesByDots = true;       // unless QT_ENABLE_HIGHDPI_SCALING is 0
    QString screenName;
    qsizetype screenIndex = 0;
    QSize available;  // the screen's free area, in device pixels
    double dotsPerInch = 96;
    double pixelRatio = 1;  // the platform's own
};

// The scale the game runs at on a desktop, the QT_SCALE_FACTOR that gives
// it (0 when Qt's own scale is it already) and the line that says why, when
// it is not what the desktop asks for (else empty).
//
// The scale is the one the desktop asks for, as Qt combines it
// (QT_SCALE_FACTOR times the screen's factor, from QT_SCREEN_SCALE_FACTORS,
// whose entries of no name Qt ignores, or else from its dots per inch,
// QT_FONT_DPI included, times the platform's own ratio), rounded to a whole
// number (half up), never below 1, then lowered to the largest whole number
// at which the battle window, the largest, fits the screen's free area with
// a frame around it. A factor that is not a number above 0, or not finite,
// and a scale beyond any whole number of pixels, count as 1. Qt's own factor
// for a screen of fewer than 96 dots per inch is 1. The line says the scale
// asked for when the game shows less, and says so too when even the battle
// window at 1 leaves the screen; its numbers are written plainly.
struct ChosenScale {
    int scale = 1;
    double qtScaleFactor = 0;
    QString line;
};
ChosenScale chooseScale(const Desktop& desktop);

// Builds the application at the game's scale, chosen for the screen the
// windows open on: an application is built with Qt's scaling off to look at
// the screen, and built again at the scale unless Qt's own scale is it
// already. The line of the choice goes to standard error. The application is
// given the program's arguments.
std::unique_ptr<QApplication> startAtWholeScale(int& argc, char** argv);

// The largest whole number of times the battle window, the largest of the
// game's windows, fits area with a frame around it; never below 1.
int timesTheBattleFits(QSize area);

}  // namespace mirewalk
