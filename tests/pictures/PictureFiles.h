// Reading the committed pictures under assets/ for the tests.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

// Full path of `relative` under the source tree's assets/ folder.
QString AssetPath(const QString& relative);

// The file's bytes; empty if it cannot be read.
QByteArray ReadAsset(const QString& relative);

// The picture as Qt decodes it; null if it cannot be read.
QImage LoadAsset(const QString& relative);

// How a PNG file stores its pixels, from its header.
enum class PngKind {
    NotPng,
    Grey,
    Rgb,
    Palette,
    GreyAlpha,
    RgbAlpha
};
PngKind PngKindOf(const QByteArray& file);

// A JPEG file decoded with libjpeg.
struct Jpeg {
    QString Error; // empty when decoding worked
    int Components = 0;
    bool Progressive = false;
    QImage Picture; // RGB32
};
Jpeg DecodeJpeg(const QByteArray& file);

inline QRgb Rgb(QRgb pixel)
{
    return pixel & 0x00FFFFFFu;
}
inline bool SameRgb(QRgb a, QRgb b)
{
    return Rgb(a) == Rgb(b);
}

// Largest difference of any one channel.
inline int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

inline double Lightness(QRgb pixel)
{
    return 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
}

inline const QRgb SeeThroughRed = qRgb(255, 0, 0);
inline const QRgb Beige = qRgb(202, 178, 145);
