#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

#include "GameFixture.h"
#include "Pixels.h"
#include "rules/Encounter.h"
#include "windows/QtDialogs.h"

using namespace mirewalk;

using MapWindowTest = GameFixture;

namespace {

// Every element of top, top included, shows the game's own proportional face.
void expectTheGamesFace(const QWidget* top)
{
    QList<const QWidget*> widgets = top->findChildren<const QWidget*>();
    widgets.prepend(top);
    for (const QWidget* widget : widgets) {
        const QFontInfo face = widget->fontInfo();
        EXPECT_EQ(face.family().toStdString(), "Liberation Sans")
            << widget->metaObject()->className();
        EXPECT_FALSE(face.fixedPitch()) << widget->metaObject()->className();
    }
}

// Sends one key press of a held key, as the keyboard's auto-repeat does.
void repeatKey(QWidget* target, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &press);
}

}  // namespace

TEST_F(MapWindowTest, StartsWithThePromptMapOneAndTheHeroAtItsPlace)
{
    dialogs.name = "Wren";
    start();
    ASSERT_EQ(dialogs.prompts, std::vector<std::string>{"What is your name?"});
    EXPECT_EQ(game.PlayerName, "Wren");
    EXPECT_EQ(random.draws(), 3u);
    EXPECT_EQ(mapWindow->window()->windowTitle(), "MIREWALK MAP SYSTEM - BY KORVANDEL");
    EXPECT_EQ(mapView()->parentWidget()->size(), QSize(583, 454));
    EXPECT_EQ(mapWindow->window()->minimumSize(), mapWindow->window()->maximumSize());
    EXPECT_TRUE(offersNoMaximise(mapWindow->window()));
    // The hero at the sizes a window list draws, on the game window only.
    EXPECT_EQ(mapWindow->window()->windowIcon().availableSizes(),
              QList<QSize>({{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    EXPECT_EQ(boxes(), "30 52 1");
    EXPECT_EQ(QApplication::focusWidget(), mapView())
        << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                        : "none");
    EXPECT_EQ(mapView()->canvas().picture(), pictureFile("Maps/M1.jpg"));

    // The hero stands at (30, 52): its figure changes pixels there and nowhere else.
    const Canvas& map = mapView()->canvas();
    EXPECT_GT(heroPixels(map), 200);
    for (int y = 0; y < 273; ++y) {
        for (int x = 0; x < 326; ++x) {
            if (x < 30 || x >= 72 || y < 52 || y >= 110) {
                ASSERT_EQ(map.image().pixel(x, y), map.picture().pixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(MapWindowTest, LayoutOfLabelsBoxesAndMap)
{
    start();
    const auto label = [](const char* name) { return element<Label>("frmGame", name); };
    EXPECT_EQ(label("Label1")->text(), "XPOS :");
    EXPECT_EQ(label("Label2")->text(), "YPOS :");
    EXPECT_EQ(label("Label3")->text(), "MAP NO :");
    EXPECT_EQ(label("Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(label("Label1")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(layoutFaults(mapWindow), "");
    EXPECT_EQ(element<QAction>("frmGame", "mnuSave")->text(), "&Save Game");
    EXPECT_EQ(element<QAction>("frmGame", "mnuinventory")->text(), "&Inventory");
    EXPECT_EQ(element<QAction>("frmGame", "mnuAbout")->text(), "&About");
    // The menu bar keeps the desktop's colours over the black of the map.
    const auto* bar = mapWindow->findChild<QMenuBar*>();
    EXPECT_EQ(bar->palette().color(QPalette::Window),
              QApplication::palette(bar).color(QPalette::Window));
}

TEST_F(MapWindowTest, EveryWindowMenuAndDialogShowsTheGamesFaceWhateverTheMachinesDefault)
{
    start();
    windows->openInventory();  // each window is built the first time it opens
    windows->openStats();
    windows->openAbout();
    windows->openBattle(MonsterPicture{});
    for (const char* top : {"frmGame", "Battle", "frmInventory", "frmStats", "frmAbout"})
        expectTheGamesFace(screenNamed(top));
    QtDialogs real;  // the real message box and prompt, looked at while open
    for (int dialog = 0; dialog < 2; ++dialog) {
        QTimer::singleShot(0, [] {
            QWidget* open = QApplication::activeModalWidget();
            ASSERT_NE(open, nullptr);
            expectTheGamesFace(open);
            open->close();
        });
        dialog == 0 ? real.message("VICTORY!!!") : (void)real.prompt("What is your name?");
    }
}

TEST_F(MapWindowTest, ArrowKeysWalkTheHeroAndTheBoxesFollow)
{
    start();
    random.feed({LargestBelowOne});  // the sixth step's encounter roll: no monster
    press(Qt::Key_Up);
    EXPECT_EQ(boxes(), "30 37 1");
    press(Qt::Key_Right, 2);
    EXPECT_EQ(boxes(), "60 37 1");
    press(Qt::Key_Down);
    EXPECT_EQ(boxes(), "60 52 1");
    press(Qt::Key_Left, 3);  // 45, 30, then stopped at 30
    EXPECT_EQ(boxes(), "30 52 1");
    const int16_t steps = game.StepCount;
    for (const Qt::Key other :
         {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Home, Qt::Key_PageDown})
        press(other);
    EXPECT_EQ(game.StepCount, steps);
    EXPECT_EQ(boxes(), "30 52 1");
}

TEST_F(MapWindowTest, ArrowsInAFocusedTextBoxMoveNothing)
{
    start();
    press(Qt::Key_Tab);  // the map view is first in the tab order, XPOS next
    TextBox* xBox = element<TextBox>("frmGame", "XPOS");
    ASSERT_EQ(QApplication::focusWidget(), xBox);
    const QImage before = mapImage();
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    QTest::keyClicks(xBox, "99");
    EXPECT_EQ(game.PlayerX, 30);
    EXPECT_EQ(game.PlayerY, 52);
    EXPECT_EQ(game.StepCount, 0);
    EXPECT_EQ(mapImage(), before);
    EXPECT_NE(xBox->text(), "30");  // typed text stays until the game writes the box

    click(mapView());  // the map view takes the focus back
    press(Qt::Key_Right);
    EXPECT_EQ(game.PlayerX, 45);
    EXPECT_EQ(xBox->text(), "45");
}

TEST_F(MapWindowTest, WalkAroundTheSquareShowsEachMap)
{
    start();
    // The encounter rolls of steps 6, 11, 16, 21 and 26 bring no monster.
    random.feed({LargestBelowOne, LargestBelowOne, LargestBelowOne, LargestBelowOne, LargestBelowOne});
    press(Qt::Key_Up, 4);
    EXPECT_EQ(boxes(), "30 273 2");
    EXPECT_EQ(mapView()->canvas().picture(), pictureFile("Maps/M2.jpg"));
    EXPECT_EQ(heroPixels(mapView()->canvas()), 0);  // wholly below the picture
    press(Qt::Key_Up);
    EXPECT_EQ(boxes(), "30 258 2");
    EXPECT_GT(heroPixels(mapView()->canvas()), 0);  // its top rows show

    press(Qt::Key_Right, 20);
    EXPECT_EQ(element<TextBox>("frmGame", "MNO")->text(), "3");
    EXPECT_EQ(mapView()->canvas().picture(), pictureFile("Maps/M3.jpg"));
    press(Qt::Key_Down);
    EXPECT_EQ(element<TextBox>("frmGame", "MNO")->text(), "4");
    EXPECT_EQ(mapView()->canvas().picture(), pictureFile("Maps/M4.jpg"));
    press(Qt::Key_Left, 1);
    EXPECT_EQ(element<TextBox>("frmGame", "MNO")->text(), "1");
    EXPECT_EQ(mapView()->canvas().picture(), pictureFile("Maps/M1.jpg"));
    EXPECT_EQ(boxes(), "326 0 1");
}

TEST_F(MapWindowTest, AMapThatCannotBeReadIsReportedAtItsCrossingWhichGoesNoFurther)
{
    startWithACutPicture("Maps/M2.jpg");
    std::string boxesUnderTheReport;
    dialogs.onMessage = [&](const std::string&) { boxesUnderTheReport = boxes(); };
    press(Qt::Key_Up, 4);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Run-time error '481':\n\nInvalid picture: "
                                       + copy.filePath("Maps/M2.jpg").toStdString()});
    EXPECT_EQ(dialogs.endStatus, 1);
    EXPECT_EQ(boxesUnderTheReport, "30 -8 1");  // map 2 was not entered
    EXPECT_EQ(game.StepCount, 3);
}

TEST_F(MapWindowTest, ClosingTheWindowThroughItsFrameEndsTheGame)
{
    start();
    mapWindow->window()->close();
    EXPECT_EQ(dialogs.endStatus, 0);
}

TEST_F(MapWindowTest, SaveAndLoadOnlySayTheyAreNotImplemented)
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

TEST_F(MapWindowTest, ExitEndsTheGameOnlyAfterItsBox)
{
    start();
    int statusWhileOpen = 0;
    dialogs.onMessage = [&](const std::string&) { statusWhileOpen = dialogs.endStatus; };
    choose(Qt::Key_G, Qt::Key_E);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Thank you for playing!"});
    EXPECT_EQ(statusWhileOpen, -1);
    EXPECT_EQ(dialogs.endStatus, 0);
}

// ---- Keys held down ----

using HeldKey = GameFixture;

TEST_F(HeldKey, EveryRepeatIsOneStepAndTheBoxesFollow)
{
    start();
    game.EncountersOn = 0;  // no checks, so StepCount counts every step
    int steps = 0;
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}) {
        for (int i = 0; i < 2500; ++i) {
            repeatKey(mapView(), key);
            ASSERT_EQ(game.StepCount, ++steps);
            ASSERT_EQ(boxes(),
                      (std::to_string(game.PlayerX) + ' ' + std::to_string(game.PlayerY) + ' '
                       + std::to_string(game.MapNo)));
        }
    }
    // Round the square and back to map 1, at the stops of its lower left corner.
    EXPECT_EQ(boxes(), "30 167 1");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HeldKey, ABattleOpensAtItsStepAndTheHiddenMapTakesNoMoreKeys)
{
    start();
    // Nine quiet checks, then the tenth meets a Snake.
    for (int check = 0; check < 9; ++check)
        random.feed({LargestBelowOne});
    random.feed({0.0f, drawFor(1, 5, 1), 0.0f, 0.0f, 0.0f});
    int repeats = 0;
    while (mapWindow->isVisible() && repeats < 10000) {
        repeatKey(mapView(), Qt::Key_Right);
        ++repeats;
    }
    EXPECT_EQ(random.pending(), 0u);  // the tenth check met it
    const auto atTheBattle = stateOf(game);
    const std::size_t draws = random.draws();
    const int16_t x = game.PlayerX;

    for (int i = repeats; i < 10000; ++i)
        repeatKey(mapView(), Qt::Key_Right);
    EXPECT_EQ(stateOf(game), atTheBattle);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"MONSTER HAS APPEARED"});
    EXPECT_TRUE(battle().isVisible());
    EXPECT_FALSE(mapWindow->isVisible());

    click(element<Label>("Battle", "lblRUN"));  // back on the map the held key walks again
    QApplication::setActiveWindow(mapWindow);
    repeatKey(mapView(), Qt::Key_Left);
    EXPECT_EQ(game.PlayerX, x - 15);
}
