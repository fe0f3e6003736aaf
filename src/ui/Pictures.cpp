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
    return QStringLiteral(":/main/Farbe%1.png").arg(code);
}

QIcon ApplicationIcon()
{
    // At 32 pixels the 256-colour picture; the true-colour ones serve the
    // sizes a desktop asks for besides.
    QIcon icon(Resource::Icon256);
    for (const int size : {16, 48, 256})
        icon.addFile(QStringLiteral(":/icon/velorin-%1.png").arg(size), QSize(size, size));
    return icon;
}
