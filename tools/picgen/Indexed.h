// Pictures with a colour table, for the places that want few colours.
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// `picture` as an indexed picture over `palette`. Every pixel must already
// be one of the palette's colours; throws std::logic_error otherwise.
QImage WithPalette(const QImage& picture, const QList<QRgb>& palette);

// `picture` (ARGB32) reduced to at most `colours` colours: pixels with
// alpha below one half become fully transparent (one table entry), the
// rest opaque colours chosen by median cut.
QImage Reduced(const QImage& picture, int colours);
