#pragma once
// The game window and the one way between its screens: the map window, built
// first, and the battle, inventory, stats and credits windows, each built
// hidden the first time it opens and then kept. Every opening of a window in
// place of the map, and every return to the map, happens here.

#include <memory>

#include "pictures/BuiltInPictures.h"
#include "windows/Navigator.h"

namespace mirewalk {

struct Game;
struct Services;
class GameWindow;
class MapWindow;
class BattleWindow;
class InventoryWindow;
class StatsWindow;
class AboutWindow;

class WindowNavigator : public Navigator {
public:
    // Asks the hero's name, then builds the game window with the map in it,
    // reads the built-in pictures and starts a new game there behind the
    // guard: a run-time error is reported and ends the program before the
    // map is ever shown.
    WindowNavigator(Game& game, Services& services);
    ~WindowNavigator() override;

    // The one top-level window the game's screens show in.
    GameWindow& window() const;
    // Shows the game window with the map in it, active, not modally.
    void showMap();

    void openBattle(const MonsterPicture& picture) override;
    void openInventory() override;
    void openStats() override;
    void openAbout() override;
    void returnToMap() override;

private:
    Game& game_;
    Services& services_;
    BuiltInPictures builtIn_;
    std::unique_ptr<GameWindow> window_;  // first made, last destroyed: it holds the screens
    std::unique_ptr<MapWindow> map_;
    std::unique_ptr<BattleWindow> battle_;
    std::unique_ptr<InventoryWindow> inventory_;
    std::unique_ptr<StatsWindow> stats_;
    std::unique_ptr<AboutWindow> about_;
};

}  // namespace mirewalk
