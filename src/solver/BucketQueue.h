// The open list of the search: buckets by priority f, and within one f by
// moves made g, deepest first, which lets the search finish the last f
// layer quickly. Priorities are small integers, so buckets beat a heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class BucketQueue {
public:
    void Push(int f, int g, std::uint32_t id)
    {
        if (f >= static_cast<int>(Rows.size())) {
            Rows.resize(f + 1);
            Top.resize(f + 1, -1);
        }
        auto& row = Rows[f];
        if (g >= static_cast<int>(row.size()))
            row.resize(g + 1);
        row[g].push_back(id);
        if (g > Top[f])
            Top[f] = g;
        if (f < MinF)
            MinF = f;
    }

    // Takes an entry of the lowest f, deepest g first; false when empty.
    bool Pop(std::uint32_t& id, int& f, int& g)
    {
        while (MinF < static_cast<int>(Rows.size())) {
            auto& row = Rows[MinF];
            int& top = Top[MinF];
            while (top >= 0 && row[top].empty())
                --top;
            if (top < 0) {
                ++MinF;
                continue;
            }
            id = row[top].back();
            row[top].pop_back();
            f = MinF;
            g = top;
            return true;
        }
        return false;
    }

    std::size_t Bytes() const
    {
        using Ids = std::vector<std::uint32_t>;
        std::size_t bytes = Rows.capacity() * sizeof(std::vector<Ids>) + Top.capacity() * sizeof(int);
        for (const auto& row : Rows) {
            bytes += row.capacity() * sizeof(Ids);
            for (const auto& ids : row)
                bytes += ids.capacity() * sizeof(std::uint32_t);
        }
        return bytes;
    }

private:
    std::vector<std::vector<std::vector<std::uint32_t>>> Rows; // [f][g]
    std::vector<int> Top;                                      // per f: highest g that may hold entries
    int MinF = 1 << 30;
};
