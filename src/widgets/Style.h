#pragma once
// The look shared by the game's windows: the game's face and label fonts,
// the pure colours, black backgrounds and fixed-size windows.

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;

namespace mirewalk {

// Makes the game's proportional face the font of everything the application
// shows, menus, boxes and dialogs included, whatever face the machine would
// pick by default (which may be fixed-pitch), and the face that stands in for
// "MS Sans Serif". Call it once the application exists, before any window.
void useGameFont();

// The hero as the icon of the game window, at the sizes a window list draws
// (16 to 64 pixels); docks take the larger ones from the desktop entry.
QIcon gameIcon();

// The game's label font: bold "MS Sans Serif" (the game's face stands in for
// it) at a size in pixels.
QFont labelFont(int pixelSize);

// Font sizes in pixels at 96 dpi.
namespace FontPx {
inline constexpr int Small = 13;   // 9.75 pt
inline constexpr int Medium = 16;  // 12 pt
inline constexpr int Large = 18;   // 13.5 pt
inline constexpr int Huge = 24;    // 18 pt
}

// The colours of the game's windows: the pure colours of its texts, and the
// greys and white of a sunken text box's frame.
namespace Colour {
inline const QColor Red{255, 0, 0};
inline const QColor Green{0, 255, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Cyan{0, 255, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor White{255, 255, 255};
inline const QColor LightGrey{192, 192, 192};
inline const QColor Grey{128, 128, 128};
inline const QColor DarkGrey{64, 64, 64};
}

// Makes screen readers see every widget of a class as role (a picture view
// as a picture, the game window as a window). Call it as the first widget of
// the class is made.
void seeAs(const QMetaObject& type, QAccessible::Role role);

// Paints a widget's background black.
void makeBlack(QWidget* widget);
// Gives a widget on black the desktop's own colours (a menu bar).
void useDesktopColours(QWidget* widget);

// Makes a window of fixed size say so to the window manager: no maximise
// button and no resizing.
void makeFixed(QWidget* window);

}  // namespace mirewalk
