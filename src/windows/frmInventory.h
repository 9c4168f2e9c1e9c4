#pragma once
// The inventory window: the four lists of what the hero has found, the gold,
// the three Equip actions and BACK to the map.

#include "rules/Inventory.h"
#include "widgets/ListBox.h"
#include "widgets/TextBox.h"
#include "windows/CharacterWindow.h"
#include "windows/Services.h"

namespace mirewalk {

class frmInventory : public CharacterWindow {
public:
    // Builds the window, hidden, with empty lists.
    frmInventory(Game& game, Services& services, Navigator& navigator);

    // What every opening does once the window is shown and the item found:
    // appends a row of its name to each of its lists and shows the gold. The
    // rows pile up from one opening to the next.
    void fileFind(const Find& find);

    Label* Label1;
    ListBox* LR;
    Label* lblEquipLR;
    Label* Label2;
    ListBox* CR;
    Label* lblEquipCR;
    Label* Label3;
    ListBox* ARMOUR;
    Label* lblEquipA;
    Label* Label4;
    ListBox* MISC;
    Label* Label5;
    TextBox* GLD;
    Label* BCK;

private:
    // The clicks of the three Equip labels: each runs its Equip action.
    void lblEquipA_Click();
    void lblEquipCR_Click();
    void lblEquipLR_Click();
    // The list box that shows a list's rows.
    ListBox* listBox(ItemList list) const;

    Game& game_;
    Services& services_;
};

}  // namespace mirewalk
