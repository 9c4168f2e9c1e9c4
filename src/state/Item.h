#pragma once
// The record of one item the hero can find.

#include <string>

#include "state/Truth.h"

namespace mirewalk {

struct Item {
    std::string Name;                 // the text filed into the inventory lists
    std::string Kind;                 // "Weapon", "Armour" or empty
    Truth Equippable = Truth::False;  // False files the item under MISC

    bool operator==(const Item&) const = default;
};

}  // namespace mirewalk
