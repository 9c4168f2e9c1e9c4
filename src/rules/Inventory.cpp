#include "Inventory.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/Checked.h"

namespace {

// The two kinds of item the inventory files by name.
const std::string Weapon = "Weapon";
const std::string Armour = "Armour";

// The items the hero can find: entries 1, 2 and 3 of the item table.
const std::array<Item, 3> FoundItems{{
    {"Short Sword", Weapon, Truth::True},
    {"Leather Armour", Armour, Truth::True},
    {"Useless Stone", "", Truth::False},
}};

}  // namespace

void RollItem(Game& game, Random& random)
{
    game.ItemIndex = roll(random, 3, 1);
    game.Items[game.ItemIndex] = FoundItems.at(game.ItemIndex - 1);
}

std::vector<ItemList> listsFor(const Item& item)
{
    std::vector<ItemList> lists;
    if (item.Equippable == Truth::False)
        lists.push_back(ItemList::MISC);
    if (item.Kind == Armour)
        lists.push_back(ItemList::ARMOUR);
    if (item.Kind == Weapon)
        lists.push_back(ItemList::CR);
    return lists;
}

void equipArmour(Game& game, const std::string& selected) { game.ArmourName = selected; }

void equipCloseRange(Game& game, Random& random, const std::string& selected)
{
    game.CRWeaponName = selected;
    // The product is exact in double precision, so r just below 1 gives
    // 2 * Strength - 1 and never rounds up to 2 * Strength.
    game.AttackPower = roll(random, 2 * game.Strength, 5);
}

void equipLongRange(Game& game, Random& random)
{
    game.LRWeaponOn = Truth::True;
    const double r = random.next();
    const double damage = std::floor(static_cast<float>(game.Strength) * r)
        + game.Experience / 1000.0;
    game.LRDamage = round16(std::min(damage, 32767.0));
}
