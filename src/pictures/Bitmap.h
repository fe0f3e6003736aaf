// Decoding of the bitmaps compiled into the program, without any toolkit
// object: the main window's pictures are read on a second core before the
// application exists. The toolkit's own reader would wait for it, and on
// its first use looks through every image plugin installed, work the
// first frame has no need for.
//
// Two forms are read, the two the picture generator writes: 24 bits a
// pixel, uncompressed; and 32 bits a pixel with an alpha channel, in bit
// fields of blue, green, red and alpha bytes. Rows bottom-up or top-down.
#pragma once

#include <QByteArray>
#include <QImage>

// Format_RGB32 for a 24-bit bitmap, Format_ARGB32 for one with alpha; a
// null picture for anything else, or for a file too short for its pixels.
QImage DecodeBitmap(const QByteArray& file);
