#pragma once
// The battle window: the hero and the monster with their hit points, the
// report of the latest exchange and the commands as coloured labels, shown in
// the game window in place of the map. Built hidden the first time a monster
// is met, then only shown and hidden, so its elements keep their contents from
// one battle to the next.

#include "widgets/Screen.h"

class QPlainTextEdit;

namespace mirewalk {

struct BuiltInPictures;
struct Game;
struct MonsterPicture;
struct Services;
class Label;
class Navigator;
class PictureView;

class BattleWindow : public Screen {
    Q_OBJECT
public:
    // The size of its client area, the largest of the game's windows.
    static constexpr QSize ClientSize{643, 561};

    // Builds the window, hidden; it shows the hero and E.T with pictures,
    // and leaves for the map through navigator.
    BattleWindow(Game& game, Services& services, const BuiltInPictures& pictures,
                 Navigator& navigator);

    // The picture of the monster rolled: its file read from the program's
    // folder, or E.T's built-in picture; none when no kind was rolled.
    QImage pictureOf(const MonsterPicture& monster) const;
    // What meeting a monster shows once the window is open: the messages
    // emptied, the monster's picture (a null one keeps the picture shown),
    // the long-ranged attack once its weapon is on, "MONSTER HAS APPEARED",
    // then the hit points, the monster's name and the hero's picture.
    void meetMonster(const QImage& picture);

private:
    // The commands, which addCommand runs behind the guard for run-time
    // errors, and only while their labels show: a late click after the battle
    // has ended fights no monster again.
    void attackLongRange();
    void attackCloseRange();
    void runAway();
    // Writes the hero's CurHP and the monster's HP.
    void showHitPoints();

    Game& game_;
    Services& services_;
    const BuiltInPictures& builtIn_;
    Navigator& navigator_;
    Label* heroHitPoints_;
    Label* monsterHitPoints_;
    Label* monsterName_;
    PictureView* heroPicture_;
    PictureView* monsterPicture_;
    QPlainTextEdit* report_;
    Label* longRangeAttack_;
};

}  // namespace mirewalk
