#include "WindowNavigator.h"

#include "windows/AboutWindow.h"
#include "windows/BattleWindow.h"
#include "windows/Guard.h"
#include "windows/InventoryWindow.h"
#include "windows/MapWindow.h"
#include "windows/Services.h"
#include "windows/StatsWindow.h"

namespace mirewalk {

namespace {

// Shows a window, not modally, and gives it the keyboard focus.
void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
}

// The window held by slot, built the first time it is asked for.
template <typename Window, typename... Arguments>
Window& builtOnce(std::unique_ptr<Window>& slot, Arguments&&... arguments)
{
    if (!slot)
        slot = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    return *slot;
}

}  // namespace

WindowNavigator::WindowNavigator(Game& game, Services& services)
    : game_(game),
      services_(services),
      map_(std::make_unique<MapWindow>(game, services, pictures_, *this))
{
    guarded(services_.dialogs, [this] {
        pictures_ = loadBuiltInPictures(services_.builtIn);
        map_->startGame();
    });
}

WindowNavigator::~WindowNavigator() = default;

void WindowNavigator::showMap() { showActive(*map_); }

void WindowNavigator::openBattle(const MonsterPicture& picture)
{
    BattleWindow& battle = builtOnce(battle_, game_, services_, pictures_, *this);
    // Read before the battle shows: a picture that cannot be read is reported over the map.
    const QImage monster = battle.pictureOf(picture);
    open(battle);
    battle.meetMonster(monster);
}

void WindowNavigator::openInventory()
{
    InventoryWindow& inventory = builtOnce(inventory_, game_, services_, *this);
    open(inventory);
    inventory.findItem();
}

void WindowNavigator::openStats()
{
    StatsWindow& stats = builtOnce(stats_, game_, services_.dialogs, pictures_.heroFront, *this);
    open(stats);
    stats.showHero();
}

void WindowNavigator::openAbout() { open(builtOnce(about_, services_.dialogs, *this)); }

void WindowNavigator::open(QWidget& window)
{
    focusOnMap_ = map_->focusWidget();
    map_->hide();
    showActive(window);
}

void WindowNavigator::returnToMap(QWidget& window)
{
    window.hide();
    showActive(*map_);
    // Whatever had the focus on the map gets it back (a closing menu may have moved it).
    if (focusOnMap_)
        focusOnMap_->setFocus(Qt::OtherFocusReason);
    map_->drawHero(Facing::Front);
}

}  // namespace mirewalk
