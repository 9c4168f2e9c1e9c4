#include "frmInventory.h"

#include "platform/Table.h"
#include "widgets/Style.h"
#include "windows/Guard.h"

namespace mirewalk {

frmInventory::frmInventory(Game& game, Services& services, Navigator& navigator)
    : CharacterWindow(services.dialogs, navigator, "frmInventory", QStringLiteral("Inventory"),
                      {496, 338}),
      game_(game),
      services_(services)
{
    // A caption of the left column and a red Equip label of the right one.
    const auto caption = [this](const char* name, const char* text, QPoint at) {
        return new Label(this, name, QString::fromLatin1(text), at, FontPx::Medium, Colour::Blue);
    };
    const auto equip = [this](const char* name, QPoint at) {
        return new Label(this, name, QStringLiteral("Equip"), at, FontPx::Medium, Colour::Red);
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
                       Colour::Yellow);
    GLD = new TextBox(this, "GLD", {144, 152, 65, 19});
    BCK = new Label(this, "BCK", QStringLiteral("BACK"), {216, 272}, FontPx::Large, Colour::Green);

    // Each Equip has the key of its list's caption: L, C and A.
    lblEquipLR->setKey(Qt::Key_L);
    lblEquipCR->setKey(Qt::Key_C);
    lblEquipA->setKey(Qt::Key_A);
    connect(lblEquipA, &Label::clicked, this, [this] { lblEquipA_Click(); });
    connect(lblEquipCR, &Label::clicked, this, [this] { lblEquipCR_Click(); });
    connect(lblEquipLR, &Label::clicked, this, [this] { lblEquipLR_Click(); });
    leaveBy(BCK);
}

void frmInventory::fileFind(const Find& find)
{
    for (const ItemList list : find.lists)
        listBox(list)->addItem(QString::fromStdString(find.name));
    GLD->setNumber(game_.Gold);
}

ListBox* frmInventory::listBox(ItemList list) const
{
    const Table<ListBox*, 0, 2> boxes{{MISC, ARMOUR, CR}};  // in the order of ItemList
    return boxes[static_cast<int>(list)];
}

void frmInventory::lblEquipA_Click()
{
    guardedWhileShown(*this, dialogs_,
                      [this] { equipArmour(game_, ARMOUR->selectedText().toStdString()); });
}

void frmInventory::lblEquipCR_Click()
{
    guardedWhileShown(*this, dialogs_, [this] {
        equipCloseRange(game_, services_.random, CR->selectedText().toStdString());
    });
}

void frmInventory::lblEquipLR_Click()
{
    // The LR list is never read: the action works with it empty, as it always is.
    guardedWhileShown(*this, dialogs_, [this] { equipLongRange(game_, services_.random); });
}

}  // namespace mirewalk
