// How much of each pixel a shape covers, as Qt's antialiased filling sees
// it. Pictures that must keep exact colours blend with this themselves
// instead of letting QPainter paint on them.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <cstdint>
#include <vector>

class Coverage {
public:
    // `path` filled in a picture of `size`, restricted to `clip` if given.
    Coverage(const QPainterPath& path, QSize size, const QRectF& clip = {});

    // 0 (untouched) .. 1 (fully covered); 0 outside the picture.
    double At(int x, int y) const;

private:
    int Width, Height;
    std::vector<std::uint8_t> Alpha;
};
