#include <gtest/gtest.h>

#include <limits>

#include "rules/Inventory.h"

using namespace mirewalk;

namespace {

const Item ShortSword{"Short Sword", "Weapon", Truth::True};
const Item LeatherArmour{"Leather Armour", "Armour", Truth::True};
const Item UselessStone{"Useless Stone", "", Truth::False};

// A hero with the given strength and experience.
Game hero(int16_t strength, int32_t experience = 0)
{
    Game game;
    game.Strength = strength;
    game.AttackPower = strength;
    game.Defense = 3;
    game.Experience = experience;
    return game;
}

}  // namespace

// Each find writes its own entry and no other, so repeated finds rewrite the
// same three entries and entries 0 and 4 to 100 stay empty.
TEST(RollItem, EachThirdOfTheDrawsWritesItsOwnEntryAndNoOther)
{
    const struct {
        float r;
        int index;
        Item item;
    } cases[] = {
        {0.0f, 1, ShortSword},          {0.3333333f, 1, ShortSword},  // just below a third
        {0.3333334f, 2, LeatherArmour}, {0.6666666f, 2, LeatherArmour},
        {0.6666667f, 3, UselessStone},  {LargestBelowOne, 3, UselessStone},
    };
    Game game;
    Random random;
    Item written[Table<Item>::Size] = {};
    for (const auto& c : cases) {
        random.feed({c.r});
        rollItem(game, random);
        EXPECT_EQ(game.ItemIndex, c.index) << "r = " << c.r;
        written[c.index] = c.item;
        for (int i = 0; i < Table<Item>::Size; ++i)
            EXPECT_EQ(game.Items[i], written[i]) << "entry " << i << " after r = " << c.r;
    }
    int found[4] = {};
    for (int i = 0; i < 3000; ++i) {
        rollItem(game, random);
        ++found[game.ItemIndex];
    }
    for (int i = 0; i < Table<Item>::Size; ++i)
        EXPECT_EQ(game.Items[i], written[i]) << "entry " << i << " after 3000 finds";
    for (int index = 1; index <= 3; ++index)
        EXPECT_NEAR(found[index], 1000, 100) << "item " << index;
}

TEST(Filing, EachItemLandsInOneListAndTheTestsAreIndependentAndExact)
{
    using L = std::vector<ItemList>;
    EXPECT_EQ(listsFor(ShortSword), L{ItemList::CloseRange});
    EXPECT_EQ(listsFor(LeatherArmour), L{ItemList::Armour});
    EXPECT_EQ(listsFor(UselessStone), L{ItemList::Misc});
    // Unequippable armour or weapons would go to two lists, MISC first.
    EXPECT_EQ(listsFor({"Torn Cloak", "Armour", Truth::False}),
              (L{ItemList::Misc, ItemList::Armour}));
    EXPECT_EQ(listsFor({"Rusty Sword", "Weapon", Truth::False}),
              (L{ItemList::Misc, ItemList::CloseRange}));
    // Kinds compare exactly: nothing files these.
    EXPECT_EQ(listsFor({"Stick", "weapon", Truth::True}), L{});
    EXPECT_EQ(listsFor({"Cloak", "Armour ", Truth::True}), L{});
}

TEST(Equip, CloseRangeGivesFiveToTwiceStrengthPlusFour)
{
    const struct {
        int16_t strength;
        float r;
        int16_t attack;
    } cases[] = {
        {7, 0.0f, 5},
        {7, 0.5f, 12},             // floor(14 * 0.5) + 5
        {7, LargestBelowOne, 18},  // 2 * 7 + 4
        {5, 0.7f, 12},             // 10 x 0.7f is 6.99999988, a single-precision product 7
        {16381, LargestBelowOne, 32766},
    };
    for (const auto& c : cases) {
        Game game = hero(c.strength);
        Random random;
        random.feed({c.r});
        equipCloseRange(game, random, "Short Sword");
        EXPECT_EQ(game.AttackPower, c.attack) << "Strength " << c.strength << ", r " << c.r;
        EXPECT_EQ(game.CRWeaponName, "Short Sword");
        EXPECT_EQ(random.draws(), 1u);
    }
}

TEST(Equip, LongRangeDamageFromStrengthAndExperienceRoundsHalvesToEven)
{
    const struct {
        int16_t strength;
        int32_t experience;
        float r;
        int16_t damage;
    } cases[] = {
        {7, 0, 0.5f, 3},     // floor(3.5)
        {7, 1500, 0.5f, 4},  // 3 + 1.5 = 4.5 goes to 4
        {7, 2500, 0.5f, 6},  // 3 + 2.5 = 5.5 goes to 6
        {7, 0, LargestBelowOne, 6},
        {10, 0, 0.7f, 7},  // 10 x 0.7f is 6.99999988, a single-precision product 7
        {1, 0, LargestBelowOne, 0},
        {1, 500, 0.9f, 0},  // 0.5 goes to 0
        {1, 1500, 0.9f, 2},
        {1, 2499, 0.9f, 2},
        {12, 32'766'500, 0.0f, 32766},  // the largest damage still rounded, to even
        // beyond 16 bits it stops at 32767 without error: 32767.5 would round to 32768
        {12, 32'767'500, 0.0f, 32767},
        {12, 32'770'000, 0.0f, 32767},
        {12, std::numeric_limits<int32_t>::max(), 0.0f, 32767},
    };
    for (const auto& c : cases) {
        Game game = hero(c.strength, c.experience);
        Random random;
        random.feed({c.r});
        equipLongRange(game, random);
        EXPECT_EQ(game.LRDamage, c.damage)
            << "Strength " << c.strength << ", Experience " << c.experience << ", r " << c.r;
        EXPECT_EQ(game.LRWeaponOn, Truth::True);
        EXPECT_EQ(random.draws(), 1u);
    }
}

TEST(Equip, ArmourNamesTheSelectedRowAndChangesNothingElse)
{
    Game game = hero(7);
    equipArmour(game, "Leather Armour");
    EXPECT_EQ(game.ArmourName, "Leather Armour");
    EXPECT_EQ(game.Defense, 3);
}
