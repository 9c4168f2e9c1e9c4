// The main window's Game, Character and About menus and the windows they open.

#include "character/frmAbout.h"
#include "character/frmInventory.h"
#include "character/frmStats.h"
#include "map/frmGame.h"
#include "platform/Dialogs.h"

namespace {

const std::string NotImplemented = "Not implemented yet";

// A secondary window of main, created hidden the first time it is needed.
template <typename Window>
Window& lazily(std::unique_ptr<Window>& window, frmGame& main)
{
    if (!window)
        window = std::make_unique<Window>(main);
    return *window;
}

}  // namespace

frmInventory& frmGame::inventoryWindow() { return lazily(inventory_, *this); }
frmStats& frmGame::statsWindow() { return lazily(stats_, *this); }
frmAbout& frmGame::aboutWindow() { return lazily(about_, *this); }

// Each menu entry runs its handler when chosen.
void frmGame::connectMenus()
{
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuLoad, &QAction::triggered, this, [this] { mnuLoad_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuStats, &QAction::triggered, this, [this] { mnuStats_Click(); });
    connect(mnuinventory, &QAction::triggered, this, [this] { mnuinventory_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

// There are no saved games: saving only says so.
void frmGame::mnuSave_Click()
{
    command([this] { services_.dialogs.message(NotImplemented); });
}

// There are no saved games: loading only says so.
void frmGame::mnuLoad_Click()
{
    command([this] { services_.dialogs.message(NotImplemented); });
}

// Thanks the player, then ends the program once the box is closed.
void frmGame::mnuExit_Click()
{
    command([this] {
        services_.dialogs.message("Thank you for playing!");
        endProgram(0);
    });
}

// Shows the hero's statistics in place of the map.
void frmGame::mnuStats_Click()
{
    command([this] {
        frmStats& stats = statsWindow();
        openWindow(stats);
        stats.showHero();
    });
}

// Shows the inventory in place of the map; every opening finds an item.
void frmGame::mnuinventory_Click()
{
    command([this] {
        frmInventory& inventory = inventoryWindow();
        openWindow(inventory);
        inventory.findItem();
    });
}

// Shows the credits in place of the map.
void frmGame::mnuAbout_Click()
{
    command([this] { openWindow(aboutWindow()); });
}
