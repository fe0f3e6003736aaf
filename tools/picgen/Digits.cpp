// The digits the game copies together into numbers: ten cells of 12 x 14
// with black bold digits on beige, then a white area the game draws
// numbers in before copying them out.
#include "Lettering.h"
#include "Pictures.h"

#include <algorithm>

namespace {

constexpr int CellWidth = 12;
constexpr int Height = 14;
constexpr int FirstRow = 1; // digits fill rows 1 .. 12
constexpr int LastRow = 12;
constexpr int ScratchWidth = 80;

} // namespace

QImage DrawDigits()
{
    QImage picture(10 * CellWidth + ScratchWidth, Height, QImage::Format_RGB32);
    picture.fill(PanelBeige);
    for (int x = 10 * CellWidth; x < picture.width(); ++x)
        for (int y = 0; y < Height; ++y)
            picture.setPixel(x, y, qRgb(255, 255, 255));

    // Digits are as tall as capitals in this face; scale them to the rows
    // and centre each one by its ink, so a "1" does not lean to one side.
    for (int digit = 0; digit <= 9; ++digit) {
        const QPainterPath outline = TextOutline(QString::number(digit));
        const double width = NaturalWidth(outline, LastRow + 1 - FirstRow);
        const double left = digit * CellWidth + (CellWidth - width) / 2.0;
        const QPainterPath placed = PlaceText(outline, FirstRow, LastRow, 1.0, left);
        // Keep the outermost column of the cell on either side beige, so
        // digits set side by side never touch.
        const QRectF cell(digit * CellWidth + 1, FirstRow, CellWidth - 2, LastRow + 1 - FirstRow);
        Ink(picture, placed, Qt::black, cell);
    }
    return picture;
}
