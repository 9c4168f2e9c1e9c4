#pragma once
// The game's tables: records with indices First to Last (0 to 100 unless a
// table says otherwise). An index outside them is run-time error 9
// (subscript out of range).

#include <array>
#include <cstddef>

#include "RuntimeError.h"

namespace mirewalk {

template <typename Record, int First = 0, int Last = 100>
class Table {
public:
    static constexpr int Size = Last - First + 1;
    // Whether index lies within First to Last.
    static constexpr bool contains(int index) { return index >= First && index <= Last; }

    Table() = default;
    Table(const std::array<Record, Size>& entries) : entries_(entries) {}

    Record& operator[](int index) { return entries_[checked(index)]; }
    const Record& operator[](int index) const { return entries_[checked(index)]; }

private:
    static std::size_t checked(int index)
    {
        if (!contains(index))
            throw subscriptError();
        return static_cast<std::size_t>(index - First);
    }
    std::array<Record, Size> entries_{};
};

}  // namespace mirewalk
