#include "WindowNavigator.h"

#include "platform/Dialogs.h"
#include "widgets/GameWindow.h"
#include "windows/AboutWindow.h"
#include "windows/BattleWindow.h"
#include "windows/Guard.h"
#include "windows/InventoryWindow.h"
#include "windows/MapWindow.h"
#include "windows/Services.h"
#include "windows/StatsWindow.h"

namespace mirewalk {

namespace {

// The screen held by slot, built the first time it is asked for and made
// one of window's screens, hidden.
template <typename Window, typename... Arguments>
Window& builtOnce(GameWindow& window, std::unique_ptr<Window>& slot, Arguments&&... arguments)
{
    if (!slot) {
        slot = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
        window.add(*slot);
    }
    return *slot;
}

}  // namespace

WindowNavigator::WindowNavigator(Game& game, Services& services) : game_(game), services_(services)
{
    // The hero is named before the game window is built: the prompt, the
    // first window, shows as soon as Qt can show one.
    const std::string name = services_.dialogs.prompt("What is your name?");
    window_ = std::make_unique<GameWindow>();
    map_ = std::make_unique<MapWindow>(game, services, builtIn_, *this);
    window_->add(*map_);
    window_->showScreen(*map_);
    guarded(services_.dialogs, services_.exit, [this, &name] {
        builtIn_ = loadBuiltInPictures();
        map_->startGame(name);
    });
}

WindowNavigator::~WindowNavigator() = default;

GameWindow& WindowNavigator::window() const { return *window_; }

void WindowNavigator::showMap()
{
    window_->showScreen(*map_);
    window_->show();
    window_->activateWindow();
}

void WindowNavigator::openBattle(const MonsterPicture& picture)
{
    BattleWindow& battle = builtOnce(*window_, battle_, game_, services_, builtIn_, *this);
    // Read before the battle shows: a picture that cannot be read is reported over the map.
    const QImage monster = battle.pictureOf(picture);
    window_->showScreen(battle);
    battle.meetMonster(monster);
}

void WindowNavigator::openInventory()
{
    InventoryWindow& inventory = builtOnce(*window_, inventory_, game_, services_, *this);
    window_->showScreen(inventory);
    inventory.findAndShowItem();
}

void WindowNavigator::openStats()
{
    StatsWindow& stats = builtOnce(*window_, stats_, game_, services_, builtIn_.heroFront, *this);
    window_->showScreen(stats);
    stats.showHero();
}

void WindowNavigator::openAbout()
{
    window_->showScreen(builtOnce(*window_, about_, services_, *this));
}

void WindowNavigator::returnToMap()
{
    window_->showScreen(*map_);
    map_->redrawMap(Facing::Front);
}

}  // namespace mirewalk
