// The twelve stones, the ring that marks the chosen one, and the row of
// small stones.
#include "Coverage.h"
#include "Disc.h"
#include "Pictures.h"
#include "Shading.h"
#include "StoneMarks.h"

#include <QTransform>
#include <cmath>

namespace {

const QRgb BodyColours[ColourCount] = {
    qRgb(255, 149, 76),  // 1 light orange
    qRgb(77, 149, 152),  // 2 teal
    qRgb(0, 126, 255),   // 3 blue
    qRgb(0, 255, 0),     // 4 bright green
    qRgb(157, 151, 231), // 5 lavender
    qRgb(157, 151, 0),   // 6 olive yellow
    qRgb(156, 75, 76),   // 7 brownish red
    qRgb(255, 149, 152), // 8 pink
    qRgb(255, 0, 255),   // 9 magenta
    qRgb(222, 56, 57),   // 10 red
    qRgb(144, 13, 255),  // 11 violet
    qRgb(206, 99, 0),    // 12 dark orange
};

// The stone's shaded body with its black mark, at pixel (x, y) of a stone
// `size` pixels across.
Colour StonePixel(int code, int size, const Coverage& symbol, int x, int y)
{
    const double radius = size / 2.0;
    const DiscPoint p {(x + 0.5 - radius) / radius, (y + 0.5 - radius) / radius};
    const Colour body = ShadeStone(Colour::Of(BodyColours[code - 1]), p);
    return Mix(body, Black, symbol.At(x, y));
}

Coverage SymbolCoverage(int code, int size)
{
    const double scale = size / double(StoneSize);
    return Coverage(QTransform::fromScale(scale, scale).map(StoneMark(code)), QSize(size, size));
}

} // namespace

QImage DrawStone(int code)
{
    QImage picture(StoneSize, StoneSize, QImage::Format_RGB32);
    picture.fill(SeeThroughRed);
    const Coverage symbol = SymbolCoverage(code, StoneSize);
    for (int y = 0; y < StoneSize; ++y) {
        for (int x = 0; x < StoneSize; ++x) {
            if (!InStoneDisc(x, y))
                continue;
            QRgb rgb = StonePixel(code, StoneSize, symbol, x, y).ToRgb();
            // A shade that happened to hit the see-through colour would
            // punch a hole into the stone.
            if (rgb == SeeThroughRed)
                rgb = qRgb(254, 0, 0);
            picture.setPixel(x, y, rgb);
        }
    }
    return picture;
}

QImage DrawRing()
{
    // The tube is about 6 pixels wide: from diameter 29 to the stone's edge.
    constexpr double inner = 14.5 / 20.0;
    QImage picture(StoneSize, StoneSize, QImage::Format_RGB32);
    picture.fill(SeeThroughRed);
    for (int y = 0; y < StoneSize; ++y) {
        for (int x = 0; x < StoneSize; ++x) {
            const DiscPoint p {(x + 0.5 - 20.0) / 20.0, (y + 0.5 - 20.0) / 20.0};
            if (InStoneDisc(x, y) && std::hypot(p.X, p.Y) > inner)
                picture.setPixel(x, y, ShadeRing(p, inner).ToRgb());
        }
    }
    return picture;
}

QImage DrawSmallStones()
{
    // Drawn at their own size rather than shrunk, so the marks stay sharp;
    // they sit on black, so their edges may fade into it.
    constexpr int size = StoneSize / 2;
    QImage picture(size * ColourCount, size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int code = 1; code <= ColourCount; ++code) {
        const Coverage symbol = SymbolCoverage(code, size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const double cover = DiscCover(size, x, y);
                if (cover == 0)
                    continue;
                const Colour colour = StonePixel(code, size, symbol, x, y);
                picture.setPixel((code - 1) * size + x, y, (colour * cover).ToRgb());
            }
        }
    }
    return picture;
}
