#include <gtest/gtest.h>

#include "platform/Checked.h"
#include "platform/RuntimeError.h"

using namespace mirewalk;

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

// Each result of the checked arithmetic: its value, or overflow (error 6)
// where it leaves the range of its kind. Storing a float rounds halves to even.
TEST(Checked, ResultsInRangeAndOverflowOutsideIt)
{
    const struct {
        const char* what;
        std::function<long long()> result;
        long long value;  // when error is 0
        int error;
    } cases[] = {
        {"add16(32766, 1)", [] { return add16(32766, 1); }, 32767, 0},
        {"add16(32767, 1)", [] { return add16(32767, 1); }, 0, 6},
        {"sub16(-32767, 1)", [] { return sub16(-32767, 1); }, -32768, 0},
        {"sub16(-32768, 1)", [] { return sub16(-32768, 1); }, 0, 6},
        {"add32(2147483646, 1)", [] { return add32(2147483646, 1); }, 2147483647, 0},
        {"add32(2147483647, 1)", [] { return add32(2147483647, 1); }, 0, 6},
        {"mul32(1073741823, 2)", [] { return mul32(1073741823, 2); }, 2147483646, 0},
        {"mul32(1073741824, 2)", [] { return mul32(1073741824, 2); }, 0, 6},
        {"round16(4.5)", [] { return round16(4.5); }, 4, 0},
        {"round16(5.5)", [] { return round16(5.5); }, 6, 0},
        {"round16(-2.5)", [] { return round16(-2.5); }, -2, 0},
        {"round16(2.4999)", [] { return round16(2.4999); }, 2, 0},
        {"round32(1e9 + 0.5)", [] { return round32(1e9 + 0.5); }, 1000000000, 0},
        {"round16(32767.5)", [] { return round16(32767.5); }, 0, 6},
        {"round16(NaN)", [] { return round16(std::nan("")); }, 0, 6},
    };
    for (const auto& c : cases) {
        long long value = 0;
        EXPECT_EQ(errorNumber([&] { value = c.result(); }), c.error) << c.what;
        EXPECT_EQ(value, c.value) << c.what;
    }
}
