// Decoding of the board background, a JPEG compiled into the program,
// with libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

struct JpegPicture {
    QImage Picture; // Format_RGB32; null when decoding failed
    QString Error;  // why decoding failed
};

JpegPicture DecodeJpeg(const QByteArray& data);
