#include "Coverage.h"

#include <QImage>
#include <QPainter>

Coverage::Coverage(const QPainterPath& path, QSize size, const QRectF& clip)
    : Width(size.width()), Height(size.height()), Alpha(static_cast<std::size_t>(Width) * Height)
{
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!clip.isNull())
            painter.setClipRect(clip);
        painter.fillPath(path, Qt::white);
    }
    for (int y = 0; y < Height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < Width; ++x)
            Alpha[static_cast<std::size_t>(y) * Width + x] = static_cast<std::uint8_t>(qAlpha(line[x]));
    }
}

double Coverage::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return 0.0;
    return Alpha[static_cast<std::size_t>(y) * Width + x] / 255.0;
}
