#include "frmGame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "platform/Checked.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/PictureFolder.h"
#include "platform/Random.h"
#include "rules/Encounter.h"
#include "state/NewGame.h"
#include "windows/Battle.h"
#include "windows/Pictures.h"
#include "windows/frmAbout.h"
#include "windows/frmInventory.h"
#include "windows/frmStats.h"

namespace {

// A hidden picture store holding a built-in picture at its own size.
Canvas pictureStore(const char* name)
{
    const QImage picture = builtIn(name);
    Canvas store(picture.size());
    store.setPicture(picture);
    return store;
}

const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);

}  // namespace

frmGame::frmGame(Game& game, Services& services)
    : game_(game),
      services_(services),
      HD_(pictureStore("HD.png")),
      HDmask_(pictureStore("HDmask.png")),
      LR_(pictureStore("LR.png")),
      LRmask_(pictureStore("LRmask.png")),
      EnemyL_(pictureStore("EnemyL.jpg"))
{
    setObjectName(QStringLiteral("frmGame"));
    setWindowTitle(QStringLiteral("MIREWALK MAP SYSTEM - BY KORVANDEL"));

    auto* client = new QWidget(this);
    client->setFixedSize(583, 454);
    makeBlack(client);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label1 = new Label(client, "Label1", QStringLiteral("XPOS :"), {112, 24}, FontPx::Medium, Green);
    XPOS = new TextBox(client, "XPOS", {184, 24, 65, 25});
    Label2 = new Label(client, "Label2", QStringLiteral("YPOS :"), {280, 24}, FontPx::Medium, Green);
    YPOS = new TextBox(client, "YPOS", {352, 24, 65, 25});
    Label3 = new Label(client, "Label3", QStringLiteral("MAP NO :"), {440, 24}, FontPx::Medium, Blue);
    MNO = new TextBox(client, "MNO", {528, 24, 33, 25});
    Map = new PictureView(client, "Map", {120, 72, 326, 273}, true);
    Map->canvas().setPicture(builtIn("M1.jpg"));
    connect(Map, &PictureView::keyDown, this, [this](int keyCode) { Map_KeyDown(keyCode); });

    setTabOrder(Map, XPOS);
    setTabOrder(XPOS, YPOS);
    setTabOrder(YPOS, MNO);
    Map->setFocus(Qt::OtherFocusReason);

    buildMenus();
    connectMenus();
    handle([this] { Form_Load(); });
}

frmGame::~frmGame() = default;

