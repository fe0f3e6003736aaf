#include "Lettering.h"

#include "Colour.h"
#include "Coverage.h"

#include <QFile>
#include <QRawFont>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// Read at a large size so no hinting bends the outlines; they are scaled
// down exactly afterwards.
constexpr double LoadSize = 1000.0;

// Pixels by which PlaceLetters widens every letter.
constexpr double Embolden = 0.4;

const QRawFont& Face()
{
    static const QRawFont face = [] {
        const char* const candidates[] = {
            "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
            "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
        };
        for (const char* file : candidates) {
            if (!QFile::exists(QString::fromLatin1(file)))
                continue;
            QRawFont font(QString::fromLatin1(file), LoadSize, QFont::PreferNoHinting);
            if (font.isValid())
                return font;
        }
        throw std::runtime_error("cannot read the bold sans-serif face "
                                 "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf "
                                 "(Debian package fonts-liberation2)");
    }();
    return face;
}

// The letters of `text` in the face's units, each where the pen puts it.
std::vector<QPainterPath> RawLetters(const QString& text)
{
    const QRawFont& face = Face();
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    std::vector<QPainterPath> letters;
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        letters.push_back(face.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return letters;
}

// The letters of `text` with their baseline at y = 0, capitals 1 high.
std::vector<QPainterPath> Letters(const QString& text)
{
    // Capital H: flat top, flat bottom, so its height is the cap height.
    static const double capHeight = RawLetters(QStringLiteral("H")).front().boundingRect().height();
    const QTransform toCapHeight = QTransform::fromScale(1.0 / capHeight, 1.0 / capHeight);
    std::vector<QPainterPath> letters = RawLetters(text);
    for (QPainterPath& letter : letters)
        letter = toCapHeight.map(letter);
    return letters;
}

} // namespace

QPainterPath TextOutline(const QString& text)
{
    QPainterPath outline;
    for (const QPainterPath& letter : Letters(text))
        outline.addPath(letter);
    return outline;
}

QPainterPath PlaceText(const QPainterPath& outline, int firstRow, int lastRow, double squeeze, double left)
{
    const double height = lastRow + 1 - firstRow;
    const QRectF ink = outline.boundingRect();
    QTransform place;
    place.translate(left, lastRow + 1);
    place.scale(height * squeeze, height);
    place.translate(-ink.left(), 0);
    return place.map(outline);
}

double NaturalWidth(const QPainterPath& outline, int rows)
{
    return outline.boundingRect().width() * rows;
}

QPainterPath PlaceLetters(const QString& text, int firstRow, int lastRow, double squeeze, int left)
{
    const double height = lastRow + 1 - firstRow;
    const double across = height * squeeze;
    QPainterPath placed;
    placed.setFillRule(Qt::WindingFill);
    double previousRight = 0; // ink edge of the letter before, unplaced
    int snappedRight = left;  // and where it ended on the pixels
    for (QPainterPath letter : Letters(text)) {
        // Squeezing thins the upright stems but not the bars; widening
        // each letter by a fraction of a pixel gives both the same weight.
        letter.setFillRule(Qt::WindingFill);
        letter.addPath(letter.translated(Embolden / across, 0));
        const QRectF ink = letter.boundingRect();
        // Letters that stand apart keep at least a pixel between them.
        const double gap = (ink.left() - previousRight) * across;
        const int wholeGap = static_cast<int>(gap > 0 ? std::max(1L, std::lround(gap)) : std::lround(gap));
        const int start = placed.isEmpty() ? left : snappedRight + wholeGap;
        const int width = std::max(1, static_cast<int>(std::lround(ink.width() * across)));
        QTransform place;
        place.translate(start, lastRow + 1);
        place.scale(width / ink.width(), height);
        place.translate(-ink.left(), 0);
        placed.addPath(place.map(letter));
        previousRight = ink.right();
        snappedRight = start + width;
    }
    return placed;
}

void Ink(QImage& picture, const QPainterPath& shape, QColor ink, const QRectF& clip)
{
    const Coverage cover(shape, picture.size(), clip);
    const Colour colour = Colour::Of(ink.rgb());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            // A slightly steeper ramp than plain coverage: small text on a
            // low-contrast beige otherwise looks washed out.
            const double amount = std::clamp((cover.At(x, y) - 0.5) * 1.25 + 0.5, 0.0, 1.0);
            if (amount > 0.0)
                picture.setPixel(x, y, Mix(Colour::Of(picture.pixel(x, y)), colour, amount).ToRgb());
        }
    }
}
