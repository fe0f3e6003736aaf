#include "BoardDrawing.h"

#include "BoardGeometry.h"
#include "Jpeg.h"
#include "Pixels.h"
#include "StoneRules.h"

namespace {

// What shows where the board's picture could not be read.
constexpr QRgb MissingBackground = qRgb(160, 160, 160);

} // namespace

QImage BoardBackground(const JpegPicture& decoded)
{
    if (decoded.Picture.size() == QSize(BoardPixels, BoardPixels))
        return decoded.Picture; // the usual case: no copy needed
    QImage background(BoardPixels, BoardPixels, QImage::Format_RGB32);
    if (decoded.Picture.isNull()) {
        background.fill(MissingBackground);
        return background;
    }
    background.fill(Qt::black);
    CopyRect(background, {0, 0}, decoded.Picture, decoded.Picture.rect());
    return background;
}

void DrawBoardCell(QImage& target, QPoint to, const QImage& background, QRect square, const QImage* stone,
                   const QImage* ring)
{
    CopyRect(target, to, background, square);
    if (stone != nullptr)
        DrawTransparent(target, to, *stone);
    if (ring != nullptr)
        DrawTransparent(target, to, *ring);
}

void DrawTargetPattern(QImage& picture, const TCells& target, const QImage& smallStones)
{
    FillRect(picture, picture.rect(), qRgb(0, 0, 0));
    for (int cell = 1; cell <= CellCount; ++cell) {
        const int code = target[cell];
        if (IsStone(code)) {
            const QRect small((code - 1) * TargetStonePixels, 0, TargetStonePixels, TargetStonePixels);
            CopyRect(picture, TargetCellOrigin(cell), smallStones, small);
        }
    }
}