void frmGame::buildMenus()
{
    QMenu* mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuSave = mnuGame->addAction(QStringLiteral("&Save Game"));
    mnuLoad = mnuGame->addAction(QStringLiteral("&Load Game"));
    mnuExit = mnuGame->addAction(QStringLiteral("&Exit Game"));
    QMenu* mnuCharacter = menuBar()->addMenu(QStringLiteral("&Character"));
    mnuCharacter->setObjectName(QStringLiteral("mnuCharacter"));
    mnuStats = mnuCharacter->addAction(QStringLiteral("&Stats"));
    mnuinventory = mnuCharacter->addAction(QStringLiteral("&Inventory"));
    mnuAbout = menuBar()->addAction(QStringLiteral("&About"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuLoad->setObjectName(QStringLiteral("mnuLoad"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuStats->setObjectName(QStringLiteral("mnuStats"));
    mnuinventory->setObjectName(QStringLiteral("mnuinventory"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void frmGame::handle(const std::function<void()>& handler) { guarded(services_.dialogs, handler); }

void frmGame::command(const std::function<void()>& handler)
{
    runCommand(*this, services_.dialogs, handler);
}

void frmGame::Form_Load()
{
    const std::string name = services_.dialogs.prompt("What is your name?");
    startNewGame(game_, services_.random, name);
    MNO->setNumber(game_.MapNo);
    XPOS->setNumber(game_.PlayerX);
    YPOS->setNumber(game_.PlayerY);
    DrawHero(Pair::Front);
}

void frmGame::Map_KeyDown(int keyCode)
{
    command([this, keyCode] {
        if (const auto direction = directionForKey(keyCode))
            step(*direction);
    });
}

void frmGame::step(Direction direction)
{
    const bool crossed = moveHero(game_, direction);
    if (isVertical(direction))
        YPOS->setNumber(game_.PlayerY);
    else
        XPOS->setNumber(game_.PlayerX);
    if (crossed) {
        Map->canvas().setPicture(services_.pictures.load(mapPictureFile(game_.MapNo)));
        MNO->setNumber(game_.MapNo);
    }
    // The encounter check runs before the hero is redrawn and the step counted.
    if (CheckEncounter(game_, services_.random))
        battle().meetMonster();
    DrawHero(isVertical(direction) ? Pair::Front : Pair::Side);
    game_.StepCount = add16(game_.StepCount, 1);
}

void frmGame::DrawHero(Pair pair)
{
    const SpritePair sprites = pair == Pair::Front ? SpritePair{HD_, HDmask_}
                                                   : SpritePair{LR_, LRmask_};
    ::DrawHero(Map->canvas(), sprites, game_);
    Map->setAccessibleName(
        QStringLiteral("Map %1, hero at %2, %3").arg(game_.MapNo).arg(game_.PlayerX).arg(game_.PlayerY));
    Map->refresh();
}

void frmGame::openWindow(QWidget& window)
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
    DrawHero(Pair::Front);
}

void frmGame::showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
}

Battle& frmGame::battle()
{
    if (!battle_)
        battle_ = std::make_unique<Battle>(*this);
    return *battle_;
}

void frmGame::closeEvent(QCloseEvent* event)
{
    // Closing the map window through its frame ends the game.
    event->ignore();
    handle([] { endProgram(0); });
}

// ---- The Game, Character and About menus and the windows they open ----

namespace {

const std::string NotImplemented = "Not implemented yet";

// A secondary window of main, created hidden the first time it is needed.
template <typename Window>
Window& lazily(std::unique_ptr<Window>& window, frmGame& main)
{
    if (!window)
        window = std::make_unique<Window>(main);
    return *window;
}

}  // namespace

frmInventory& frmGame::inventoryWindow() { return lazily(inventory_, *this); }
frmStats& frmGame::statsWindow() { return lazily(stats_, *this); }
frmAbout& frmGame::aboutWindow() { return lazily(about_, *this); }

// Each menu entry runs its handler when chosen.
void frmGame::connectMenus()
{
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuLoad, &QAction::triggered, this, [this] { mnuLoad_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuStats, &QAction::triggered, this, [this] { mnuStats_Click(); });
    connect(mnuinventory, &QAction::triggered, this, [this] { mnuinventory_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

// There are no saved games: saving only says so.
void frmGame::mnuSave_Click()
{
    command([this] { services_.dialogs.message(NotImplemented); });
}

// There are no saved games: loading only says so.
void frmGame::mnuLoad_Click()
{
    command([this] { services_.dialogs.message(NotImplemented); });
}

// Thanks the player, then ends the program once the box is closed.
void frmGame::mnuExit_Click()
{
    command([this] {
        services_.dialogs.message("Thank you for playing!");
        endProgram(0);
    });
}

// Shows the hero's statistics in place of the map.
void frmGame::mnuStats_Click()
{
    command([this] {
        frmStats& stats = statsWindow();
        openWindow(stats);
        stats.showHero();
    });
}

// Shows the inventory in place of the map; every opening finds an item.
void frmGame::mnuinventory_Click()
{
    command([this] {
        frmInventory& inventory = inventoryWindow();
        openWindow(inventory);
        inventory.findItem();
    });
}

// Shows the credits in place of the map.
void frmGame::mnuAbout_Click()
{
    command([this] { openWindow(aboutWindow()); });
}
