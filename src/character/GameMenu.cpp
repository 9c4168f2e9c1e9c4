// The main window's Character menu and the windows it opens.

#include "map/frmGame.h"

namespace {

// A secondary window of main, created hidden the first time it is needed.
template <typename Window>
Window& lazily(std::unique_ptr<Window>& window, frmGame& main)
{
    if (!window)
        window = std::make_unique<Window>(main);
    return *window;
}

} // namespace

frmInventory& frmGame::inventoryWindow() { return lazily(inventory_, *this); }
frmStats& frmGame::statsWindow() { return lazily(stats_, *this); }

// Each menu entry runs its handler when chosen.
void frmGame::connectMenus()
{
    connect(mnuStats, &QAction::triggered, this, [this] { mnuStats_Click(); });
    connect(mnuinventory, &QAction::triggered, this, [this] { mnuinventory_Click(); });
}

// Shows the hero's statistics in place of the map.
void frmGame::mnuStats_Click()
{
    handle([this] {
        frmStats& stats = statsWindow();
        openWindow(stats);
        stats.showHero();
    });
}

// Shows the inventory in place of the map; every opening finds an item.
void frmGame::mnuinventory_Click()
{
    handle([this] {
        frmInventory& inventory = inventoryWindow();
        openWindow(inventory);
        inventory.findItem();
    });
}
