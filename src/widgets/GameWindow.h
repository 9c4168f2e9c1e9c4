#pragma once
// The one top-level window of the game, for the whole run. It shows one of
// its screens at a time, in place of the one before, with that screen's
// caption as its title and that screen's size, growing and shrinking from its
// top-left corner. It is never hidden between screens, so the desktop keeps
// it where the player put it, and the game's boxes open over it. Closing it
// through its frame is closing the screen shown. It shows its screens at a
// whole zoom, or fullscreen.

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <memory>

class QAbstractNativeEventFilter;
class QShortcut;

namespace mirewalk {

class Screen;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow();
    ~GameWindow() override;

    // Makes screen one of the window's screens, hidden, at the zoom shown.
    void add(Screen& screen);
    // Shows screen in place of the screen shown, with the keyboard focus
    // where it was when screen last showed (at first, where screen put it as
    // it was built, or else on its first element that takes the focus by
    // Tab). The window itself stays shown or hidden as it was.
    void showScreen(Screen& screen);

    // Shows every screen, and with them the boxes and menus, at a whole zoom
    // over the game's own sizes. In fullscreen the zoom waits for its end.
    void setZoom(int zoom);
    // Fullscreen: the screen shown at the largest whole zoom at which it fits
    // the screen, centred on black. Leaving it gives the window back its size
    // and zoom. Escape on a screen that takes no Escape of its own (the map)
    // leaves it too.
    void setFullScreen(bool on);
    bool fullScreen() const { return fullScreen_; }

signals:
    // Fullscreen was left by Escape.
    void fullScreenLeft();
    // Another program destroyed the window on the X server (xdotool
    // windowclose): there is no window left to play in.
    void destroyedFromOutside();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Gives the keyboard focus to the screen shown.
    void focusOnScreen();
    // Shows every screen, the boxes and menus at zoom.
    void showAtZoom(int zoom);
    // In fullscreen, the largest zoom at which the screen shown fits the screen.
    void fitScreen();

    QPointer<Screen> shown_;
    int zoom_ = 1;       // the zoom out of fullscreen
    int shownZoom_ = 1;  // the zoom the screens show at
    bool fullScreen_ = false;
    QShortcut* leaveFullScreen_;
    std::unique_ptr<QAbstractNativeEventFilter> watch_;  // for destroyedFromOutside
    QHash<const Screen*, QPointer<QWidget>> focus_;  // where each screen had the focus as it hid
};

}  // namespace mirewalk
