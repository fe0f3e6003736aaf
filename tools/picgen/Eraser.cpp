// The eraser button of the high score list: a rubber with a blue paper
// sleeve lying slanted, crumbs beside it, and next to it the same eraser
// greyed out for when there is nothing to erase. Pixel art in a few flat
// colours, so it is drawn without smoothing.
#include "Indexed.h"
#include "Pictures.h"

#include <QPainter>
#include <QPolygonF>

namespace {

constexpr int Cell = 16;
const QRgb Purple = qRgb(128, 0, 128); // the game leaves this colour out
const QRgb Outline = qRgb(0, 0, 0);
const QRgb RubberTop = qRgb(255, 170, 190);
const QRgb RubberSide = qRgb(220, 104, 136);
const QRgb RubberEnd = qRgb(176, 72, 104);
const QRgb SleeveTop = qRgb(96, 140, 240);
const QRgb SleeveSide = qRgb(40, 72, 176);
const QRgb Shine = qRgb(255, 255, 255);
const QRgb Crumb = qRgb(200, 128, 148);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb MidGrey = qRgb(160, 160, 160);
const QRgb LightGrey = qRgb(192, 192, 192);
const QRgb PaleGrey = qRgb(224, 224, 224);

// Corners of the eraser seen from above: A at the rubber end, B at the
// sleeve end, both on the upper long edge; `Across` leads to the lower long
// edge and `Thick` down to the bottom of the block.
const QPointF A(1.0, 8.0);
const QPointF Along(7.5, -7.5);
const QPointF Across(3.5, 3.5);
const QPointF Thick(0.0, 2.5);
constexpr double RubberPart = 0.5;

void Face(QPainter& painter, QRgb colour, std::initializer_list<QPointF> corners)
{
    painter.setBrush(QColor(colour));
    painter.drawPolygon(QPolygonF(corners));
}

QImage DrawEnabled()
{
    QImage picture(Cell, Cell, QImage::Format_RGB32);
    picture.fill(Purple);
    {
        QPainter painter(&picture);
        painter.setPen(Qt::NoPen);
        const QPointF split = A + Along * RubberPart;
        const QPointF B = A + Along;
        const QPointF D = A + Across;
        Face(painter, RubberTop, {A, split, split + Across, D});
        Face(painter, SleeveTop, {split, B, B + Across, split + Across});
        Face(painter, RubberSide, {D, split + Across, split + Across + Thick, D + Thick});
        Face(painter, SleeveSide, {split + Across, B + Across, B + Across + Thick, split + Across + Thick});
        Face(painter, RubberEnd, {A, D, D + Thick, A + Thick});
    }
    // A dark outline around the block, one pixel outside it.
    const QImage block = picture.copy();
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            if (block.pixel(x, y) != Purple)
                continue;
            const bool touches = (x > 0 && block.pixel(x - 1, y) != Purple)
                || (x < Cell - 1 && block.pixel(x + 1, y) != Purple) || (y > 0 && block.pixel(x, y - 1) != Purple)
                || (y < Cell - 1 && block.pixel(x, y + 1) != Purple);
            if (touches)
                picture.setPixel(x, y, Outline);
        }
    // A glint along the upper edge of the rubber, and the crumbs it left.
    for (const QPoint glint : {QPoint(3, 7), QPoint(4, 6), QPoint(5, 5)})
        if (block.pixel(glint) == RubberTop)
            picture.setPixel(glint, Shine);
    for (const QPoint crumb : {QPoint(8, 14), QPoint(9, 14), QPoint(11, 12), QPoint(12, 14), QPoint(14, 11),
                               QPoint(13, 13), QPoint(14, 14), QPoint(10, 15)})
        picture.setPixel(crumb, Crumb);
    return picture;
}

// Greyed out the way disabled buttons are: each colour turned into a grey
// of about its lightness, with a white relief to the lower right of the
// block (the crumbs are too small to carry one).
QImage DrawDisabled(const QImage& enabled)
{
    QImage picture(Cell, Cell, QImage::Format_RGB32);
    picture.fill(Purple);
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            const QRgb colour = enabled.pixel(x, y);
            if (colour != Purple && colour != Crumb && x + 1 < Cell && y + 1 < Cell
                && enabled.pixel(x + 1, y + 1) == Purple)
                picture.setPixel(x + 1, y + 1, Shine);
        }
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            const QRgb colour = enabled.pixel(x, y);
            if (colour == Purple)
                continue;
            const int lightness = qGray(colour);
            picture.setPixel(x, y,
                             lightness < 90        ? Grey
                                 : lightness < 150 ? MidGrey
                                 : lightness < 200 ? LightGrey
                                                   : PaleGrey);
        }
    return picture;
}

} // namespace

QImage DrawEraser()
{
    const QImage enabled = DrawEnabled();
    QImage both(2 * Cell, Cell, QImage::Format_RGB32);
    {
        QPainter painter(&both);
        painter.drawImage(0, 0, enabled);
        painter.drawImage(Cell, 0, DrawDisabled(enabled));
    }
    return WithPalette(both,
                       {Purple, Outline, RubberTop, RubberSide, RubberEnd, SleeveTop, SleeveSide, Shine, Crumb, Grey,
                        MidGrey, LightGrey, PaleGrey});
}
