#include "Lettering.h"

#include "Colour.h"
#include "Coverage.h"

#include <QFile>
#include <QRawFont>
#include <QTransform>
#include <algorithm>
#include <stdexcept>

namespace {

// Read at a large size so no hinting bends the outlines; they are scaled
// down exactly afterwards.
constexpr double LoadSize = 1000.0;

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

QPainterPath RawOutline(const QString& text)
{
    const QRawFont& face = Face();
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPainterPath path;
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(face.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return path;
}

} // namespace

QPainterPath TextOutline(const QString& text)
{
    // Capital H: flat top, flat bottom, so its height is the cap height.
    static const double capHeight = RawOutline(QStringLiteral("H")).boundingRect().height();
    return QTransform::fromScale(1.0 / capHeight, 1.0 / capHeight).map(RawOutline(text));
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
