#include "frmInventory.h"

#include "windows/frmGame.h"

frmInventory::frmInventory(frmGame& main)
    : CharacterWindow(main, "frmInventory", QStringLiteral("Inventory"), {496, 338})
{
    // A caption of the left column and a red Equip label of the right one.
    const auto caption = [this](const char* name, const char* text, QPoint at) {
        return new Label(this, name, QString::fromLatin1(text), at, FontPx::Medium, Qt::blue);
    };
    const auto equip = [this](const char* name, QPoint at) {
        return new Label(this, name, QStringLiteral("Equip"), at, FontPx::Medium, Qt::red);
    };

    Label1 = caption("Label1", "LR WEAPON :", {16, 24});
    LR = new ListBox(this, "LR", {144, 24, 97, 20}, FontPx::Small);
    lblEquipLR = equip("lblEquipLR", {264, 16});
    Label2 = caption("Label2", "CR WEAPON :", {16, 56});
    CR = new ListBox(this, "CR", {144, 56, 97, 20}, FontPx::Small);
    lblEquipCR = equip("lblEquipCR", {264, 48});
    Label3 = caption("Label3", "ARMOUR :", {16, 88});
    ARMOUR = new ListBox(this, "ARMOUR", {144, 96, 97, 20}, FontPx::Small);
    lblEquipA = equip("lblEquipA", {264, 88});
    Label4 = caption("Label4", "MISC :", {16, 120});
    MISC = new ListBox(this, "MISC", {144, 128, 97, 20}, FontPx::Small);
    Label5 = new Label(this, "Label5", QStringLiteral("GOLD :"), {16, 152}, FontPx::Small,
                       Qt::yellow);
    GLD = new TextBox(this, "GLD", {144, 152, 65, 19});
    BCK = new Label(this, "BCK", QStringLiteral("BACK"), {216, 272}, FontPx::Large, Qt::green);

    connect(lblEquipA, &Label::clicked, this, [this] { lblEquipA_Click(); });
    connect(lblEquipCR, &Label::clicked, this, [this] { lblEquipCR_Click(); });
    connect(lblEquipLR, &Label::clicked, this, [this] { lblEquipLR_Click(); });
    leaveBy(BCK);
}

void frmInventory::findItem()
{
    Game& game = main_.game();
    RollItem(game, main_.services().random);
    const Item& found = game.Items[game.ItemIndex];
    for (const ItemList list : listsFor(found))
        listBox(list)->addItem(QString::fromStdString(found.Name));
    GLD->setNumber(game.Gold);
}

ListBox* frmInventory::listBox(ItemList list) const
{
    switch (list) {
    case ItemList::MISC: return MISC;
    case ItemList::ARMOUR: return ARMOUR;
    case ItemList::CR: return CR;
    }
    return nullptr;
}

void frmInventory::lblEquipA_Click()
{
    handle([this] { equipArmour(main_.game(), ARMOUR->selectedText().toStdString()); });
}

void frmInventory::lblEquipCR_Click()
{
    handle([this] {
        equipCloseRange(main_.game(), main_.services().random, CR->selectedText().toStdString());
    });
}

void frmInventory::lblEquipLR_Click()
{
    // The LR list is never read: the action works with it empty, as it always is.
    handle([this] { equipLongRange(main_.game(), main_.services().random); });
}
