// The program icons as SVG drawings for the icon theme's "scalable" size,
// from the same shapes as their pictures. The stone's lighting is drawn
// as a radial gradient that follows the pictures' shading: light from the
// top left, a darker rim.
#include "AppIcon.h"
#include "Pictures.h"

#include <QColor>
#include <QRegularExpression>
#include <QString>

namespace {

// The drawings' own units: the size of the largest picture.
constexpr int Units = 256;

QString Number(double value)
{
    return QString::number(value, 'f', 2).remove(QRegularExpression("\\.?0+$"));
}

// SVG path data of a path made of straight lines, as every icon shape is.
QString PathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo() && i > 0)
            data += QStringLiteral("Z ");
        data += (element.isMoveTo() ? QStringLiteral("M") : QStringLiteral("L")) + Number(element.x) + ' '
            + Number(element.y) + ' ';
    }
    return data + 'Z';
}

QString Hex(QRgb colour)
{
    return QColor(colour).name();
}

// The stone with its mark, filling a square of `Units`.
QString Stone()
{
    const double centre = Units / 2.0;
    return QStringLiteral("  <defs>\n"
                          "    <radialGradient id=\"stone\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\"0.34\" fy=\"0.3\">\n"
                          "      <stop offset=\"0\" stop-color=\"#fff4e8\"/>\n"
                          "      <stop offset=\"0.16\" stop-color=\"#ffb676\"/>\n"
                          "      <stop offset=\"0.6\" stop-color=\"%1\"/>\n"
                          "      <stop offset=\"0.93\" stop-color=\"#b8581c\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"#70340e\"/>\n"
                          "    </radialGradient>\n"
                          "  </defs>\n"
                          "  <circle cx=\"%2\" cy=\"%2\" r=\"%2\" fill=\"url(#stone)\"/>\n"
                          "  <path d=\"%3\" fill=\"#000000\"/>\n")
        .arg(Hex(AppIconOrange), Number(centre), PathData(AppIconMark(Units)));
}

QByteArray Drawing(const QString& title, const QString& body)
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
               "  <title>%2</title>\n"
               "%3"
               "</svg>\n")
        .arg(Units)
        .arg(title, body)
        .toUtf8();
}

} // namespace

QByteArray AppIconSvg()
{
    return Drawing(QStringLiteral("Velorin"), Stone());
}

QByteArray EditorIconSvg()
{
    QString body = QStringLiteral("  <g transform=\"scale(%1)\">\n").arg(EditorStoneShare);
    for (const QString& line : Stone().split('\n', Qt::SkipEmptyParts))
        body += "  " + line + '\n';
    body += QStringLiteral("  </g>\n");
    for (const PencilPart& part : PencilParts(Units))
        body += QStringLiteral("  <path d=\"%1\" fill=\"%2\"/>\n").arg(PathData(part.Shape), Hex(part.Colour));
    body += QStringLiteral(
                "  <path d=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" stroke-linejoin=\"round\"/>\n")
                .arg(PathData(PencilOutline(Units)), Hex(PencilOutlineColour), Number(PencilOutlineWidth(Units)));
    return Drawing(QStringLiteral("Velorin-Editor"), body);
}
