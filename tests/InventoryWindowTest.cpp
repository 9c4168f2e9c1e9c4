#include <QPainter>
#include <QScrollBar>

#include "GameFixture.h"

using namespace mirewalk;

namespace {

// The rows of a list box, top to bottom.
QStringList rows(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Draws that find each item: r below a third, the middle third, the top third.
constexpr float Sword = 0.1f, Armour = 0.5f, Stone = 0.9f;

class InventoryWindowTest : public GameFixture {
protected:
    // Character > Inventory, finding the item of draw r.
    QWidget& openInventory(float r)
    {
        random.feed({r});
        choose(Qt::Key_C, Qt::Key_I);
        return *screenNamed("frmInventory");
    }

    static ListBox* list(const char* name) { return element<ListBox>("frmInventory", name); }
    static Label* label(const char* name) { return element<Label>("frmInventory", name); }

    // Clicks a row of a list box, selecting it.
    static void clickRow(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
};

}  // namespace

TEST_F(InventoryWindowTest, EveryOpeningFindsOneItemAndTheRowsPileUp)
{
    start();
    QWidget& inventory = openInventory(Stone);
    EXPECT_FALSE(mapWindow->isVisible());
    EXPECT_TRUE(inventory.isVisible());
    EXPECT_EQ(rows(list("MISC")), QStringList{"Useless Stone"});
    EXPECT_TRUE(rows(list("CR")).isEmpty());
    EXPECT_TRUE(rows(list("ARMOUR")).isEmpty());
    EXPECT_EQ(element<TextBox>("frmInventory", "GLD")->text(), "0");

    QTest::keyClicks(element<TextBox>("frmInventory", "GLD"),
                     "999");  // typed gold is shown over at the next opening
    game.Gold = 1234567;
    for (const float r : {Sword, Armour, Sword, Sword}) {
        click(label("BCK"));
        openInventory(r);
    }
    EXPECT_EQ(rows(list("CR")), QStringList({"Short Sword", "Short Sword", "Short Sword"}));
    EXPECT_EQ(rows(list("ARMOUR")), QStringList{"Leather Armour"});
    EXPECT_EQ(rows(list("MISC")), QStringList{"Useless Stone"});
    EXPECT_TRUE(rows(list("LR")).isEmpty());
    EXPECT_EQ(element<TextBox>("frmInventory", "GLD")->text(), "1234567");
    EXPECT_EQ(random.pending(), 0u);
}

TEST_F(InventoryWindowTest, OneRowListsShowAWholeRowAndScrollOneRowAtATime)
{
    start();
    openInventory(Armour);
    ListBox* armour = list("ARMOUR");
    // A row too wide for the box is cut off, not given a bar that hides it.
    EXPECT_LE(armour->visualItemRect(armour->item(0)).height(), armour->viewport()->height());
    EXPECT_EQ(armour->itemAt(2, 2), armour->item(0));

    for (int i = 0; i < 3; ++i) {
        click(label("BCK"));
        openInventory(Sword);
    }
    QListWidget* cr = list("CR");
    QApplication::processEvents();                     // the list lays out its new rows
    EXPECT_EQ(cr->verticalScrollBar()->maximum(), 2);  // one position per row
    clickRow(cr, 0);
    QTest::keyClick(cr, Qt::Key_Down);
    EXPECT_EQ(cr->itemAt(2, 2), cr->item(1));
    QTest::keyClick(cr, Qt::Key_Down);
    EXPECT_EQ(cr->itemAt(2, 2), cr->item(2));
    EXPECT_EQ(cr->selectedItems(), QList<QListWidgetItem*>{cr->item(2)});
}

TEST_F(InventoryWindowTest, EquipLabelsActOnTheSelectedRows)
{
    start();
    openInventory(Armour);
    click(label("BCK"));
    openInventory(Sword);

    click(label("lblEquipA"));  // nothing selected
    EXPECT_EQ(game.ArmourName, "");
    clickRow(list("ARMOUR"), 0);
    click(label("lblEquipA"));
    EXPECT_EQ(game.ArmourName, "Leather Armour");

    random.feed({0.0f, 0.0f, 0.0f});  // one draw for each Equip of a weapon
    click(label("lblEquipCR"));
    EXPECT_EQ(game.CRWeaponName, "");
    clickRow(list("CR"), 0);
    click(label("lblEquipCR"));
    EXPECT_EQ(game.CRWeaponName, "Short Sword");
    EXPECT_EQ(rows(list("CR")), QStringList{"Short Sword"});  // equipping keeps the row
    click(label("lblEquipLR"));  // with the LR list empty, as it always is
    EXPECT_EQ(game.LRWeaponOn, Truth::True);
    EXPECT_EQ(random.pending(), 0u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InventoryWindowTest, TheKeyboardChoosesRowsAndEquipsAsTheMouseDoes)
{
    start();
    openInventory(Armour);
    click(label("BCK"));
    QWidget& inventory = openInventory(Sword);
    QApplication::setActiveWindow(&inventory);  // as the window system does
    ASSERT_EQ(QApplication::focusWidget(), list("LR"));
    const QImage focused = list("LR")->grab().toImage();
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), list("CR"));
    EXPECT_NE(list("LR")->grab().toImage(), focused);  // even empty, it showed the focus
    press(Qt::Key_Down);
    random.feed({LargestBelowOne});
    press(Qt::Key_C);
    EXPECT_EQ(game.CRWeaponName, "Short Sword");
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_A);
    EXPECT_EQ(game.ArmourName, "Leather Armour");
    random.feed({0.5f});
    press(Qt::Key_L);
    EXPECT_EQ(game.LRWeaponOn, Truth::True);
    EXPECT_EQ(label("lblEquipCR")->accessibleDescription(), "Key: C");
    EXPECT_EQ(random.pending(), 0u);

    // A row's text takes the list's whole width, from its left edge.
    list("MISC")->addItem(QStringLiteral("Leather Armour"));
    QApplication::processEvents();  // the list lays out its new row
    QImage text(list("MISC")->size(), QImage::Format_RGB32);
    text.fill(Qt::white);
    QPainter painter(&text);
    painter.setFont(list("MISC")->font());
    painter.drawText(text.rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Leather Armour"));
    painter.end();
    EXPECT_EQ(list("MISC")->grab().toImage().convertToFormat(QImage::Format_RGB32), text);
}

TEST_F(InventoryWindowTest, ARunTimeErrorInAnEquipActionIsReportedAndEndsTheGame)
{
    start();
    game.Strength = 16382;  // 2 x 16382 + 4 does not fit in 16 bits
    openInventory(Sword);
    random.feed({LargestBelowOne});
    click(label("lblEquipCR"));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Run-time error '6':\n\nOverflow"});
    EXPECT_EQ(dialogs.endStatus, 1);
}
