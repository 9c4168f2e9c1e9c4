#pragma once
// The player's zoom and fullscreen: the keys that change them, the largest
// zoom the screen holds, and the settings that keep them between runs.
//
// Ctrl+Plus (Ctrl+=, Ctrl and keypad +) and Ctrl+Minus step the whole zoom by
// one, Ctrl+0 goes back to 1, on the game window and on the prompt; at the
// largest or smallest zoom they do nothing, and in fullscreen, which has a
// zoom of its own, nothing either. F11 and Alt+Enter switch fullscreen on and
// off.

#include <QObject>

class QWidget;

namespace mirewalk {

class GameWindow;
class Settings;

class Zoom : public QObject {
public:
    // The stored zoom, or the largest the screen holds when that is less
    // (the setting stays as it was); the prompt and the game window show at it.
    explicit Zoom(Settings& settings);

    // The game window from now on: at the zoom, fullscreen if the setting
    // says so, with the zoom and fullscreen keys.
    void setWindow(GameWindow& window);
    // Shows a dialog at the zoom, with the zoom keys; it follows the zoom's size.
    void addZoomKeys(QWidget& dialog);

    int zoom() const { return zoom_; }

private:
    // Shows the game at zoom, if the screen holds it, and keeps it.
    void zoomTo(int zoom, QWidget* dialog);
    void switchFullScreen();
    // The largest zoom at which the battle window fits the screen.
    int largest() const;

    Settings& settings_;
    GameWindow* window_ = nullptr;
    int zoom_;
};

}  // namespace mirewalk
