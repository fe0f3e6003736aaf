// Arrays indexed from 1, as the game counts: levels 1..99, cells 1..81,
// places 1..10.
#pragma once

#include <cassert>

template <typename T, int N> struct OneBased {
    T Item[N];

    T& operator[](int i)
    {
        assert(i >= 1 && i <= N);
        return Item[i - 1];
    }
    const T& operator[](int i) const
    {
        assert(i >= 1 && i <= N);
        return Item[i - 1];
    }
    bool operator==(const OneBased&) const = default;
};
