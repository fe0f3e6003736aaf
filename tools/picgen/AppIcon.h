// The shapes the program icons share between their pictures and their
// scalable drawings.
#pragma once

#include <QPainterPath>
#include <QRgb>
#include <vector>

// The game's stone on the icon.
inline constexpr QRgb AppIconOrange = qRgb(255, 140, 50);

// The black diamond split by the bar, in pixels of a size x size icon.
QPainterPath AppIconMark(int size);

// The editor's icon: the game's stone, at this share of the icon's size
// in its top-left corner, with a pencil laid across it.
inline constexpr double EditorStoneShare = 0.8;

struct PencilPart {
    QPainterPath Shape; // in pixels of the icon
    QRgb Colour;
};

// The pencil's parts from its point to its eraser, in pixels of a
// size x size icon, and its outline with the outline's width.
std::vector<PencilPart> PencilParts(double size);
QPainterPath PencilOutline(double size);
double PencilOutlineWidth(double size);
inline constexpr QRgb PencilOutlineColour = qRgb(58, 40, 20);
