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

// Begins with the board's picture, which takes no toolkit object to read
// and so may start before the application exists. The other pictures wait
// for ApplicationExists(): reading them makes toolkit objects, and the
// first toolkit object made decides which thread is the program's own.
void StartReadingEarlyPictures();
void ApplicationExists();

// The picture of `resource` as stored, if it is read early and not taken
// yet; waits for it if need be.
std::optional<QImage> TakeEarlyPicture(const QString& resource);

// The board's background, decoded from its JPEG: taken once from the early
// reading, or else decoded there and then.
JpegPicture TakeBoardBackground();
