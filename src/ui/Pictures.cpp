#include "Pictures.h"

#include "Pixels.h"

#include <QFile>
#include <QIcon>

QImage LoadPicture(const QString& resource)
{
    const QImage picture(resource);
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

QString Resource::Farbe(int code)
{
    return QStringLiteral(":/main/Farbe%1.bmp").arg(code);
}

QIcon ApplicationIcon()
{
    // The 32-pixel picture of 256 colours, and the small one for title bars.
    // The larger sizes are the desktop menu's, installed with the game.
    QIcon icon(Resource::Icon256Colours);
    icon.addFile(Resource::Icon16Pixels, QSize(16, 16));
    return icon;
}
