#include "Pictures.h"

#include "Pixels.h"

#include <QFile>

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
    return QStringLiteral(":/main/Farbe%1.png").arg(code);
}
