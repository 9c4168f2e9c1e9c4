#include <gtest/gtest.h>

#include "platform/Checked.h"
#include "platform/RuntimeError.h"
#include "platform/Table.h"

namespace {

int errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace

TEST(Checked, SixteenBitSumsStopAtTheRangeWithOverflow)
{
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(sub16(-32767, 1), -32768);
    EXPECT_EQ(errorNumber([] { add16(32767, 1); }), 6);
    EXPECT_EQ(errorNumber([] { sub16(-32768, 1); }), 6);
}

TEST(Checked, ThirtyTwoBitArithmeticRaisesOverflowOutsideItsRange)
{
    EXPECT_EQ(add32(2147483646, 1), 2147483647);
    EXPECT_EQ(errorNumber([] { add32(2147483647, 1); }), 6);
    EXPECT_EQ(mul32(1073741823, 2), 2147483646);
    EXPECT_EQ(errorNumber([] { mul32(1073741824, 2); }), 6);
}

TEST(Checked, StoringAFloatRoundsHalvesToEven)
{
    EXPECT_EQ(round16(4.5), 4);
    EXPECT_EQ(round16(5.5), 6);
    EXPECT_EQ(round16(-2.5), -2);
    EXPECT_EQ(round16(2.4999), 2);
    EXPECT_EQ(round32(1e9 + 0.5), 1000000000);
    EXPECT_EQ(errorNumber([] { round16(32767.5); }), 6);
    EXPECT_EQ(errorNumber([] { round16(std::nan("")); }), 6);
}

TEST(Table, IndicesOutsideZeroToHundredAreSubscriptErrors)
{
    Table<int> table;
    table[0] = 1;
    table[100] = 2;
    EXPECT_EQ(table[100], 2);
    EXPECT_EQ(errorNumber([&] { table[101]; }), 9);
    EXPECT_EQ(errorNumber([&] { table[-1]; }), 9);
}

TEST(RuntimeError, ReportNamesNumberTextAndFile)
{
    EXPECT_EQ(fileNotFoundError("/games/Maps/M2.jpg").report(),
              "Run-time error '53':\n\nFile not found: /games/Maps/M2.jpg");
    EXPECT_EQ(overflowError().report(), "Run-time error '6':\n\nOverflow");
}
