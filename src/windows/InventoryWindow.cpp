#include "InventoryWindow.h"

#include "platform/Table.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/Style.h"
#include "widgets/TextBox.h"
#include "windows/Guard.h"
#include "windows/Services.h"

namespace mirewalk {

InventoryWindow::InventoryWindow(Game& game, Services& services, Navigator& navigator)
    : MenuWindow(services, navigator, "frmInventory", QStringLiteral("Inventory"), {496, 338}),
      game_(game),
      services_(services)
{
    // A caption of the left column and a red Equip label of the right one.
    const auto caption = [this](const char* name, const char* text, QPoint at) {
        new Label(this, name, QString::fromLatin1(text), at, FontPx::Medium, Colour::Blue);
    };
    const auto equip = [this](const char* name, QPoint at) {
        return new Label(this, name, QStringLiteral("Equip"), at, FontPx::Medium, Colour::Red);
    };

    caption("Label1", "LR WEAPON :", {16, 24});
    new ListBox(this, "LR", {144, 24, 97, 20}, FontPx::Small);  // no item is ever filed here
    Label* equipLR = equip("lblEquipLR", {264, 16});
    caption("Label2", "CR WEAPON :", {16, 56});
    closeRange_ = new ListBox(this, "CR", {144, 56, 97, 20}, FontPx::Small);
    Label* equipCR = equip("lblEquipCR", {264, 48});
    caption("Label3", "ARMOUR :", {16, 88});
    armour_ = new ListBox(this, "ARMOUR", {144, 96, 97, 20}, FontPx::Small);
    Label* equipA = equip("lblEquipA", {264, 88});
    caption("Label4", "MISC :", {16, 120});
    misc_ = new ListBox(this, "MISC", {144, 128, 97, 20}, FontPx::Small);
    new Label(this, "Label5", QStringLiteral("GOLD :"), {16, 152}, FontPx::Small, Colour::Yellow);
    gold_ = new TextBox(this, "GLD", {144, 152, 65, 19});
    auto* back = new Label(this, "BCK", QStringLiteral("BACK"), {216, 272}, FontPx::Large,
                           Colour::Green);

    // Each Equip has the key of its list's caption, L, C and A, and runs its
    // rule with the selected row. The LR list is never read: its action works
    // with it empty, as it always is.
    addCommand(*equipLR, Qt::Key_L, services_.dialogs, services_.exit,
               [this] { equipLongRange(game_, services_.random); });
    addCommand(*equipCR, Qt::Key_C, services_.dialogs, services_.exit, [this] {
        equipCloseRange(game_, services_.random, closeRange_->selectedText().toStdString());
    });
    addCommand(*equipA, Qt::Key_A, services_.dialogs, services_.exit,
               [this] { equipArmour(game_, armour_->selectedText().toStdString()); });
    leaveBy(back);
}

void InventoryWindow::findAndShowItem()
{
    const Find find = mirewalk::findItem(game_, services_.random);
    for (const ItemList list : find.lists)
        listBox(list)->addItem(QString::fromStdString(find.name));
    gold_->setNumber(game_.Gold);
}

ListBox* InventoryWindow::listBox(ItemList list) const
{
    const Table<ListBox*, 0, 2> boxes{{misc_, armour_, closeRange_}};  // in the order of ItemList
    return boxes[static_cast<int>(list)];
}

}  // namespace mirewalk
