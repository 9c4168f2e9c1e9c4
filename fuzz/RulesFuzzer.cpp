// Fuzzing the game's rules with libFuzzer: the input is a run of player
// actions, each followed by the values the random source gives, played
// against the rules as the windows call them (no window is built). After
// every action the invariants of play must hold; the hero's death starts a
// new game. Run it with scripts/fuzz.
//
// Run-time errors: in a game started as a new game none may occur, since no
// value of play comes near the limits of its kind. Some inputs instead start
// a veteran hero whose numbers are taken from the input; there overflow
// (error 6) is the rules' answer to values past their range and ends that
// game, but no other error may occur.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "platform/Checked.h"
#include "platform/RuntimeError.h"
#include "rules/Encounter.h"
#include "rules/Fight.h"
#include "rules/Inventory.h"
#include "rules/Movement.h"
#include "rules/NewGame.h"

using namespace mirewalk;

namespace {

// Stops the run with a message: libFuzzer keeps the input that led here.
[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "Invariant broken: %s\n", what.c_str());
    std::abort();
}

// The fuzzer's bytes, read front to back; zeros once they run out.
class Input {
public:
    Input(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return position_ >= size_; }
    uint8_t byte() { return empty() ? 0 : data_[position_++]; }
    // A 16-bit or 32-bit number of any value.
    int16_t number16() { return static_cast<int16_t>(bits(2)); }
    int32_t number32() { return static_cast<int32_t>(bits(4)); }
    // A value of the random source, 0 <= r < 1, reaching both ends exactly.
    float draw()
    {
        const uint32_t value = bits(2);
        return value == 0xffff ? LargestBelowOne : static_cast<float>(value) / 65536.0f;
    }

private:
    // The next n bytes as an unsigned number, the first byte lowest.
    uint32_t bits(int n)
    {
        uint32_t value = 0;
        for (int i = 0; i < n; ++i)
            value |= static_cast<uint32_t>(byte()) << (8 * i);
        return value;
    }

    const uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

enum class Screen { Map, Battle, Inventory };

// One game as the windows hold it: the state, the screen shown, and the rows
// and selections of the inventory. (Drawing the hero is left to the soak test,
// which walks every reachable place under the sanitizers too.)
struct Play {
    Game game;
    Random random;
    ScriptedDialogs dialogs;
    Screen screen = Screen::Map;
    bool veteran = false;
    std::array<std::vector<std::string>, 3> rows;  // in the order of ItemList
    std::array<int, 3> selected{-1, -1, -1};

    // The text of the selected row of a list, empty when none is selected.
    std::string selectedText(ItemList list) const
    {
        const auto i = static_cast<std::size_t>(list);
        return selected[i] < 0 ? std::string() : rows[i][static_cast<std::size_t>(selected[i])];
    }
};

// A new game; a veteran hero takes its numbers from the input.
void startGame(Play& play, Input& input)
{
    play = Play();
    play.veteran = input.byte() % 4 == 0;
    startNewGame(play.game, play.random, std::string(input.byte() % 4, 'x'));
    if (!play.veteran)
        return;
    Game& game = play.game;
    game.Strength = input.number16();
    game.AttackPower = game.Strength;
    game.Defense = input.number16();
    game.MaxHP = std::max<int16_t>(input.number16(), 1);
    game.CurHP = game.MaxHP;
    game.Level = input.number16();
    game.Experience = input.number32();
    game.NextLevelExp = input.number32();
    game.Gold = input.number32();
}

// Keeps a few values of the input waiting in the random source.
void feedDraws(Play& play, Input& input)
{
    while (play.random.pending() < 6 && !input.empty())
        play.random.feed({input.draw()});
}

// The map window as the steps see it: a crossing names a map picture file
// and a monster met opens its battle. Nothing is drawn.
struct FuzzScreen : StepScreen {
    Play& play;

