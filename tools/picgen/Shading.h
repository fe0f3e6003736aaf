// How light falls on the round pieces: the stones, the ring and the icon.
// All of them are lit from the top left, like everything on the desktop.
#pragma once

#include "Colour.h"

// Where a point lies on a round piece, in units of its radius: (0, 0) is the
// centre, x grows to the right and y downwards, and x*x + y*y <= 1.
struct DiscPoint {
    double X, Y;
};

// The body colour `body` of a glossy stone as seen at `p`: a gentle dome
// with a rounded rim, a highlight up left and a shadow down right.
Colour ShadeStone(const Colour& body, DiscPoint p);

// A polished silver ring whose tube runs from radius `inner` to 1 (radius
// units), as seen at `p`.
Colour ShadeRing(DiscPoint p, double inner);
