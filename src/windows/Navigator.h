#pragma once
// The way between the game's windows, as the windows ask for it: each opens
// another window in place of the map, or leaves for the map again, inside
// the one game window. Only
// WindowNavigator implements it; the windows know this interface alone, so
// their includes run one way.

namespace mirewalk {

struct MonsterPicture;

class Navigator {
public:
    virtual ~Navigator() = default;

    // The monster just rolled is met: its battle shows in place of the map.
    virtual void openBattle(const MonsterPicture& picture) = 0;
    // The Character and About menus: the window shows in place of the map.
    virtual void openInventory() = 0;
    virtual void openStats() = 0;
    virtual void openAbout() = 0;
    // Leaves the window shown: the map shows again in its place with the
    // keyboard focus where it was, and the hero is drawn from the front.
    virtual void returnToMap() = 0;
};

}  // namespace mirewalk
