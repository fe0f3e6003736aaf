// The three drawing primitives of the game, on 32-bit pictures
// (QImage::Format_RGB32): a plain copy of a rectangle, a copy that leaves
// out the picture's transparent colour, and a filled rectangle.
// They copy pixels exactly: no scaling, no blending.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// Copies the rectangle `from` of `source` to `to` in `target`, pixel for
// pixel. Both may be the same picture if the rectangles do not overlap.
// Parts outside either picture are left out.
void CopyRect(QImage& target, QPoint to, const QImage& source, QRect from);

// The colour a picture of the board is drawn without: its bottom-left
// pixel's (pure red on the stones and the ring).
QRgb TransparentColourOf(const QImage& picture);

// Draws `source` with its top left corner at `to`, leaving out every pixel
// of its transparent colour.
void DrawTransparent(QImage& target, QPoint to, const QImage& source);

// Fills `area` of `target` with `colour`.
void FillRect(QImage& target, QRect area, QRgb colour);

// A copy with an alpha channel in which every pixel of `colour` is see-through,
// for showing a picture outside the game's own drawing.
QImage WithoutColour(const QImage& picture, QRgb colour);

// The same for the picture's own transparent colour: as the board shows it.
QImage WithoutTransparentColour(const QImage& picture);

// A picture in the form the primitives work on.
QImage AsRgb32(const QImage& picture);
