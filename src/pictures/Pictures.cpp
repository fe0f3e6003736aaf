#include "Pictures.h"

#include "Bitmap.h"
#include "EarlyPictures.h"
#include "Pixels.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QResource>

#include <utility>

QImage ReadImage(const QString& resource)
{
    if (resource.endsWith(QLatin1String(".bmp")))
        return ReadBitmap(resource);
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage ReadBitmap(const QString& resource)
{
    return DecodeBitmap(LoadResourceBytes(resource));
}

QImage LoadImage(const QString& resource)
{
    if (std::optional<QImage> early = TakeEarlyPicture(resource))
        return *std::move(early);
    return ReadImage(resource);
}

QImage LoadPicture(const QString& resource)
{
    const QImage picture = LoadImage(resource);
    // The pictures are part of the program; one missing is a broken build.
    if (picture.isNull())
        qFatal("Bild %s fehlt im Programm", qPrintable(resource));
    return AsRgb32(picture);
}

QByteArray LoadResourceBytes(const QString& resource)
{
    return QResource(resource).uncompressedData();
}

QString Resource::Farbe(int code)
{
    return QStringLiteral(":/main/Farbe%1.bmp").arg(code);
}

QIcon ApplicationIcon()
{
    // The 32-pixel picture of 256 colours, and the small one for title bars.
    // The larger sizes are the desktop menu's, installed with the game.
    QIcon icon(QPixmap::fromImage(LoadImage(Resource::Icon256Colours)));
    icon.addPixmap(QPixmap::fromImage(LoadImage(Resource::Icon16Pixels)));
    return icon;
}
