#pragma once
// The main window: the map with the hero on it, the position boxes, the menus,
// and the hidden picture stores of the hero sprites and one monster. It opens
// the other windows and takes the player back to the map.

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "pictures/BuiltInPictures.h"
#include "rules/Movement.h"
#include "state/Game.h"
#include "widgets/Label.h"
#include "widgets/PictureView.h"
#include "widgets/TextBox.h"
#include "windows/Navigator.h"
#include "windows/Services.h"

class QAction;

namespace mirewalk {

class Battle;
class frmAbout;
class frmInventory;
class frmStats;

class frmGame : public QMainWindow, public Navigator, private StepScreen {
    Q_OBJECT
public:
    // Builds the window, reads the built-in pictures and runs Form_Load: the
    // start of a new game.
    frmGame(Game& game, Services& services);
    ~frmGame() override;

    void open(QWidget& window) override;
    void returnToMap(QWidget& window) override;
    // Shows a window, not modally, and gives it the keyboard focus.
    static void showActive(QWidget& window);

    // The other windows, each created hidden the first time it is touched,
    // then kept.
    Battle& battle();
    frmInventory& inventoryWindow();
    frmStats& statsWindow();
    frmAbout& aboutWindow();

    // The picture stores of the hero sprites and EnemyL.
    const BuiltInPictures& pictures() const { return pictures_; }
    // Clears the map view to its picture and paints the hero facing that way.
    void redrawHero(Facing facing);

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

    // A key pressed while the map view has the focus: an arrow takes a step.
    void Map_KeyDown(int keyCode);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void buildMenus();

    // What a step shows (StepScreen).
    void showCoordinate(Direction direction) override;
    void loadMapPicture(const char* file) override;
    void showMapNo() override;
    void clearBattleMessages() override;
    void openBattle(const MonsterPicture& picture) override;
    void drawHero(Facing facing) override { redrawHero(facing); }

    // The Game, Character and About menus.
    void mnuSave_Click();
    void mnuLoad_Click();
    void mnuExit_Click();
    void mnuStats_Click();
    void mnuinventory_Click();
    void mnuAbout_Click();

    Game& game_;
    Services& services_;
    BuiltInPictures pictures_;
    std::unique_ptr<Battle> battle_;
    std::unique_ptr<frmInventory> inventory_;
    std::unique_ptr<frmStats> stats_;
    std::unique_ptr<frmAbout> about_;
    QPointer<QWidget> focusBeforeLeaving_;  // the map's focus when another window opened
};

}  // namespace mirewalk
