// Turning pictures into file contents and writing them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// PNG bytes of `picture`: RGB for pictures without alpha, RGB with alpha
// for those with it, a palette for indexed ones.
QByteArray PngBytes(const QImage& picture);

// Uncompressed 24-bit bitmap bytes of `picture` (which has no alpha).
QByteArray BmpBytes(const QImage& picture);

// Uncompressed 32-bit bitmap bytes of `picture` with its alpha channel:
// a version 4 header whose bit fields hold blue, green, red and alpha
// bytes, rows bottom-up. (The toolkit writes bitmaps without alpha.)
QByteArray AlphaBmpBytes(const QImage& picture);

// Baseline JPEG bytes of `picture`, three colour components at full
// colour resolution, quality 92.
QByteArray JpegBytes(const QImage& picture);

// Writes `bytes` to `path` all at once, making folders as needed; a
// reader never sees half a file. Throws std::runtime_error on failure.
void WriteFile(const QString& path, const QByteArray& bytes);
