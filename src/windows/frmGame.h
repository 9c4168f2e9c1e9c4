#pragma once
// The main window: the map with the hero on it, the position boxes, the menus,
// and the hidden picture stores of the hero sprites and one monster.

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "platform/Services.h"
#include "rules/DrawHero.h"
#include "rules/Movement.h"
#include "state/Game.h"
#include "windows/Widgets.h"

class QAction;
class Battle;
class frmAbout;
class frmInventory;
class frmStats;

class frmGame : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs Form_Load: the start of a new game.
    frmGame(Game& game, Services& services);
    ~frmGame() override;

    enum class Pair { Front, Side };
    // Clears the map view to its picture and paints the hero with the pair.
    void DrawHero(Pair pair);

    // Leaves a secondary window: hides it, shows the map again and draws the
    // hero from the front.
    void returnToMap(QWidget& window);
    // Opens a secondary window: hides the map and shows window, not modally.
    void openWindow(QWidget& window);
    // Shows a window, not modally, and gives it the keyboard focus.
    static void showActive(QWidget& window);

    // The other windows, each created hidden the first time it is touched,
    // then kept.
    Battle& battle();
    frmInventory& inventoryWindow();
    frmStats& statsWindow();
    frmAbout& aboutWindow();

    Game& game() { return game_; }
    Services& services() { return services_; }

    // Picture stores read by the other windows.
    const Canvas& HD() const { return HD_; }
    const Canvas& EnemyL() const { return EnemyL_; }

    // The window's elements, by the names the game gives them.
    Label* Label1;
    Label* Label2;
    Label* Label3;
    TextBox* XPOS;
    TextBox* YPOS;
    TextBox* MNO;
    PictureView* Map;
    QAction* mnuSave;
    QAction* mnuLoad;
    QAction* mnuExit;
    QAction* mnuStats;
    QAction* mnuinventory;
    QAction* mnuAbout;

    // A key pressed while the map view has the focus.
    void Map_KeyDown(int keyCode);
    // One step of the hero in each direction.
    void MUP() { step(Direction::Up); }
    void MDOWN() { step(Direction::Down); }
    void MLEFT() { step(Direction::Left); }
    void MRIGHT() { step(Direction::Right); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void step(Direction direction);
    void buildMenus();
    // Runs an event handler behind the guard for run-time errors.
    void handle(const std::function<void()>& handler);
    // Runs a key or menu command behind the guard, while the map is shown.
    void command(const std::function<void()>& handler);

    // The Game, Character and About menus.
    void connectMenus();
    void mnuSave_Click();
    void mnuLoad_Click();
    void mnuExit_Click();
    void mnuStats_Click();
    void mnuinventory_Click();
    void mnuAbout_Click();

    Game& game_;
    Services& services_;
    Canvas HD_;
    Canvas HDmask_;
    Canvas LR_;
    Canvas LRmask_;
    Canvas EnemyL_;
    std::unique_ptr<Battle> battle_;
    std::unique_ptr<frmInventory> inventory_;
    std::unique_ptr<frmStats> stats_;
    std::unique_ptr<frmAbout> about_;
    QPointer<QWidget> focusBeforeLeaving_;  // the map's focus when another window opened
};
