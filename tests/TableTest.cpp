#include <gtest/gtest.h>

#include "platform/Table.h"

using namespace mirewalk;

TEST(Table, IndicesOutsideZeroToHundredAreSubscriptErrors)
{
    Table<int> table;
    table[0] = 1;
    table[100] = 2;
    EXPECT_EQ(table[100], 2);
    for (const int outside : {101, -1}) {
        try {
            table[outside];
            ADD_FAILURE() << outside << " was taken";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 9) << outside;
        }
    }
}
