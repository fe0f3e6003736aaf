// Text drawn from the outlines of a bold sans-serif face, placed by its ink
// rather than by font metrics, so every label lands on exact pixel rows.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// The outline of `text` with its baseline at y = 0, in font units where the
// capital letters are 1 high. Throws std::runtime_error when the face
// cannot be read.
QPainterPath TextOutline(const QString& text);

// `outline` (in the units above) scaled so that capitals fill rows
// `firstRow` .. `lastRow` exactly, squeezed sideways by `squeeze` (1 keeps
// the face's proportions), with its leftmost ink at x = `left`.
QPainterPath PlaceText(const QPainterPath& outline, int firstRow, int lastRow, double squeeze, double left);

// Width in pixels that PlaceText gives `outline` on `rows` rows, unsqueezed.
double NaturalWidth(const QPainterPath& outline, int rows);

// `text` placed like PlaceText, but each letter on whole pixels: it starts
// on a pixel edge, the gap before it and its width are rounded to whole
// pixels. Upright stems then fill whole columns, so small lettering stays
// crisp and every letter looks equally heavy.
QPainterPath PlaceLetters(const QString& text, int firstRow, int lastRow, double squeeze, int left);

// Blends `ink` into `picture` wherever `shape` covers it, only within
// `clip`; fully covered pixels get exactly `ink`.
void Ink(QImage& picture, const QPainterPath& shape, QColor ink, const QRectF& clip);
