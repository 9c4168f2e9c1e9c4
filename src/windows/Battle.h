#pragma once
// The battle window: the hero and the monster with their hit points, the
// report of the latest exchange and the commands as coloured labels. Created
// hidden the first time a battle touches it, then only shown and hidden, so
// its elements keep their contents from one battle to the next.

#include "pictures/BuiltInPictures.h"
#include "state/Game.h"
#include "widgets/GameWindow.h"
#include "widgets/Label.h"
#include "widgets/PictureView.h"
#include "windows/Navigator.h"
#include "windows/Services.h"

class QPlainTextEdit;

namespace mirewalk {

struct MonsterPicture;

class Battle : public GameWindow {
    Q_OBJECT
public:
    // Builds the window, hidden; it shows the hero with HD and the monster
    // "E.T" with EnemyL of pictures, and leaves through navigator.
    Battle(Game& game, Services& services, const BuiltInPictures& pictures, Navigator& navigator);

    // Puts the rolled monster's picture into Picture2.
    void showMonsterPicture(const MonsterPicture& picture);
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
    // Writes the hero's CurHP into lblHP and the monster's HP into lblMHP.
    void showHitPoints();

    Game& game_;
    Services& services_;
    const BuiltInPictures& pictures_;
    Navigator& navigator_;
};

}  // namespace mirewalk
