#include <QFontMetrics>
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

// The top-level windows of the given name.
QList<QWidget*> windowsNamed(const char* name)
{
    QList<QWidget*> found;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            found << top;
    return found;
}

// True when the label shows its whole caption.
bool showsAll(const Label* label)
{
    return label->width() >= QFontMetrics(label->font()).horizontalAdvance(label->text());
}

}  // namespace

class CharacterWindows : public GameFixture {
protected:
    // Character > Inventory, finding the item of draw r.
    QWidget& openInventory(float r)
    {
        random.feed({r});
        choose(Qt::Key_C, Qt::Key_I);
        return *windowNamed("frmInventory");
    }

    static ListBox* list(const char* name) { return element<ListBox>("frmInventory", name); }
    static Label* inventoryLabel(const char* name) { return element<Label>("frmInventory", name); }
    static Label* statsLabel(const char* name) { return element<Label>("frmStats", name); }

    // Clicks a row of a list box, selecting it.
    static void clickRow(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
};

// Draws that find each item: r below a third, the middle third, the top third.
constexpr float Sword = 0.1f, Armour = 0.5f, Stone = 0.9f;

TEST_F(CharacterWindows, EachWindowHasItsTitleAndSizeAndShowsEveryCaptionWhole)
{
    start();
    openInventory(Stone);
    click(inventoryLabel("BCK"));
    choose(Qt::Key_C, Qt::Key_S);
    click(statsLabel("lblBACK"));
    choose(Qt::Key_A);
    click(element<Label>("frmAbout", "lblBack"));
    const struct {
        QWidget* window;
        const char* title;
        QSize size;
    } windows[] = {
        {windowNamed("frmInventory"), "Inventory", {496, 338}},
        {windowNamed("frmStats"), "Stats", {462, 412}},
        {windowNamed("frmAbout"), "ABOUT", {418, 335}},
    };
    for (const auto& w : windows) {
        EXPECT_EQ(w.window->windowTitle(), w.title);
        EXPECT_EQ(w.window->size(), w.size);
        EXPECT_TRUE(offersNoMaximise(w.window));
        for (const Label* label : w.window->findChildren<Label*>()) {
            EXPECT_TRUE(showsAll(label)) << label->objectName().toStdString();
            EXPECT_LE(label->geometry().right(), w.size.width()) << label->text().toStdString();
        }
    }
    // The inventory's captions end before the lists beside them.
    for (const Label* caption :
         {inventoryLabel("Label1"), inventoryLabel("Label2"), inventoryLabel("Label3"),
          inventoryLabel("Label4"), inventoryLabel("Label5")})
        EXPECT_LE(caption->geometry().right(), 144) << caption->text().toStdString();
}

TEST_F(CharacterWindows, EveryOpeningFindsOneItemAndTheRowsPileUp)
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
        click(inventoryLabel("BCK"));
        openInventory(r);
    }
    EXPECT_EQ(rows(list("CR")), QStringList({"Short Sword", "Short Sword", "Short Sword"}));
    EXPECT_EQ(rows(list("ARMOUR")), QStringList{"Leather Armour"});
    EXPECT_EQ(rows(list("MISC")), QStringList{"Useless Stone"});
    EXPECT_TRUE(rows(list("LR")).isEmpty());
    EXPECT_EQ(element<TextBox>("frmInventory", "GLD")->text(), "1234567");
    EXPECT_EQ(random.pending(), 0u);
}

