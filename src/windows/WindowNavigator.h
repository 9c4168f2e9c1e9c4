#pragma once
// The game's windows and the one way between them: the map window, built
// first, and the battle, inventory, stats and credits windows, each built
// hidden the first time it opens and then kept. Every opening of a window in
// place of the map, and every return to the map, happens here.

#include <QPointer>
#include <memory>

#include "pictures/BuiltInPictures.h"
#include "windows/Navigator.h"

namespace mirewalk {

struct Game;
struct Services;
class MapWindow;
class BattleWindow;
class InventoryWindow;
class StatsWindow;
class AboutWindow;

class WindowNavigator : public Navigator {
public:
    // Reads the built-in pictures, builds the map window and starts a new
    // game there (the name prompt), behind the guard: a run-time error is
    // reported and ends the program before the map is ever shown.
    WindowNavigator(Game& game, Services& services);
    ~WindowNavigator() override;

    // Shows the map window, not modally, with the keyboard focus.
    void showMap();

    void openBattle(const MonsterPicture& picture) override;
    void openInventory() override;
    void openStats() override;
    void openAbout() override;
    void returnToMap(QWidget& window) override;

private:
    // Hides the map and shows window with the keyboard focus.
    void open(QWidget& window);

    Game& game_;
    Services& services_;
    BuiltInPictures pictures_;
    std::unique_ptr<MapWindow> map_;
    std::unique_ptr<BattleWindow> battle_;
    std::unique_ptr<InventoryWindow> inventory_;
    std::unique_ptr<StatsWindow> stats_;
    std::unique_ptr<AboutWindow> about_;
    QPointer<QWidget> focusOnMap_;  // what had the keyboard focus when the map hid
};

}  // namespace mirewalk
