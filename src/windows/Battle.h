#pragma once
// The battle window: the hero and the monster with their hit points, the
// report of the latest exchange and the commands as coloured labels. Created
// hidden the first time a battle touches it, then only shown and hidden, so
// its elements keep their contents from one battle to the next.

#include <functional>

#include "windows/Widgets.h"

class QPlainTextEdit;
class frmGame;
struct MonsterPicture;

class Battle : public GameWindow {
    Q_OBJECT
public:
    explicit Battle(frmGame& map);

    // A monster shows up: BINFO is emptied, RollMonster picks it and its
    // picture goes into Picture2, then MAppear opens the battle.
    void meetMonster();
    // Opens the battle: the map hidden, this window shown, "MONSTER HAS
    // APPEARED", then the hit points, the name and the hero's picture.
    void MAppear();

    // The commands; each runs behind the guard for run-time errors, and only
    // while the window is shown: a late click after the battle has ended
    // fights no monster again.
    void lblAttack_Click();
    void lblCRA_Click();
    void lblRUN_Click();

    // The window's elements, by the names the game gives them.
    Label* Label1;
    Label* lblHP;
    Label* Label2;
    Label* lblMHP;
    Label* lblMNAME;
    PictureView* Picture1;
    PictureView* Picture2;
    QPlainTextEdit* BINFO;
    Label* lblAttack;
    Label* lblCRA;
    Label* lblDefend;
    Label* lblITEM;
    Label* lblRUN;

private:
    // Puts the rolled monster's picture into Picture2.
    void showMonsterPicture(const MonsterPicture& picture);
    // Writes the hero's CurHP into lblHP and the monster's HP into lblMHP.
    void showHitPoints();
    // Runs a command behind the guard while the window is shown.
    void handle(const std::function<void()>& command);

    frmGame& map_;
};
