// The two score pictures: coloured captions on beige. The numbers are
// drawn later by the game to the right of the captions, so everything from
// the number column on stays plain beige.
#include "Lettering.h"
#include "Pictures.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int Width = 180;
constexpr int Height = 135;

struct Caption {
    const char* Text;
    QRgb Ink;
    int FirstRow, LastRow;
};

// Captions start at column `left`; their ink ends a column before
// `numbersFrom`. All captions of a panel share one squeeze, so the
// lettering looks the same in every line even though "VERSUCH" alone would
// need it.
QImage DrawPanel(const std::vector<Caption>& captions, int left, int numbersFrom)
{
    QImage picture(Width, Height, QImage::Format_RGB32);
    picture.fill(PanelBeige);

    const double room = numbersFrom - 1 - left;
    double squeeze = 1.0;
    for (const Caption& caption : captions) {
        const QPainterPath outline = TextOutline(QString::fromLatin1(caption.Text));
        squeeze = std::min(squeeze, room / NaturalWidth(outline, caption.LastRow + 1 - caption.FirstRow));
    }
    const auto place = [&](const Caption& caption) {
        return PlaceLetters(QString::fromLatin1(caption.Text), caption.FirstRow, caption.LastRow, squeeze, left);
    };
    // Letters on whole pixels may end up to a pixel wider than the room.
    constexpr double SqueezeStep = 0.005;
    while (std::any_of(captions.begin(), captions.end(),
                       [&](const Caption& caption) { return place(caption).boundingRect().right() > numbersFrom - 1; }))
        squeeze -= SqueezeStep;

    for (const Caption& caption : captions) {
        // Round letters overshoot the capital height by a fraction of a
        // pixel; cutting that off keeps every caption's top and bottom row
        // crisp and inside its own rows.
        const QRectF rows(0, caption.FirstRow, numbersFrom - 1, caption.LastRow + 1 - caption.FirstRow);
        Ink(picture, place(caption), QColor(caption.Ink), rows);
    }
    return picture;
}

} // namespace

QImage DrawScorePanel()
{
    return DrawPanel(
        {
            {"LEVEL", qRgb(15, 76, 137), 11, 23},
            {"VERSUCH", qRgb(9, 69, 9), 39, 52},
            {"PUNKTE", qRgb(124, 6, 124), 67, 80},
            {"GESAMT", qRgb(208, 27, 27), 109, 122},
        },
        8, 78);
}

QImage DrawLevelScorePanel()
{
    return DrawPanel(
        {
            {"LEVEL", qRgb(15, 76, 137), 11, 23},
            {"PUNKTE", qRgb(125, 7, 125), 47, 59},
            {"BONUS", qRgb(5, 64, 5), 74, 86},
            {"GESAMT", qRgb(208, 27, 27), 109, 122},
        },
        13, 75);
}
