// Seeded random actions through the real windows: arrow keys, the boxes
// taking the focus and typed into, every menu entry by keyboard and by mouse,
// every battle command, every Equip and BACK, and windows closed through
// their frames. After every action the windows' invariants must hold: one
// window shown, no menu left open, the boxes showing the game's numbers, the
// map view on the screen the same to the pixel as a whole redraw of the hero
// at its place, no run-time error. The player keeps a way for a while, so the
// walks cross to all four maps and meet their stops.
//
// Two ways to play: many games, where a death, Exit or closing the map starts
// a new game, and one long game, where the player never chooses Exit or
// closes the map and runs from a battle that could kill the hero.
//
// CTest plays 5,000 actions each way. The long run, one game:
//   MIREWALK_SOAK_ACTIONS=100000 build/tests/window_tests --gtest_filter='Soak.OneLongGame*'
// (--gtest_filter='Soak.*' plays both ways; MIREWALK_SOAK_SEED picks another
// seeded sequence of actions.) The memory a long game and many real message
// boxes take is a figure of the benchmark.

#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

#include "GameFixture.h"
#include "pictures/BuiltInPictures.h"
#include "windows/QtDialogs.h"

using namespace mirewalk;

namespace {

// A whole number from the environment, or fallback when it is not set.
int setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

class Soak : public GameFixture {
protected:
    std::mt19937 chooser{static_cast<std::mt19937::result_type>(setting("MIREWALK_SOAK_SEED", 6))};
    std::deque<std::string> trail;    // the latest actions, for the failure report
    std::map<std::string, int> done;  // how often each action was taken
    bool typedInto[3] = {};           // XPOS, YPOS, MNO hold text the player typed
    bool oneGame = false;             // the player never ends the game
    const BuiltInPictures& sprites = loadBuiltInPictures();
    Facing facing = Facing::Front;  // the way the map last drew the hero
    int heading = 0;                // the arrow the player walks with
    int games = 1;

    // A number from 0 to n - 1.
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(chooser); }

    // Keeps an action in the trail of the latest ones.
    void note(const std::string& action)
    {
        ++done[action];
        trail.push_back(action);
        if (trail.size() > 12)
            trail.pop_front();
    }

    // What the event loop does between two actions of the player, deferred
    // deletes included.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The player clicks a window before using its menu or keys, if it is not active.
    static void activate(QWidget* window)
    {
        if (!window->isActiveWindow())
            QApplication::setActiveWindow(window);
    }

    // The one window of the game that is shown, or the number shown when not one.
    std::pair<QWidget*, int> shownWindow() const
    {
        QWidget* shown = nullptr;
        int count = 0;
        for (const char* name : {"frmGame", "Battle", "frmInventory", "frmStats", "frmAbout"}) {
            QWidget* top = screenNamed(name);
            if (top && top->isVisible()) {
                shown = top;
                ++count;
            }
        }
        return {shown, count};
    }

    // A fresh game after an end: new state, random source, dialogs and windows.
    void restart()
    {
        windows.reset();
        game = Game();
        random = Random();
        dialogs = ScriptedDialogs();
        typedInto[0] = typedInto[1] = typedInto[2] = false;
        facing = Facing::Front;
        ++games;
        start();
        note("new game");
    }

    // ---- Actions on the map ----

