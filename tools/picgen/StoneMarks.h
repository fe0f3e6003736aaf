// The black marks on the stones: an arrow head for every way in which the
// stone may swap, as the game's stone rules give it.
#pragma once

#include <QPainterPath>

// The mark of stone `code` (1..12) on a stone 40 units across, centred on
// (20, 20). Scale it for smaller stones.
QPainterPath StoneMark(int code);
