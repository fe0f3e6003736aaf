// The program's icon: an orange stone whose black diamond is split down
// the middle by an orange bar, the mark of a stone that swaps both ways.
#include "AppIcon.h"
#include "Coverage.h"
#include "Disc.h"
#include "Indexed.h"
#include "Pictures.h"
#include "Shading.h"

#include <QPolygonF>
#include <cmath>

// Diamond and bar measured in pixels of this size, rounded so that the
// bar and the diamond's points land on whole pixels even at 16 x 16.
QPainterPath AppIconMark(int size)
{
    const double centre = size / 2.0;
    const double reach = std::round(size * 10.0 / 32.0);
    const double bar = 2.0 * std::round(size / 16.0);
    QPainterPath diamond;
    diamond.addPolygon(QPolygonF({{centre, centre - reach},
                                  {centre + reach, centre},
                                  {centre, centre + reach},
                                  {centre - reach, centre},
                                  {centre, centre - reach}}));
    QPainterPath slit;
    slit.addRect(centre - bar / 2.0, 0, bar, size);
    return diamond.subtracted(slit);
}

QImage DrawAppIcon(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const Coverage mark(AppIconMark(size), QSize(size, size));
    const double radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double cover = DiscCover(size, x, y);
            if (cover <= 0.0)
                continue;
            const DiscPoint p {(x + 0.5 - radius) / radius, (y + 0.5 - radius) / radius};
            const Colour colour = Mix(ShadeStone(Colour::Of(AppIconOrange), p), Black, mark.At(x, y));
            const QRgb rgb = colour.ToRgb();
            picture.setPixel(x, y, qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), int(std::lround(cover * 255))));
        }
    return picture;
}

QImage DrawIndexedAppIcon(int colours)
{
    return Reduced(DrawAppIcon(32), colours);
}