    // An arrow key on whatever has the focus: the map view, or a box.
    void arrowKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
        if (pick(10) == 0)  // the player keeps a way for a while, so walks reach every map
            heading = pick(4);
        const Qt::Key key = keys[heading];
        note("arrow " + std::to_string(key - Qt::Key_Left));
        activate(mapWindow);
        const bool onMap = QApplication::focusWidget() == mapView();
        const int16_t mapNo = game.MapNo;
        QTest::keyClick(QApplication::focusWidget(), key);
        if (!onMap)
            return;
        facing = key == Qt::Key_Up || key == Qt::Key_Down ? Facing::Front : Facing::Side;
        // The step wrote its coordinate's box, and MNO at a crossing.
        typedInto[key == Qt::Key_Up || key == Qt::Key_Down ? 1 : 0] = false;
        if (game.MapNo != mapNo)
            typedInto[2] = false;
    }

    // Tab, a click on a box or on the map, or typing into the focused box.
    void focusOrTypeIntoABox()
    {
        TextBox* boxes[] = {element<TextBox>("frmGame", "XPOS"),
                            element<TextBox>("frmGame", "YPOS"), element<TextBox>("frmGame", "MNO")};
        activate(mapWindow);
        switch (pick(4)) {
        case 0:
            note("tab");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            return;
        case 1: {
            const int box = pick(3);
            note("click box " + std::to_string(box));
            click(boxes[box]);
            return;
        }
        case 2:
            note("click map");
            click(mapView());
            return;
        }
        for (int box = 0; box < 3; ++box) {
            if (QApplication::focusWidget() == boxes[box]) {
                note("type into box " + std::to_string(box));
                QTest::keyClicks(boxes[box], "7-");
                typedInto[box] = true;
            }
        }
    }

    // A menu entry by keyboard (Alt, the menu's key, the entry's key) or by mouse.
    void menuEntry()
    {
        struct Entry {
            Qt::Key menu, key;
            QAction* action;
        };
        const Entry entries[] = {
            {Qt::Key_G, Qt::Key_S, element<QAction>("frmGame", "mnuSave")},
            {Qt::Key_G, Qt::Key_L, element<QAction>("frmGame", "mnuLoad")},
            {Qt::Key_G, Qt::Key_E, element<QAction>("frmGame", "mnuExit")},
            {Qt::Key_C, Qt::Key_S, element<QAction>("frmGame", "mnuStats")},
            {Qt::Key_C, Qt::Key_I, element<QAction>("frmGame", "mnuinventory")},
            {Qt::Key_A, Qt::Key_unknown, element<QAction>("frmGame", "mnuAbout")},
        };
        // Exit ends the game: chosen seldom, so that games last, and never in one game.
        int chosen = pick(6);
        if (chosen == 2 && (oneGame || pick(20) != 0))
            chosen = 0;
        const Entry& entry = entries[chosen];
        const bool byMouse = pick(2) == 1;
        note((byMouse ? "mouse menu " : "key menu ") + entry.action->text().toStdString());
        activate(mapWindow);
        if (!byMouse) {
            choose(entry.menu, entry.key);
            return;
        }
        auto* bar = mapWindow->findChild<QMenuBar*>();
        if (entry.key == Qt::Key_unknown) {  // About acts at once
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry.action).center());
            return;
        }
        QAction* menu = static_cast<QMenu*>(entry.action->parent())->menuAction();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr) << "the menu of " << entry.action->text().toStdString()
                                  << " did not open";
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry.action).center());
    }

    // One action on the map window, mostly steps.
    void actOnMap()
    {
        const int choice = pick(20);
        if (choice < 15)
            arrowKey();
        else if (choice < 17)
            focusOrTypeIntoABox();
        else if (choice < 19)
            menuEntry();
        else if (!oneGame && pick(50) == 0) {  // closing ends the game: seldom, so that games last
            note("close map");
            mapWindow->window()->close();
        }
    }

    // ---- Actions on the other windows ----

    // Clicks a label with the mouse, or presses its key.
    void clickLabel(Label* label)
    {
        const QString key = label->accessibleDescription().remove(QStringLiteral("Key: "));
        if (!key.isEmpty() && pick(2) == 0) {
            note("key " + key.toStdString() + " for " + label->objectName().toStdString());
            activate(label->window());
            QTest::keyClick(label->window(), QKeySequence(key)[0].key());
            return;
        }
        note("click " + label->objectName().toStdString());
        click(label);
    }

    // A battle command (the close-ranged attack twice as often), or the frame's
    // close. In one game the hero runs, by RUN or the frame, from a monster
    // whose next blow could kill it.
    void actInBattle(QWidget& b)
    {
        Label* labels[6];
        const char* names[] = {"lblCRA", "lblCRA", "lblAttack", "lblDefend", "lblITEM", "lblRUN"};
        for (int i = 0; i < 6; ++i)
            labels[i] = element<Label>("Battle", names[i]);
        const bool flee = oneGame && game.CurHP <= game.currentMonster().Attack - game.Defense;
        const int choice = flee ? 5 + pick(2) : pick(7);
        if (choice == 6) {
            note("close battle");
            b.window()->close();
        } else if (labels[choice]->isVisible()) {
            clickLabel(labels[choice]);
        }
    }

    // An Equip, BACK, the frame's close, or a click on a row of a list.
    void actInInventory(QWidget& inventory)
    {
        const auto label = [](const char* name) { return element<Label>("frmInventory", name); };
        switch (pick(7)) {
        case 0: clickLabel(label("lblEquipA")); return;
        case 1: clickLabel(label("lblEquipCR")); return;
        case 2: clickLabel(label("lblEquipLR")); return;
        case 3: clickLabel(label("BCK")); return;
        case 4:
            note("close inventory");
            inventory.window()->close();
            return;
        }
        const char* lists[] = {"CR", "ARMOUR", "MISC"};
        ListBox* list = element<ListBox>("frmInventory", lists[pick(3)]);
        if (list->count() == 0)
            return;
        QListWidgetItem* row = list->item(pick(list->count()));
        note("select a row of " + list->objectName().toStdString());
        list->scrollToItem(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
    }

    // Leaves the stats or credits window by BACK or through its frame.
    void leave(QWidget& shown, const char* back)
    {
        if (pick(2) == 0) {
            clickLabel(shown.findChild<Label*>(QLatin1String(back)));
        } else {
            note("close " + shown.objectName().toStdString());
            shown.window()->close();
        }
    }

    // One action of the player on the window shown.
    void act()
    {
        QWidget& shown = *shownWindow().first;
        const QString name = shown.objectName();
        if (name == "frmGame")
            actOnMap();
        else if (name == "Battle")
            actInBattle(shown);
        else if (name == "frmInventory")
            actInInventory(shown);
        else
            leave(shown, name == "frmStats" ? "lblBACK" : "lblBack");
    }

    // ---- The run ----

    std::map<std::string, int> visits, ends;  // actions taken in each window; how games ended

    // Plays the actions from a new game, checking the invariants after each.
    // An end starts a new game, except in one game, which must not end.
    void play(int actions)
    {
        start();
        for (int n = 1; n <= actions; ++n) {
            QWidget* before = shownWindow().first;
            ++visits[before->objectName().toStdString()];
            act();
            settle();
            if (before != mapWindow)  // a return to the map draws the hero from the front
                facing = Facing::Front;
            ++visits["map " + std::to_string(game.MapNo)];
            const std::string wrong = broken();
            ASSERT_TRUE(wrong.empty()) << "after action " << n << " of game " << games << ": "
                                       << wrong << "\nlatest actions: " << trailText();
            dialogs.messages.clear();  // all seen: kept, they would grow over a long game
            if (dialogs.ended()) {
                ASSERT_FALSE(oneGame) << "the game ended after action " << n << ": " << trailText();
                ASSERT_EQ(dialogs.endStatus, 0) << trailText();
                ++ends[trail.back()];
                restart();
            }
        }
    }

    // The run reached every window and took every action that does not end a game.
    void expectEveryWindowAndAction()
    {
        for (const char* name : {"frmGame", "Battle", "frmInventory", "frmStats", "frmAbout",
                                 "map 1", "map 2", "map 3", "map 4"})
            EXPECT_GT(visits[name], 0) << name;
        const QString actions = QStringLiteral(
            "click lblCRA, click lblAttack, click lblDefend, click lblITEM, click lblRUN, "
            "close battle, click lblEquipA, click lblEquipCR, click lblEquipLR, click BCK, "
            "close inventory, select a row of CR, click lblBACK, close frmStats, "
            "click lblBack, close frmAbout, tab, click box 0, click map, type into box 0, "
            "key menu &Save Game, mouse menu &Save Game, key menu &Load Game, "
            "mouse menu &Load Game, key menu &Stats, mouse menu &Stats, key menu &Inventory, "
            "mouse menu &Inventory, key menu &About, mouse menu &About, key C for lblCRA, "
            "key L for lblAttack, key R for lblRUN, key A for lblEquipA, key C for lblEquipCR, "
            "key L for lblEquipLR, key Esc for BCK, key Esc for lblBACK, key Esc for lblBack");
        for (const QString& action : actions.split(QStringLiteral(", ")))
            EXPECT_GT(done[action.toStdString()], 0) << action.toStdString();
    }

    // ---- The invariants ----

    // What is wrong after an action, or nothing. The invariants of the game
    // state itself (the hero inside the maps, StepCount, health) are the rules'
    // and held by the rules fuzzer; these are the windows' own.
    std::string broken() const
    {
        std::ostringstream out;
        const Game& g = game;
        if (const auto [screen, count] = shownWindow(); count != 1)
            out << count << " windows shown; ";
        else if (screen->window()->windowTitle() != screen->windowTitle()
                 || screen->window()->size() != screen->size())
            out << "the game window has not the title and size of the screen shown; ";
        if (QApplication::activePopupWidget())
            out << "a menu left open; ";
        // The map view on the screen shows what a whole redraw of the same state shows.
        if (mapWindow->isVisible()) {
            Canvas whole(mapView()->size());
            whole.setPicture(mapView()->canvas().picture());
            drawHero(whole, sprites.sprites(facing), game);
            const QRect view(mapView()->mapTo(mapWindow->window(), QPoint()), mapView()->size());
            const QPixmap shown = mapWindow->screen()->grabWindow(
                mapWindow->window()->winId(), view.x(), view.y(), view.width(), view.height());
            if (shown.toImage().convertToFormat(QImage::Format_RGB32) != whole.image())
                out << "the map view differs from a whole redraw; ";
        }
        const long long values[] = {g.PlayerX, g.PlayerY, g.MapNo};
        const TextBox* boxes[] = {element<TextBox>("frmGame", "XPOS"),
                                  element<TextBox>("frmGame", "YPOS"),
                                  element<TextBox>("frmGame", "MNO")};
        for (int box = 0; box < 3; ++box) {
            if (!typedInto[box] && boxes[box]->text() != QString::number(values[box]))
                out << boxes[box]->objectName().toStdString() << " shows "
                    << boxes[box]->text().toStdString() << " for " << values[box] << "; ";
        }
        for (const std::string& message : dialogs.messages)
            if (message.rfind("Run-time error", 0) == 0)
                out << message << "; ";
        return out.str();
    }

    // The latest actions, oldest first.
    std::string trailText() const
    {
        std::string text;
        for (const std::string& action : trail)
            text += action + " / ";
        return text;
    }
};

}  // namespace

