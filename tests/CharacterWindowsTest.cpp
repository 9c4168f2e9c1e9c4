#include <QFontMetrics>
#include <QScrollBar>

#include "GameFixture.h"

namespace {

// The rows of a list box, top to bottom.
QStringList rows(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A label's caption, place, colour and bold font size in pixels.
void expectLabel(const Label* label, const char* caption, QPoint at, QColor colour, int pixelSize)
{
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_EQ(label->text(), QString::fromUtf8(caption));
    EXPECT_EQ(label->pos(), at);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), colour);
    EXPECT_EQ(label->font().pixelSize(), pixelSize);
    EXPECT_TRUE(label->font().bold());
    // The label is wide enough for its whole caption.
    EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
}

} // namespace

class CharacterWindows : public GameFixture {
protected:
    // Character > Inventory, finding the item of draw r.
    frmInventory& openInventory(float r)
    {
        random.feed({r});
        choose(Qt::Key_C, Qt::Key_I);
        return window->inventoryWindow();
    }

    // Clicks a row of a list box, selecting it.
    static void clickRow(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    const QImage& mapImage() const { return window->Map->canvas().image(); }
};

// Draws that find each item: r below a third, the middle third, the top third.
constexpr float Sword = 0.1f, Armour = 0.5f, Stone = 0.9f;

TEST_F(CharacterWindows, InventoryLayout)
{
    start();
    frmInventory& inventory = openInventory(Stone);
    EXPECT_EQ(inventory.windowTitle(), "Inventory");
    EXPECT_EQ(inventory.size(), QSize(496, 338));
    EXPECT_EQ(inventory.palette().color(QPalette::Window), QColor(Qt::black));

    expectLabel(inventory.Label1, "LR WEAPON :", {16, 24}, Qt::blue, FontPx::Medium);
    expectLabel(inventory.lblEquipLR, "Equip", {264, 16}, Qt::red, FontPx::Medium);
    expectLabel(inventory.Label2, "CR WEAPON :", {16, 56}, Qt::blue, FontPx::Medium);
    expectLabel(inventory.lblEquipCR, "Equip", {264, 48}, Qt::red, FontPx::Medium);
    expectLabel(inventory.Label3, "ARMOUR :", {16, 88}, Qt::blue, FontPx::Medium);
    expectLabel(inventory.lblEquipA, "Equip", {264, 88}, Qt::red, FontPx::Medium);
    expectLabel(inventory.Label4, "MISC :", {16, 120}, Qt::blue, FontPx::Medium);
    expectLabel(inventory.Label5, "GOLD :", {16, 152}, Qt::yellow, FontPx::Small);
    expectLabel(inventory.BCK, "BACK", {216, 272}, Qt::green, FontPx::Large);
    EXPECT_EQ(inventory.GLD->geometry(), QRect(144, 152, 65, 19));

    const std::pair<ListBox*, QRect> lists[] = {
        {inventory.LR, {144, 24, 97, 20}},
        {inventory.CR, {144, 56, 97, 20}},
        {inventory.ARMOUR, {144, 96, 97, 20}},
        {inventory.MISC, {144, 128, 97, 20}},
    };
    for (const auto& [list, geometry] : lists) {
        SCOPED_TRACE(list->objectName().toStdString());
        EXPECT_EQ(list->geometry(), geometry);
        EXPECT_EQ(list->font().pixelSize(), FontPx::Small);
        EXPECT_TRUE(list->font().bold());
    }
    // Every caption ends before the list or box beside it.
    EXPECT_LE(inventory.Label1->geometry().right(), 144);
    EXPECT_LE(inventory.Label2->geometry().right(), 144);
    EXPECT_LE(inventory.Label5->geometry().right(), 144);
}

TEST_F(CharacterWindows, EveryOpeningFindsOneItemAndTheRowsPileUp)
{
    start();
    frmInventory& inventory = openInventory(Stone);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(inventory.isVisible());
    EXPECT_EQ(rows(inventory.MISC), QStringList{"Useless Stone"});
    EXPECT_TRUE(rows(inventory.CR).isEmpty());
    EXPECT_TRUE(rows(inventory.ARMOUR).isEmpty());
    EXPECT_EQ(inventory.GLD->text(), "0");

    for (const float r : {Sword, Armour, Sword, Sword}) {
        click(inventory.BCK);
        openInventory(r);
    }
    EXPECT_EQ(rows(inventory.CR), QStringList({"Short Sword", "Short Sword", "Short Sword"}));
    EXPECT_EQ(rows(inventory.ARMOUR), QStringList{"Leather Armour"});
    EXPECT_EQ(rows(inventory.MISC), QStringList{"Useless Stone"});
    EXPECT_TRUE(rows(inventory.LR).isEmpty());
    EXPECT_EQ(game.ItemIndex, 1);
    EXPECT_EQ(random.pending(), 0u);
}

TEST_F(CharacterWindows, TheGoldBoxShowsTheGoldAgainAtEveryOpening)
{
    start();
    frmInventory& inventory = openInventory(Stone);
    QTest::keyClicks(inventory.GLD, "999");
    click(inventory.BCK);
    game.Gold = 1234567;
    openInventory(Stone);
    EXPECT_EQ(inventory.GLD->text(), "1234567");
    EXPECT_EQ(game.Gold, 1234567);
}

TEST_F(CharacterWindows, OneRowListsShowAWholeRowAndScrollOneRowAtATime)
{
    start();
    frmInventory& inventory = openInventory(Armour);
    // A row too wide for the box is cut off, not given a bar that hides it.
    const QRect row = inventory.ARMOUR->visualItemRect(inventory.ARMOUR->item(0));
    EXPECT_LE(row.height(), inventory.ARMOUR->viewport()->height());
    EXPECT_EQ(inventory.ARMOUR->itemAt(2, 2), inventory.ARMOUR->item(0));

    for (int i = 0; i < 3; ++i) {
        click(inventory.BCK);
        openInventory(Sword);
    }
    QListWidget* cr = inventory.CR;
    QApplication::processEvents();  // the list lays out its new rows
    EXPECT_EQ(cr->verticalScrollBar()->maximum(), 2);  // one position per row
    clickRow(cr, 0);
    QTest::keyClick(cr, Qt::Key_Down);
    EXPECT_EQ(cr->itemAt(2, 2), cr->item(1));
    QTest::keyClick(cr, Qt::Key_Down);
    EXPECT_EQ(cr->itemAt(2, 2), cr->item(2));
    EXPECT_EQ(cr->selectedItems(), QList<QListWidgetItem*>{cr->item(2)});
}

TEST_F(CharacterWindows, ArmourEquipTakesTheSelectedRowOrNothing)
{
    start();
    const int16_t defense = game.Defense;
    frmInventory& inventory = openInventory(Armour);
    click(inventory.lblEquipA);
    EXPECT_EQ(game.ArmourName, "");
    clickRow(inventory.ARMOUR, 0);
    click(inventory.lblEquipA);
    EXPECT_EQ(game.ArmourName, "Leather Armour");
    EXPECT_EQ(game.Defense, defense);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CharacterWindows, CloseRangeEquipDrawsANewAttackPowerAtEveryClick)
{
    start();
    game.Strength = 9;
    frmInventory& inventory = openInventory(Sword);
    random.feed({0.0f});
    click(inventory.lblEquipCR);
    EXPECT_EQ(game.AttackPower, 5);
    EXPECT_EQ(game.CRWeaponName, "");  // no row selected yet

    clickRow(inventory.CR, 0);
    random.feed({LargestBelowOne});
    click(inventory.lblEquipCR);
    EXPECT_EQ(game.AttackPower, 2 * 9 + 4);
    EXPECT_EQ(game.CRWeaponName, "Short Sword");
    EXPECT_EQ(rows(inventory.CR), QStringList{"Short Sword"});  // equipping keeps the row
}

TEST_F(CharacterWindows, LongRangeEquipWorksWithTheListEmpty)
{
    start();
    game.Strength = 7;
    game.Experience = 1500;
    frmInventory& inventory = openInventory(Stone);
    ASSERT_EQ(inventory.LR->count(), 0);
    random.feed({0.5f, 0.5f});
    click(inventory.lblEquipLR);
    EXPECT_EQ(game.LRWeaponOn, Truth::True);
    EXPECT_EQ(game.LRDamage, 4);
    game.Experience = 2500;
    click(inventory.lblEquipLR);
    EXPECT_EQ(game.LRDamage, 6);
}

TEST_F(CharacterWindows, ARunTimeErrorInAnEquipActionIsReportedAndEndsTheGame)
{
    start();
    game.Strength = 16382;  // 2 x 16382 + 4 does not fit in 16 bits
    frmInventory& inventory = openInventory(Sword);
    random.feed({LargestBelowOne});
    click(inventory.lblEquipCR);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Run-time error '6':\n\nOverflow"});
    EXPECT_EQ(dialogs.endStatus, 1);
}

TEST_F(CharacterWindows, StatsShowTheHeroAndAreWrittenAfreshAtEveryOpening)
{
    start();
    choose(Qt::Key_C, Qt::Key_S);
    frmStats& stats = window->statsWindow();
    EXPECT_TRUE(stats.isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stats.lblName->text(), "Hero");
    EXPECT_EQ(stats.lblLevel->text(), "1");
    EXPECT_EQ(stats.lblExperience->text(), "0");
    EXPECT_EQ(stats.lblToNextLevel->text(), "200");
    EXPECT_EQ(stats.lblMHP->text(), QString::number(game.MaxHP));
    EXPECT_EQ(stats.lblCHP->text(), stats.lblMHP->text());
    EXPECT_EQ(stats.lblStrength->text(), QString::number(game.Strength));
    EXPECT_EQ(stats.lblDefense->text(), QString::number(game.Defense));
    click(stats.lblBACK);

    // After a level-up: the threshold itself, not what is still missing.
    game.Experience = 250;
    game.Level = 2;
    game.NextLevelExp = 517;
    game.MaxHP = 31;
    game.CurHP = 7;
    game.Strength = 11;
    game.Defense = -4;
    choose(Qt::Key_C, Qt::Key_S);
    EXPECT_EQ(stats.lblExperience->text(), "250");
    EXPECT_EQ(stats.lblLevel->text(), "2");
    EXPECT_EQ(stats.lblToNextLevel->text(), "517");
    EXPECT_EQ(stats.lblMHP->text(), "31");
    EXPECT_EQ(stats.lblCHP->text(), "7");
    EXPECT_EQ(stats.lblStrength->text(), "11");
    EXPECT_EQ(stats.lblDefense->text(), "-4");
    // A value label grows with its text.
    game.Experience = 2147483647;
    click(stats.lblBACK);
    choose(Qt::Key_C, Qt::Key_S);
    EXPECT_GE(stats.lblExperience->width(),
              QFontMetrics(stats.lblExperience->font()).horizontalAdvance("2147483647"));
}

TEST_F(CharacterWindows, StatsShowAnyNameExactly)
{
    start();
    frmStats& stats = window->statsWindow();
    for (const char* name : {"", "  Sir  Wade ", "Zoë Ångström 勇者", "<b>Tom</b> & Jerry"}) {
        game.PlayerName = name;
        choose(Qt::Key_C, Qt::Key_S);
        EXPECT_EQ(stats.lblName->text(), QString::fromUtf8(name));
        // Shown as typed: no markup is interpreted, so the label is as wide as the text.
        EXPECT_GE(stats.lblName->width(),
                  QFontMetrics(stats.lblName->font()).horizontalAdvance(QString::fromUtf8(name)));
        click(stats.lblBACK);
    }
}

TEST_F(CharacterWindows, StatsPortraitIsTheFrontPictureClippedToItsBox)
{
    start();
    press(Qt::Key_Right);  // the map now shows the hero from the side
    choose(Qt::Key_C, Qt::Key_S);
    const frmStats& stats = window->statsWindow();
    EXPECT_EQ(stats.charpic->geometry(), QRect(16, 16, 57, 57));
    const QImage& portrait = stats.charpic->canvas().image();
    ASSERT_EQ(portrait.size(), QSize(57, 57));
    // HD is 42 x 58: its top 57 rows unscaled at the left, black beside them.
    EXPECT_EQ(portrait.copy(0, 0, 42, 57), window->HD().picture().copy(0, 0, 42, 57));
    QImage black(15, 57, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(portrait.copy(42, 0, 15, 57), black);
}

TEST_F(CharacterWindows, StatsLayout)
{
    start();
    choose(Qt::Key_C, Qt::Key_S);
    const frmStats& s = window->statsWindow();
    EXPECT_EQ(s.windowTitle(), "Stats");
    EXPECT_EQ(s.size(), QSize(462, 412));
    const int px = FontPx::Large;
    expectLabel(s.Label1, "NAME : ", {8, 88}, Qt::blue, px);
    expectLabel(s.label3, "MAX HEALTH :", {8, 120}, Qt::blue, px);
    expectLabel(s.Label2, "CURRENT HEALTH :", {8, 152}, Qt::blue, px);
    expectLabel(s.Label4, "STRENGTH :", {8, 184}, Qt::blue, px);
    expectLabel(s.Label5, "DEFENSE :", {8, 216}, Qt::blue, px);
    expectLabel(s.Label6, "LEVEL :", {8, 248}, Qt::blue, px);
    expectLabel(s.Label7, "EXPERIENCE :", {8, 280}, Qt::blue, px);
    expectLabel(s.Label8, "TO NEXT LEVEL :", {8, 312}, Qt::blue, px);
    expectLabel(s.lblBACK, "BACK", {192, 368}, Qt::green, FontPx::Huge);
    // Each value stands to the right of its caption, in the caption's row.
    const std::pair<const Label*, const Label*> pairs[] = {
        {s.Label1, s.lblName}, {s.label3, s.lblMHP}, {s.Label2, s.lblCHP},
        {s.Label4, s.lblStrength}, {s.Label5, s.lblDefense}, {s.Label6, s.lblLevel},
        {s.Label7, s.lblExperience}, {s.Label8, s.lblToNextLevel},
    };
    for (const auto& [caption, value] : pairs) {
        EXPECT_LE(caption->geometry().right(), value->x()) << value->objectName().toStdString();
        EXPECT_EQ(caption->y(), value->y());
    }
    EXPECT_EQ(s.lblName->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(s.lblLevel->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(CharacterWindows, AboutShowsTheCredits)
{
    start();
    choose(Qt::Key_A);
    const frmAbout& a = window->aboutWindow();
    EXPECT_TRUE(a.isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(a.windowTitle(), "ABOUT");
    EXPECT_EQ(a.size(), QSize(418, 335));
    const int px = FontPx::Medium;
    expectLabel(a.Label1, "MIREWALK - BY KORVANDEL!!", {16, 8}, Qt::red, FontPx::Large);
    expectLabel(a.Label2, "CRAPPY 2 MINUTE MSPAINT DRAWINGS -", {16, 48}, Qt::blue, px);
    expectLabel(a.Label3, "BY KORVANDEL!!", {16, 72}, Qt::red, px);
    expectLabel(a.Label4, "GREAT MONSTER IDEAS -", {16, 112}, Qt::green, px);
    expectLabel(a.Label5, "By Pellamund and Odrisk!!!", {16, 136}, Qt::red, px);
    expectLabel(a.Label6, "PLOT IDEA IN THE MAKING -", {16, 176}, Qt::yellow, px);
    expectLabel(a.Label7, "BY BRISKEL!!!!", {16, 200}, Qt::red, px);
    expectLabel(a.lblBack, "BACK", {168, 272}, Qt::blue, FontPx::Huge);
    EXPECT_LE(a.Label2->geometry().right(), 418);  // the widest line fits the window
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
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.endStatus, -1);
}

TEST_F(CharacterWindows, ExitEndsTheGameOnlyAfterItsBoxEvenWithHiddenWindows)
{
    start();
    click(openInventory(Stone).BCK);
    choose(Qt::Key_C, Qt::Key_S);
    click(window->statsWindow().lblBACK);
    choose(Qt::Key_A);
    click(window->aboutWindow().lblBack);

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
    EXPECT_FALSE(window->inventoryWindow().isVisible());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// Leaving a secondary window, by its BACK label or by its frame.
struct Leaving {
    const char* window;
    Qt::Key menu;
    Qt::Key entry;
    const char* back;
    bool byFrame;
};

class LeavingAWindow : public CharacterWindows, public ::testing::WithParamInterface<Leaving> {
};

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
    QWidget* opened = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == leaving.window && top->isVisible())
            opened = top;
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(mapImage(), side);  // nothing is drawn while the map is hidden

    if (leaving.byFrame)
        opened->close();
    else
        click(opened->findChild<Label*>(leaving.back));
    EXPECT_FALSE(opened->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(mapImage(), front);
    EXPECT_EQ(boxes(), "30 52 1");
    EXPECT_EQ(dialogs.endStatus, -1);

    // The window is kept: the next opening shows the same one again.
    choose(leaving.menu, leaving.entry);
    EXPECT_TRUE(opened->isVisible());
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        windows += top->objectName() == leaving.window;
    EXPECT_EQ(windows, 1);
}

INSTANTIATE_TEST_SUITE_P(
    ByBackOrFrame, LeavingAWindow,
    ::testing::Values(Leaving{"frmInventory", Qt::Key_C, Qt::Key_I, "BCK", false},
                      Leaving{"frmInventory", Qt::Key_C, Qt::Key_I, "BCK", true},
                      Leaving{"frmStats", Qt::Key_C, Qt::Key_S, "lblBACK", false},
                      Leaving{"frmStats", Qt::Key_C, Qt::Key_S, "lblBACK", true},
                      Leaving{"frmAbout", Qt::Key_A, Qt::Key_unknown, "lblBack", false},
                      Leaving{"frmAbout", Qt::Key_A, Qt::Key_unknown, "lblBack", true}),
    [](const auto& info) {
        return std::string(info.param.window) + (info.param.byFrame ? "ByFrame" : "ByBack");
    });