TEST_F(CharacterWindows, OneRowListsShowAWholeRowAndScrollOneRowAtATime)
{
    start();
    QWidget& inventory = openInventory(Armour);
    // A row too wide for the box is cut off, not given a bar that hides it.
    const QRect row = list("ARMOUR")->visualItemRect(list("ARMOUR")->item(0));
    EXPECT_LE(row.height(), list("ARMOUR")->viewport()->height());
    EXPECT_EQ(list("ARMOUR")->itemAt(2, 2), list("ARMOUR")->item(0));

    for (int i = 0; i < 3; ++i) {
        click(inventoryLabel("BCK"));
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

TEST_F(CharacterWindows, EquipLabelsActOnTheSelectedRows)
{
    start();
    game.Strength = 7;
    game.Experience = 1500;
    const int16_t defense = game.Defense;
    openInventory(Armour);
    click(inventoryLabel("BCK"));
    QWidget& inventory = openInventory(Sword);

    click(inventoryLabel("lblEquipA"));  // nothing selected
    EXPECT_EQ(game.ArmourName, "");
    clickRow(list("ARMOUR"), 0);
    click(inventoryLabel("lblEquipA"));
    EXPECT_EQ(game.ArmourName, "Leather Armour");
    EXPECT_EQ(game.Defense, defense);

    random.feed({0.0f, LargestBelowOne});
    click(inventoryLabel("lblEquipCR"));
    EXPECT_EQ(game.AttackPower, 5);
    EXPECT_EQ(game.CRWeaponName, "");
    clickRow(list("CR"), 0);
    click(inventoryLabel("lblEquipCR"));
    EXPECT_EQ(game.AttackPower, 2 * 7 + 4);
    EXPECT_EQ(game.CRWeaponName, "Short Sword");
    EXPECT_EQ(rows(list("CR")), QStringList{"Short Sword"});  // equipping keeps the row

    random.feed({0.5f, 0.5f});  // with the LR list empty, as it always is
    click(inventoryLabel("lblEquipLR"));
    EXPECT_EQ(game.LRWeaponOn, Truth::True);
    EXPECT_EQ(game.LRDamage, 4);
    game.Experience = 2500;
    click(inventoryLabel("lblEquipLR"));
    EXPECT_EQ(game.LRDamage, 6);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CharacterWindows, TheKeyboardChoosesRowsAndEquipsAsTheMouseDoes)
{
    start();
    game.Strength = 7;
    openInventory(Armour);
    click(inventoryLabel("BCK"));
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
    EXPECT_EQ(game.AttackPower, 2 * 7 + 4);
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_A);
    EXPECT_EQ(game.ArmourName, "Leather Armour");
    random.feed({0.5f});
    press(Qt::Key_L);
    EXPECT_EQ(game.LRWeaponOn, Truth::True);
    EXPECT_EQ(inventoryLabel("lblEquipCR")->accessibleDescription(), "Key: C");
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

TEST_F(CharacterWindows, ARunTimeErrorInAnEquipActionIsReportedAndEndsTheGame)
{
    start();
    game.Strength = 16382;  // 2 x 16382 + 4 does not fit in 16 bits
    QWidget& inventory = openInventory(Sword);
    random.feed({LargestBelowOne});
    click(inventoryLabel("lblEquipCR"));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Run-time error '6':\n\nOverflow"});
    EXPECT_EQ(dialogs.endStatus, 1);
}

TEST_F(CharacterWindows, StatsAreWrittenAfreshAtEveryOpening)
{
    start();
    choose(Qt::Key_C, Qt::Key_S);
    QWidget& stats = *windowNamed("frmStats");
    EXPECT_TRUE(stats.isVisible());
    EXPECT_FALSE(mapWindow->isVisible());
    EXPECT_EQ(statsLabel("lblLevel")->text(), "1");
    EXPECT_EQ(statsLabel("lblExperience")->text(), "0");
    EXPECT_EQ(statsLabel("lblToNextLevel")->text(), "200");
    EXPECT_EQ(statsLabel("lblCHP")->text(), QString::number(game.MaxHP));
    click(statsLabel("lblBACK"));

    // After a level-up: the threshold itself, not what is still missing.
    game.Experience = 250;
    game.Level = 2;
    game.NextLevelExp = 517;
    game.MaxHP = 31;
    game.CurHP = 7;
    game.Strength = 11;
    game.Defense = -4;
    choose(Qt::Key_C, Qt::Key_S);
    const QStringList shown{statsLabel("lblExperience")->text(),  statsLabel("lblLevel")->text(),
                            statsLabel("lblToNextLevel")->text(), statsLabel("lblMHP")->text(),
                            statsLabel("lblCHP")->text(),         statsLabel("lblStrength")->text(),
                            statsLabel("lblDefense")->text()};
    EXPECT_EQ(shown, QStringList({"250", "2", "517", "31", "7", "11", "-4"}));
}

TEST_F(CharacterWindows, StatsShowAnyNameExactly)
{
    start();
    QWidget& stats = *windowNamed("frmStats");
    for (const char* name : {"", "  Sir  Wade ", "Zoë Ångström 勇者", "<b>Tom</b> & Jerry"}) {
        game.PlayerName = name;
        choose(Qt::Key_C, Qt::Key_S);
        EXPECT_EQ(statsLabel("lblName")->text(), QString::fromUtf8(name));
        EXPECT_TRUE(showsAll(statsLabel("lblName"))) << name;  // no markup is interpreted
        click(statsLabel("lblBACK"));
    }
}

TEST_F(CharacterWindows, StatsPortraitIsTheFrontPictureClippedToItsBox)
{
    start();
    press(Qt::Key_Right);  // the map now shows the hero from the side
    choose(Qt::Key_C, Qt::Key_S);
    const QImage& portrait = element<PictureView>("frmStats", "charpic")->canvas().image();
    ASSERT_EQ(portrait.size(), QSize(57, 57));
    // HD is 42 x 58: its top 57 rows unscaled at the left, black beside them.
    EXPECT_EQ(portrait.copy(0, 0, 42, 57),
              pictureFile("src/pictures/builtin/HD.png").copy(0, 0, 42, 57));
    QImage black(15, 57, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(portrait.copy(42, 0, 15, 57), black);
}

TEST_F(CharacterWindows, SaveAndLoadOnlySayTheyAreNotImplemented)
{
    start();
    press(Qt::Key_Right);
    const auto before = stateOf(game);
    const QImage map = mapImage();
    const std::size_t draws = random.draws();

    choose(Qt::Key_G, Qt::Key_S);
    choose(Qt::Key_G, Qt::Key_L);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>({"Not implemented yet", "Not implemented yet"}));
    EXPECT_EQ(stateOf(game), before);
    EXPECT_EQ(mapImage(), map);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(CharacterWindows, ExitEndsTheGameOnlyAfterItsBoxEvenWithHiddenWindows)
{
    start();
    openInventory(Stone);
    click(inventoryLabel("BCK"));
    choose(Qt::Key_A);
    click(element<Label>("frmAbout", "lblBack"));

    int statusWhileOpen = 0;
    dialogs.onMessage = [&](const std::string&) { statusWhileOpen = dialogs.endStatus; };
    choose(Qt::Key_G, Qt::Key_E);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Thank you for playing!"});
    EXPECT_EQ(statusWhileOpen, -1);
    EXPECT_EQ(dialogs.endStatus, 0);

    // Nothing runs after the end: the inventory finds nothing more.
    const std::size_t draws = random.draws();
    choose(Qt::Key_C, Qt::Key_I);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_FALSE(windowNamed("frmInventory")->isVisible());
}

// Leaving a secondary window, by its BACK label, by its frame or by Escape.
enum class By { Back, Frame, Escape };
struct Leaving {
    const char* window;
    Qt::Key menu;
    Qt::Key entry;
    const char* back;
    By by;
};

// Names the case in test listings instead of dumping its bytes.
std::string caseName(const Leaving& leaving)
{
    const char* ways[] = {"ByBack", "ByFrame", "ByEscape"};
    return std::string(leaving.window) + ways[static_cast<int>(leaving.by)];
}
void PrintTo(const Leaving& leaving, std::ostream* out) { *out << caseName(leaving); }

class LeavingAWindow : public CharacterWindows, public ::testing::WithParamInterface<Leaving> {};

TEST_P(LeavingAWindow, ShowsTheMapAgainWithTheHeroFromTheFront)
{
    const Leaving& leaving = GetParam();
    start();
    press(Qt::Key_Up);
    press(Qt::Key_Down);
    const QImage front = mapImage();
    press(Qt::Key_Right);
    press(Qt::Key_Left);  // the same place, now seen from the side
    const QImage side = mapImage();
    ASSERT_NE(side, front);

    random.feed({Stone});
    choose(leaving.menu, leaving.entry);
    ASSERT_EQ(windowsNamed(leaving.window).size(), 1);
    QWidget* opened = windowsNamed(leaving.window).first();
    EXPECT_TRUE(opened->isVisible());
    EXPECT_FALSE(mapWindow->isVisible());
    EXPECT_EQ(mapImage(), side);  // nothing is drawn while the map is hidden

    if (leaving.by == By::Frame)
        opened->close();
    else if (leaving.by == By::Escape) {
        QApplication::setActiveWindow(opened);  // as the window system does
        QTest::keyClick(opened, Qt::Key_Escape);
    } else
        click(opened->findChild<Label*>(leaving.back));
    EXPECT_FALSE(opened->isVisible());
    EXPECT_TRUE(mapWindow->isVisible());
    EXPECT_EQ(mapImage(), front);
    EXPECT_EQ(boxes(), "30 52 1");

    // The window is kept: the next opening shows the same one again.
    choose(leaving.menu, leaving.entry);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(windowsNamed(leaving.window), QList<QWidget*>{opened});
}

INSTANTIATE_TEST_SUITE_P(
    ByBackFrameOrEscape, LeavingAWindow, ::testing::ValuesIn([] {
        std::vector<Leaving> cases;
        for (const By by : {By::Back, By::Frame, By::Escape}) {
            cases.push_back({"frmInventory", Qt::Key_C, Qt::Key_I, "BCK", by});
            cases.push_back({"frmStats", Qt::Key_C, Qt::Key_S, "lblBACK", by});
            cases.push_back({"frmAbout", Qt::Key_A, Qt::Key_unknown, "lblBack", by});
        }
        return cases;
    }()),
    [](const auto& info) { return caseName(info.param); });
