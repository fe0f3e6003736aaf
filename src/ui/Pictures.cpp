#include "Pictures.h"

#include "Pixels.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <future>

QImage LoadImage(const QString& resource)
{
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
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
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {
std::future<JpegPicture> PendingBoardBackground;

JpegPicture DecodeBoardBackground()
{
    return DecodeJpeg(LoadResourceBytes(Resource::Original));
}
} // namespace

void StartDecodingBoardBackground()
{
    PendingBoardBackground = std::async(std::launch::async, DecodeBoardBackground);
}

JpegPicture BoardBackground()
{
    return PendingBoardBackground.valid() ? PendingBoardBackground.get() : DecodeBoardBackground();
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
