// The game's own pictures, drawn the game's way: the board with its
// background and stones, and the small target picture of its stones.
// Blocks, invisible in the game, are marked so that an author sees them.
#pragma once

#include "LevelRecord.h"

#include <QImage>

#include <array>

class BoardPictures {
public:
    BoardPictures(); // loads the pictures compiled into the program

    // The 450 x 450 board showing `cells`, as the game draws it.
    QImage Board(const TCells& cells) const;
    // The 180 x 180 target picture of `cells` in the game's small stones.
    QImage Small(const TCells& cells) const;
    // One stone of code 1..12 at its board size.
    const QImage& Stone(int code) const { return Stones[static_cast<std::size_t>(code)]; }
    // The mark of a block cell (a code above 12), at a stone's size.
    QImage BlockMark(int size) const;

private:
    // Draws the block mark on every block cell of `cells`.
    void MarkBlocks(QImage& picture, const TCells& cells, int size, QPoint (*originOf)(int)) const;

    QImage Background;
    std::array<QImage, 13> Stones; // [1..12]
    QImage SmallStones;
};
