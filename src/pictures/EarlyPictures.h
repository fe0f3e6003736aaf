// The pictures of the main window's first frame are read on a second core
// while the first starts the toolkit and builds the windows. Nothing
// depends on it: a picture not read early is read when it is asked for. It
// keeps the decoding, and the first touch of the memory the pictures fill,
// off the way to the first frame.
#pragma once

#include "Jpeg.h"

#include <QImage>
#include <QString>

#include <optional>

// Begins with the board's picture, then the bitmaps. None of them takes a
// toolkit object or an image plugin to read, so the reading may start
// before the application exists and overlaps the toolkit's own start.
void StartReadingEarlyPictures();

// The picture of `resource` as stored, if it is read early and not taken
// yet; waits for it if need be.
std::optional<QImage> TakeEarlyPicture(const QString& resource);

// The board's background, decoded from its JPEG: taken once from the early
// reading, or else decoded there and then.
JpegPicture TakeBoardBackground();
