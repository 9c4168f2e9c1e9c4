#pragma once
// The statistics window: the hero's portrait, name and numbers, and BACK to
// the map.

#include "state/Game.h"
#include "widgets/PictureView.h"
#include "windows/CharacterWindow.h"

namespace mirewalk {

class frmStats : public CharacterWindow {
public:
    // Builds the window, hidden, with the value labels empty; its portrait is
    // the picture of HD.
    frmStats(const Game& game, Dialogs& dialogs, const Canvas& HD, Navigator& navigator);

    // What every opening does once the window is shown: puts the hero's
    // front picture into charpic and writes every value afresh.
    void showHero();

    PictureView* charpic;
    Label* Label1;
    Label* lblName;
    Label* label3;
    Label* lblMHP;
    Label* Label2;
    Label* lblCHP;
    Label* Label4;
    Label* lblStrength;
    Label* Label5;
    Label* lblDefense;
    Label* Label6;
    Label* lblLevel;
    Label* Label7;
    Label* lblExperience;
    Label* Label8;
    Label* lblToNextLevel;
    Label* lblBACK;

private:
    const Game& game_;
    const Canvas& HD_;
};

}  // namespace mirewalk
