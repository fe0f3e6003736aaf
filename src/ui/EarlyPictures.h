// The pictures of the main window's first frame are read on a second core
// while the first builds the windows, in the order the windows ask for
// them. Nothing depends on it: a picture not read early is read when it is
// asked for. It keeps the decoding, and the first touch of the memory the
// pictures fill, off the way to the first frame.
#pragma once

#include "Jpeg.h"

#include <QImage>
#include <QString>

#include <optional>

// Begins the reading. Only once the application exists: the first thread
// to make a toolkit object is the one the toolkit takes for the program's.
void StartReadingEarlyPictures();

// The picture of `resource` as stored, if it was read early and not taken
// yet; waits for it if need be.
std::optional<QImage> TakeEarlyPicture(const QString& resource);

// The board's background, decoded from its JPEG, and a copy of it for the
// board to draw on (null when decoding failed).
struct BoardPictures {
    JpegPicture Background;
    QImage Canvas;
};

// Taken once from the early reading, or else decoded there and then.
BoardPictures TakeBoardPictures();