    explicit FuzzScreen(Play& play) : play(play) {}
    void showCoordinate(Direction) override {}
    void loadMapPicture(const char*) override {}
    void showMapNo() override {}
    void openBattle(const MonsterPicture&) override { play.screen = Screen::Battle; }
    void showHero(Facing) override {}
};

// One step, the way the map window takes it.
void step(Play& play, Direction direction)
{
    FuzzScreen screen(play);
    takeStep(play.game, play.random, direction, screen);
}

// One opening of the inventory: an item is found and filed.
void openInventory(Play& play)
{
    const Find found = findItem(play.game, play.random);
    for (const ItemList list : found.lists)
        play.rows[static_cast<std::size_t>(list)].push_back(found.name);
    play.screen = Screen::Inventory;
}

// One action of the screen shown, chosen by one byte.
void act(Play& play, Input& input)
{
    const uint8_t choice = input.byte();
    Game& game = play.game;
    switch (play.screen) {
    case Screen::Map:
        if (choice % 5 < 4)
            step(play, static_cast<Direction>(choice % 5));
        else
            openInventory(play);
        return;
    case Screen::Battle:
        if (choice % 3 == 0 && exchangeBlows(game, play.random, play.dialogs).victory)
            play.screen = Screen::Map;
        else if (choice % 3 == 1 && game.LRWeaponOn == Truth::True)
            shootLongRange(game, play.dialogs);
        else if (choice % 3 == 2)
            play.screen = Screen::Map;
        return;
    case Screen::Inventory:
        switch (choice % 5) {
        case 0: equipArmour(game, play.selectedText(ItemList::Armour)); return;
        case 1: equipCloseRange(game, play.random, play.selectedText(ItemList::CloseRange)); return;
        case 2: equipLongRange(game, play.random); return;
        case 3: play.screen = Screen::Map; return;
        default: {
            const auto list = static_cast<std::size_t>(input.byte() % 3);
            const auto count = play.rows[list].size();
            play.selected[list] = count == 0 ? -1 : static_cast<int>(input.byte() % count);
        }
        }
    }
}

// The invariants of play, checked after every action.
void checkInvariants(const Play& play)
{
    const Game& game = play.game;
    if (game.MapNo < 1 || game.MapNo > 4)
        fail("MapNo " + std::to_string(game.MapNo));
    if (game.PlayerX < 0 || game.PlayerX > 326 || game.PlayerY < 0 || game.PlayerY > 273)
        fail("hero at " + std::to_string(game.PlayerX) + ", " + std::to_string(game.PlayerY));
    if (game.StepCount < 0 || game.StepCount > 5)
        fail("StepCount " + std::to_string(game.StepCount));
    if (game.SpriteWidth != 42 || game.SpriteHeight != 58)
        fail("sprite size changed");
    if (game.CurHP > game.MaxHP)
        fail("CurHP " + std::to_string(game.CurHP) + " above MaxHP " + std::to_string(game.MaxHP));
    if (game.CurHP < 1)
        fail("a hero below 1 HP still playing");
    if (play.screen == Screen::Battle && (game.MonsterIndex < 1 || game.MonsterIndex > 5))
        fail("a battle against monster " + std::to_string(game.MonsterIndex));
}

// Runs one action; the hero's death or an allowed run-time error ends the game.
// Returns false when the game has ended.
bool playOne(Play& play, Input& input)
{
    try {
        act(play, input);
    } catch (const ProgramEnd& end) {
        if (end.status != 0 || play.game.CurHP >= 1 || play.dialogs.messages.empty())
            fail("an end of the game that was not the hero's death");
        return false;
    } catch (const RuntimeError& error) {
        if (!play.veteran || error.number() != 6)
            fail(error.report());
        return false;
    }
    checkInvariants(play);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Input input(data, size);
    Play play;
    startGame(play, input);
    while (!input.empty()) {
        feedDraws(play, input);
        if (!playOne(play, input))
            startGame(play, input);
    }
    return 0;
}
