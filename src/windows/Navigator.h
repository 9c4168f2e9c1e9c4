#pragma once
// The way between the game's windows, as the windows ask for it: each opens
// another window in place of the map, or leaves for the map again. Only
// WindowNavigator implements it; the windows know this interface alone, so
// their includes run one way.

class QWidget;

namespace mirewalk {

struct MonsterPicture;

class Navigator {
public:
    virtual ~Navigator() = default;

    // The monster just rolled is met: the map hides and its battle opens.
    virtual void openBattle(const MonsterPicture& picture) = 0;
    // The Character and About menus: the map hides and the window opens.
    virtual void openInventory() = 0;
    virtual void openStats() = 0;
    virtual void openAbout() = 0;
    // Leaves window: it hides, the map shows again with the keyboard focus
    // where it was, and the hero is drawn from the front.
    virtual void returnToMap(QWidget& window) = 0;
};

}  // namespace mirewalk
