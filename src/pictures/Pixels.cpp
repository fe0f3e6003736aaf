#include "Pixels.h"

#include <algorithm>
#include <cstring>

namespace {

// Narrows a copy of `from` (in the source) to `to` (in the target) to the
// part that lies inside both pictures; false when nothing is left.
bool ClipCopy(const QImage& target, QPoint& to, const QImage& source, QRect& from)
{
    const QPoint offset = to - from.topLeft();
    const QRect visible = from.intersected(source.rect()).intersected(target.rect().translated(-offset));
    if (visible.isEmpty())
        return false;
    from = visible;
    to = visible.topLeft() + offset;
    return true;
}

} // namespace

void CopyRect(QImage& target, QPoint to, const QImage& source, QRect from)
{
    Q_ASSERT(target.format() == QImage::Format_RGB32 && source.format() == QImage::Format_RGB32);
    if (!ClipCopy(target, to, source, from))
        return;
    target.bits(); // detach first, so that a copy within one picture reads what it writes over
    const std::size_t rowBytes = static_cast<std::size_t>(from.width()) * sizeof(QRgb);
    for (int row = 0; row < from.height(); ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(source.constScanLine(from.top() + row)) + from.left();
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(to.y() + row)) + to.x();
        std::memmove(dst, src, rowBytes);
    }
}

QRgb TransparentColourOf(const QImage& picture)
{
    return picture.pixel(0, picture.height() - 1) & RGB_MASK;
}

void DrawTransparent(QImage& target, QPoint to, const QImage& source)
{
    Q_ASSERT(target.format() == QImage::Format_RGB32 && source.format() == QImage::Format_RGB32);
    if (source.isNull())
        return;
    const QRgb transparent = TransparentColourOf(source);
    QRect from = source.rect();
    if (!ClipCopy(target, to, source, from))
        return;
    for (int row = 0; row < from.height(); ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(source.constScanLine(from.top() + row)) + from.left();
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(to.y() + row)) + to.x();
        for (int column = 0; column < from.width(); ++column) {
            if ((src[column] & RGB_MASK) != transparent)
                dst[column] = src[column];
        }
    }
}

void FillRect(QImage& target, QRect area, QRgb colour)
{
    area = area.intersected(target.rect());
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(row));
        std::fill(line + area.left(), line + area.left() + area.width(), colour | 0xff000000u);
    }
}

QImage WithoutColour(const QImage& picture, QRgb colour)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & RGB_MASK) == (colour & RGB_MASK))
                line[x] = 0;
    }
    return result;
}

QImage WithoutTransparentColour(const QImage& picture)
{
    return WithoutColour(picture, TransparentColourOf(picture));
}

QImage AsRgb32(const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}
