#pragma once
// The map window: the map with the hero on it, the boxes of its position and,
// above them, the Game, Character and About menus. An arrow key on the map
// takes a step; the menus open the other screens through the navigator.
// Closing the game window while the map shows ends the game.

#include "rules/Movement.h"
#include "widgets/Screen.h"

namespace mirewalk {

struct BuiltInPictures;
struct Game;
struct Services;
class Navigator;
class MapView;
class TextBox;

class MapWindow : public Screen, private StepScreen {
    Q_OBJECT
public:
    // Builds the window, hidden; it draws the hero with the sprites of
    // pictures and opens the other windows through navigator.
    MapWindow(Game& game, Services& services, const BuiltInPictures& pictures, Navigator& navigator);

    // Starts a new game for the hero named name: the first map shown, the
    // hero's start values and rolls, the boxes written and the hero drawn from the front.
    void startGame(const std::string& name);
    // Puts the whole map view back to its picture, draws the hero at its
    // place facing that way and repaints the view.
    void redrawMap(Facing facing);

private:
    // The Game, Character and About menus, on a menu bar of their own.
    QWidget* buildMenus();
    // A key pressed while the map view has the focus: an arrow takes a step.
    void takeKey(int key);

    // What a step shows (StepScreen).
    void showCoordinate(Direction direction) override;
    void loadMapPicture(const char* file) override;
    void showMapNo() override;
    void openBattle(const MonsterPicture& picture) override;
    void showHero(Facing facing) override;

    // The Game menu: there are no saved games, and Exit ends the game.
    void saveGame();
    void loadGame();
    void exitGame();

    // Names the hero's place for screen readers.
    void nameHerosPlace();

    Game& game_;
    Services& services_;
    const BuiltInPictures& builtIn_;
    Navigator& navigator_;
    TextBox* xBox_;
    TextBox* yBox_;
    TextBox* mapNumberBox_;
    MapView* mapView_;
};

}  // namespace mirewalk
