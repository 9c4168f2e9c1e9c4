#pragma once
// The inventory window: the four lists of what the hero has found, the gold,
// the three Equip actions and BACK to the map.

#include "rules/Inventory.h"
#include "windows/MenuWindow.h"

namespace mirewalk {

struct Game;
struct Services;
class ListBox;
class TextBox;

class InventoryWindow : public MenuWindow {
    Q_OBJECT
public:
    // Builds the window, hidden, with empty lists.
    InventoryWindow(Game& game, Services& services, Navigator& navigator);

    // What every opening does once the window is shown: finds an item,
    // appends a row of its name to each of its lists and shows the gold. The
    // rows pile up from one opening to the next.
    void findAndShowItem();

private:
    // The list box that shows a list's rows.
    ListBox* listBox(ItemList list) const;

    Game& game_;
    Services& services_;
    ListBox* closeRange_;
    ListBox* armour_;
    ListBox* misc_;
    TextBox* gold_;
};

}  // namespace mirewalk
