#pragma once
// The statistics window: the hero's portrait, name and numbers, and BACK to
// the map.

#include "windows/MenuWindow.h"

namespace mirewalk {

struct Game;
class PictureView;

class StatsWindow : public MenuWindow {
    Q_OBJECT
public:
    // Builds the window, hidden, with the value labels empty; its portrait is
    // the picture of heroFront.
    StatsWindow(const Game& game, Services& services, const QImage& heroFront, Navigator& navigator);

    // What every opening does once the window is shown: puts the hero's
    // front picture into the portrait and writes every value afresh.
    void showHero();

private:
    const Game& game_;
    const QImage& heroFront_;
    PictureView* portrait_;
    Label* name_;
    Label* maxHealth_;
    Label* health_;
    Label* strength_;
    Label* defense_;
    Label* level_;
    Label* experience_;
    Label* nextLevel_;
};

}  // namespace mirewalk