TEST_F(Soak, RandomActionsThroughTheRealWindowsKeepEveryInvariant)
{
    const int actions = setting("MIREWALK_SOAK_ACTIONS", 5000);
    ASSERT_NO_FATAL_FAILURE(play(actions));
    std::cout << games << " games in " << actions << " actions\n";
    for (const auto& [what, count] : visits)
        std::cout << "  " << count << " actions in " << what << "\n";
    for (const auto& [what, count] : ends)
        std::cout << "  " << count << " games ended by " << what << "\n";
    expectEveryWindowAndAction();
}

TEST_F(Soak, OneLongGameKeepsEveryInvariant)
{
    oneGame = true;
    const int actions = setting("MIREWALK_SOAK_ACTIONS", 5000);
    ASSERT_NO_FATAL_FAILURE(play(actions));
    std::cout << "one game of " << actions << " actions: the hero at level " << game.Level
              << " with " << game.CurHP << " of " << game.MaxHP << " HP\n";
    expectEveryWindowAndAction();
}

TEST_F(Soak, RealMessageBoxesAreAnsweredThroughTheDialog)
{
    const int boxes = 200;
    int answered = 0;  // the prompt, then a box for each Save, each by Enter once it shows
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&answered] {
        QWidget* open = QApplication::activeModalWidget();
        if (open && open->isActiveWindow() && open->windowHandle()->isExposed()) {
            const auto* box = qobject_cast<QMessageBox*>(open);
            EXPECT_EQ(box ? box->text() : QString(), answered ? "Not implemented yet" : "");
            ++answered;
            QTest::keyClick(open, Qt::Key_Return);
        }
    });
    player.start(1);
    QtDialogs real;
    Services withRealDialogs{random, real, dialogs, pictures};
    start(withRealDialogs);
    for (int box = 1; box <= boxes; ++box) {
        ASSERT_NO_FATAL_FAILURE(choose(Qt::Key_G, Qt::Key_S));
        ASSERT_EQ(answered, box + 1) << "box " << box << " was not answered";
    }
    windows.reset();  // before the dialogs it was given
}
