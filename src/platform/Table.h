#pragma once
// A table of 101 records with indices 0 to 100; an index outside them is
// run-time error 9 (subscript out of range).

#include <array>

#include "RuntimeError.h"

template <typename Record>
class Table {
public:
    static constexpr int Size = 101;

    Record& operator[](int index) { return entries_[checked(index)]; }
    const Record& operator[](int index) const { return entries_[checked(index)]; }

private:
    static int checked(int index)
    {
        if (index < 0 || index >= Size)
            throw subscriptError();
        return index;
    }
    std::array<Record, Size> entries_{};
};
