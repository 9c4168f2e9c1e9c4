#include "Inventory.h"

#include <algorithm>

#include "platform/Checked.h"
#include "platform/Table.h"

namespace mirewalk {

namespace {

// The two kinds of item the inventory files by name.
const std::string Weapon = "Weapon";
const std::string Armour = "Armour";

// The items the hero can find: entries 1, 2 and 3 of the item table.
const Table<Item, 1, 3> FoundItems{{{
    {"Short Sword", Weapon, Truth::True},
    {"Leather Armour", Armour, Truth::True},
    {"Useless Stone", "", Truth::False},
}}};

}  // namespace

void rollItem(Game& game, Random& random)
{
    game.ItemIndex = roll(random, 3, 1);
    game.Items[game.ItemIndex] = FoundItems[game.ItemIndex];
}

std::vector<ItemList> listsFor(const Item& item)
{
    std::vector<ItemList> lists;
    if (item.Equippable == Truth::False)
        lists.push_back(ItemList::Misc);
    if (item.Kind == Armour)
        lists.push_back(ItemList::Armour);
    if (item.Kind == Weapon)
        lists.push_back(ItemList::CloseRange);
    return lists;
}

Find findItem(Game& game, Random& random)
{
    rollItem(game, random);
    const Item& found = game.Items[game.ItemIndex];
    return {found.Name, listsFor(found)};
}

void equipArmour(Game& game, const std::string& selected) { game.ArmourName = selected; }

void equipCloseRange(Game& game, Random& random, const std::string& selected)
{
    game.CRWeaponName = selected;
    const float m = 2.0f * static_cast<float>(game.Strength);
    game.AttackPower = round16(floorSingleProduct(random, m) + 5);
}

void equipLongRange(Game& game, Random& random)
{
    game.LRWeaponOn = Truth::True;
    const double damage = floorSingleProduct(random, game.Strength) + game.Experience / 1000.0;
    game.LRDamage = round16(std::min(damage, 32767.0));
}

}  // namespace mirewalk
