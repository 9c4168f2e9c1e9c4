#include "frmGame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "platform/Dialogs.h"
#include "rules/NewGame.h"
#include "widgets/GameWindow.h"
#include "widgets/Style.h"
#include "windows/Battle.h"
#include "windows/Guard.h"
#include "windows/frmAbout.h"
#include "windows/frmInventory.h"
#include "windows/frmStats.h"

namespace mirewalk {

frmGame::frmGame(Game& game, Services& services) : game_(game), services_(services)
{
    setObjectName(QStringLiteral("frmGame"));
    setWindowTitle(QStringLiteral("MIREWALK MAP SYSTEM - BY KORVANDEL"));

    auto* client = new QWidget(this);
    client->setFixedSize(583, 454);
    makeBlack(client);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    makeFixed(this);

    const auto label = [client](const char* name, const char* caption, int left, QColor colour) {
        return new Label(client, name, QString::fromLatin1(caption), {left, 24}, FontPx::Medium,
                         colour);
    };
    Label1 = label("Label1", "XPOS :", 112, Colour::Green);
    XPOS = new TextBox(client, "XPOS", {184, 24, 65, 25});
    Label2 = label("Label2", "YPOS :", 280, Colour::Green);
    YPOS = new TextBox(client, "YPOS", {352, 24, 65, 25});
    Label3 = label("Label3", "MAP NO :", 440, Colour::Blue);
    MNO = new TextBox(client, "MNO", {528, 24, 33, 25});
    Map = new PictureView(client, "Map", {120, 72, 326, 273}, true);
    connect(Map, &PictureView::keyDown, this, [this](int keyCode) { Map_KeyDown(keyCode); });

    setTabOrder(Map, XPOS);
    setTabOrder(XPOS, YPOS);
    setTabOrder(YPOS, MNO);
    Map->setFocus(Qt::OtherFocusReason);

    buildMenus();
    guarded(services_.dialogs, [this] {
        pictures_ = loadBuiltInPictures(services_.builtIn);
        Map->canvas().setPicture(pictures_.M1);
        Form_Load();
    });
}

frmGame::~frmGame() = default;

void frmGame::buildMenus()
{
    // An entry of a menu, named and connected to its handler.
    const auto entry = [this](QMenu* menu, const char* name, const char* caption,
                              void (frmGame::*handler)()) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuSave = entry(mnuGame, "mnuSave", "&Save Game", &frmGame::mnuSave_Click);
    mnuLoad = entry(mnuGame, "mnuLoad", "&Load Game", &frmGame::mnuLoad_Click);
    mnuExit = entry(mnuGame, "mnuExit", "&Exit Game", &frmGame::mnuExit_Click);
    QMenu* mnuCharacter = menuBar()->addMenu(QStringLiteral("&Character"));
    mnuCharacter->setObjectName(QStringLiteral("mnuCharacter"));
    mnuStats = entry(mnuCharacter, "mnuStats", "&Stats", &frmGame::mnuStats_Click);
    mnuinventory = entry(mnuCharacter, "mnuinventory", "&Inventory", &frmGame::mnuinventory_Click);
    mnuAbout = menuBar()->addAction(QStringLiteral("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &frmGame::mnuAbout_Click);
}

void frmGame::Form_Load()
{
    const std::string name = services_.dialogs.prompt("What is your name?");
    startNewGame(game_, services_.random, name);
    MNO->setNumber(game_.MapNo);
    XPOS->setNumber(game_.PlayerX);
    YPOS->setNumber(game_.PlayerY);
    redrawHero(Facing::Front);
}

void frmGame::Map_KeyDown(int keyCode)
{
    guardedWhileShown(*this, services_.dialogs, [this, keyCode] {
        if (const auto direction = directionForKey(keyCode))
            takeStep(game_, services_.random, *direction, *this);
    });
}

void frmGame::showCoordinate(Direction direction)
{
    if (isVertical(direction))
        YPOS->setNumber(game_.PlayerY);
    else
        XPOS->setNumber(game_.PlayerX);
}

void frmGame::loadMapPicture(const char* file)
{
    Map->canvas().setPicture(services_.pictures.load(QString::fromLatin1(file)));
}

void frmGame::showMapNo() { MNO->setNumber(game_.MapNo); }

void frmGame::clearBattleMessages() { battle().BINFO->clear(); }

void frmGame::openBattle(const MonsterPicture& picture)
{
    battle().showMonsterPicture(picture);
    battle().MAppear();
}

void frmGame::redrawHero(Facing facing)
{
    mirewalk::drawHero(Map->canvas(), pictures_.pair(facing), game_);
    Map->setAccessibleName(
        QStringLiteral("Map %1, hero at %2, %3").arg(game_.MapNo).arg(game_.PlayerX).arg(game_.PlayerY));
    Map->refresh();
}

void frmGame::open(QWidget& window)
{
    focusBeforeLeaving_ = focusWidget();
    hide();
    showActive(window);
}

void frmGame::returnToMap(QWidget& window)
{
    window.hide();
    showActive(*this);
    // Whatever had the focus on the map gets it back (a closing menu may have moved it).
    if (focusBeforeLeaving_)
        focusBeforeLeaving_->setFocus(Qt::OtherFocusReason);
    redrawHero(Facing::Front);
}

void frmGame::showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
}

void frmGame::closeEvent(QCloseEvent* event)
{
    // Closing the map window through its frame ends the game; a close request
    // that reaches it while it is hidden behind another window does nothing.
    event->ignore();
    guardedWhileShown(*this, services_.dialogs, [] { endProgram(0); });
}

// ---- The windows it opens, each created hidden the first time it is needed ----

Battle& frmGame::battle()
{
    if (!battle_)
        battle_ = std::make_unique<Battle>(game_, services_, pictures_, *this);
    return *battle_;
}

frmInventory& frmGame::inventoryWindow()
{
    if (!inventory_)
        inventory_ = std::make_unique<frmInventory>(game_, services_, *this);
    return *inventory_;
}

frmStats& frmGame::statsWindow()
{
    if (!stats_)
        stats_ = std::make_unique<frmStats>(game_, services_.dialogs, pictures_.HD, *this);
    return *stats_;
}

frmAbout& frmGame::aboutWindow()
{
    if (!about_)
        about_ = std::make_unique<frmAbout>(services_.dialogs, *this);
    return *about_;
}

// ---- The Game, Character and About menus ----

namespace {

const std::string NotImplemented = "Not implemented yet";

}  // namespace

// There are no saved games: saving only says so.
void frmGame::mnuSave_Click()
{
    guardedWhileShown(*this, services_.dialogs,
                      [this] { services_.dialogs.message(NotImplemented); });
}

// There are no saved games: loading only says so.
void frmGame::mnuLoad_Click()
{
    guardedWhileShown(*this, services_.dialogs,
                      [this] { services_.dialogs.message(NotImplemented); });
}

// Thanks the player, then ends the program once the box is closed.
void frmGame::mnuExit_Click()
{
    guardedWhileShown(*this, services_.dialogs, [this] {
        services_.dialogs.message("Thank you for playing!");
        endProgram(0);
    });
}

// Shows the hero's statistics in place of the map.
void frmGame::mnuStats_Click()
{
    guardedWhileShown(*this, services_.dialogs, [this] {
        frmStats& stats = statsWindow();
        open(stats);
        stats.showHero();
    });
}

// Shows the inventory in place of the map; every opening finds an item.
void frmGame::mnuinventory_Click()
{
    guardedWhileShown(*this, services_.dialogs, [this] {
        frmInventory& inventory = inventoryWindow();
        open(inventory);
        inventory.fileFind(findItem(game_, services_.random));
    });
}

// Shows the credits in place of the map.
void frmGame::mnuAbout_Click()
{
    guardedWhileShown(*this, services_.dialogs, [this] { open(aboutWindow()); });
}

}  // namespace mirewalk
