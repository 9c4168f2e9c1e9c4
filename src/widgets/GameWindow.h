#pragma once
// The one top-level window of the game, for the whole run. It shows one of
// its screens at a time, in place of the one before, with that screen's
// caption as its title and that screen's size, growing and shrinking from its
// top-left corner. It is never hidden between screens, so the desktop keeps
// it where the player put it, and the game's boxes open over it. Closing it
// through its frame is closing the screen shown.

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace mirewalk {

class Screen;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow();

    // Makes screen one of the window's screens, hidden.
    void add(Screen& screen);
    // Shows screen in place of the screen shown, with the keyboard focus
    // where it was when screen last showed (at first, where screen put it as
    // it was built, or else on its first element that takes the focus by
    // Tab). The window itself stays shown or hidden as it was.
    void showScreen(Screen& screen);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Gives the keyboard focus to the screen shown.
    void focusOnScreen();

    QPointer<Screen> shown_;
    QHash<const Screen*, QPointer<QWidget>> focus_;  // where each screen had the focus as it hid
};

}  // namespace mirewalk
