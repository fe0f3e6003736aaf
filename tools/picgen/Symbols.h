// The black marks on the stones that tell which way a stone may swap.
#pragma once

#include <QPainterPath>

// The mark of stone `code` (1..12) on a stone 40 units across, centred on
// (20, 20). Scale it for smaller stones.
QPainterPath StoneSymbol(int code);
