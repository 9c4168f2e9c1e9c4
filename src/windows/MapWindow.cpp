#include "MapWindow.h"

#include <QMenuBar>
#include <QVBoxLayout>
#include <optional>

#include "pictures/BuiltInPictures.h"
#include "pictures/DrawHero.h"
#include "platform/Dialogs.h"
#include "rules/NewGame.h"
#include "widgets/Label.h"
#include "widgets/MapView.h"
#include "widgets/Style.h"
#include "widgets/TextBox.h"
#include "widgets/Zoomed.h"
#include "windows/Guard.h"
#include "windows/Navigator.h"
#include "windows/Services.h"

namespace mirewalk {

namespace {

// The direction an arrow key walks; none for any other key.
std::optional<Direction> directionOf(int key)
{
    switch (key) {
    case Qt::Key_Down: return Direction::Down;
    case Qt::Key_Up: return Direction::Up;
    case Qt::Key_Right: return Direction::Right;
    case Qt::Key_Left: return Direction::Left;
    default: return std::nullopt;
    }
}

const std::string NotImplemented = "Not implemented yet";

}  // namespace

MapWindow::MapWindow(Game& game, Services& services, const BuiltInPictures& pictures,
                     Navigator& navigator)
    : Screen("frmGame", QStringLiteral("MIREWALK MAP SYSTEM - BY KORVANDEL")),
      game_(game),
      services_(services),
      builtIn_(pictures),
      navigator_(navigator)
{
    auto* client = new QWidget(this);
    fixSize(client, {583, 454});
    makeBlack(client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(buildMenus());
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The caption of a box, in the game's bold face.
    const auto caption = [client](const char* name, const char* text, int left, QColor colour) {
        new Label(client, name, QString::fromLatin1(text), {left, 24}, FontPx::Medium, colour);
    };
    caption("Label1", "XPOS :", 112, Colour::Green);
    xBox_ = new TextBox(client, "XPOS", {184, 24, 65, 25});
    caption("Label2", "YPOS :", 280, Colour::Green);
    yBox_ = new TextBox(client, "YPOS", {352, 24, 65, 25});
    caption("Label3", "MAP NO :", 440, Colour::Blue);
    mapNumberBox_ = new TextBox(client, "MNO", {528, 24, 33, 25});
    mapView_ = new MapView(client, {120, 72, 326, 273});
    connect(mapView_, &PictureView::keyPressed, this, &MapWindow::takeKey);

    setTabOrder(mapView_, xBox_);
    setTabOrder(xBox_, yBox_);
    setTabOrder(yBox_, mapNumberBox_);
    mapView_->setFocus(Qt::OtherFocusReason);
    // Closing the game window through its frame ends the game.
    connect(this, &Screen::frameClosed, this, [this] {
        guardedWhileShown(*this, services_.dialogs, services_.exit, [] { endProgram(0); });
    });
}

QWidget* MapWindow::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);  // always in the window, above the map
    useDesktopColours(bar);
    // An entry of a menu, named, whose command runs while the map is shown.
    const auto entry = [this](auto* menu, const char* name, const char* caption,
                              std::function<void()> command) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, command] {
            guardedWhileShown(*this, services_.dialogs, services_.exit, command);
        });
    };
    QMenu* gameMenu = bar->addMenu(QStringLiteral("&Game"));
    gameMenu->setObjectName(QStringLiteral("mnuGame"));
    entry(gameMenu, "mnuSave", "&Save Game", [this] { saveGame(); });
    entry(gameMenu, "mnuLoad", "&Load Game", [this] { loadGame(); });
    entry(gameMenu, "mnuExit", "&Exit Game", [this] { exitGame(); });
    QMenu* characterMenu = bar->addMenu(QStringLiteral("&Character"));
    characterMenu->setObjectName(QStringLiteral("mnuCharacter"));
    entry(characterMenu, "mnuStats", "&Stats", [this] { navigator_.openStats(); });
    entry(characterMenu, "mnuinventory", "&Inventory", [this] { navigator_.openInventory(); });
    entry(bar, "mnuAbout", "&About", [this] { navigator_.openAbout(); });
    fixHeight(bar, bar->sizeHint().height());  // as high as its text at 1, times the zoom
    return bar;
}

void MapWindow::startGame(const std::string& name)
{
    mapView_->setMap(builtIn_.firstMap);
    startNewGame(game_, services_.random, name);
    mapNumberBox_->setNumber(game_.MapNo);
    xBox_->setNumber(game_.PlayerX);
    yBox_->setNumber(game_.PlayerY);
    redrawMap(Facing::Front);
}

void MapWindow::takeKey(int key)
{
    guardedWhileShown(*this, services_.dialogs, services_.exit, [this, key] {
        if (const auto direction = directionOf(key))
            takeStep(game_, services_.random, *direction, *this);
    });
}

void MapWindow::showCoordinate(Direction direction)
{
    if (isVertical(direction))
        yBox_->setNumber(game_.PlayerY);
    else
        xBox_->setNumber(game_.PlayerX);
}

void MapWindow::loadMapPicture(const char* file)
{
    mapView_->setMap(services_.pictures.load(QString::fromLatin1(file)));
}

void MapWindow::showMapNo() { mapNumberBox_->setNumber(game_.MapNo); }

void MapWindow::openBattle(const MonsterPicture& picture) { navigator_.openBattle(picture); }

void MapWindow::showHero(Facing facing)
{
    // A step that opened a battle left the map hidden: it is drawn on the return.
    if (!isVisible())
        return;
    mapView_->drawHeroMoved(builtIn_.sprites(facing), game_);
    nameHerosPlace();
}

void MapWindow::redrawMap(Facing facing)
{
    mapView_->drawHeroWhole(builtIn_.sprites(facing), game_);
    nameHerosPlace();
}

void MapWindow::nameHerosPlace()
{
    mapView_->setAccessibleName(
        QStringLiteral("Map %1, hero at %2, %3").arg(game_.MapNo).arg(game_.PlayerX).arg(game_.PlayerY));
}

void MapWindow::saveGame() { services_.dialogs.message(NotImplemented); }

void MapWindow::loadGame() { services_.dialogs.message(NotImplemented); }

// Thanks the player, then ends the program once the box is closed.
void MapWindow::exitGame()
{
    services_.dialogs.message("Thank you for playing!");
    endProgram(0);
}

}  // namespace mirewalk
