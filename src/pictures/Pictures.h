// The pictures compiled into the program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture resource as it is stored, see-through pixels and all: a
// bitmap by ReadBitmap, anything else by the toolkit's reader for the
// format its name ends in, so that it does not load every image plugin to
// guess it.
QImage ReadImage(const QString& resource);

// The same, taken from the pictures read early where it is one of them.
QImage LoadImage(const QString& resource);

// A bitmap resource (Bitmap.h), read without any toolkit object, so that
// it may be read before the application exists.
QImage ReadBitmap(const QString& resource);

// A picture resource in the 32-bit form the drawing works on.
QImage LoadPicture(const QString& resource);

// The program's icon, for its windows and the about box.
class QIcon;
QIcon ApplicationIcon();

// The undecoded bytes of a resource (the board background JPEG), empty
// when there is none. Read without any toolkit object, so that it may be
// done before the application exists.
QByteArray LoadResourceBytes(const QString& resource);

namespace Resource {
inline const QString Original = QStringLiteral(":/main/Original.jpg");
inline const QString Ring = QStringLiteral(":/main/Ring.bmp");
inline const QString Klein = QStringLiteral(":/main/Klein.bmp");
inline const QString Auswertung = QStringLiteral(":/main/Auswertung.bmp");
inline const QString Zahlen = QStringLiteral(":/Zahlen.bmp");
inline const QString Punktewertung = QStringLiteral(":/wertung/Punktewertung.bmp");
inline const QString Erase = QStringLiteral(":/hscores/Erase.png");
inline const QString OkGlyph = QStringLiteral(":/common/OkGlyph.png");
inline const QString OkGlyphDisabled = QStringLiteral(":/common/OkGlyphDisabled.png");
// The window icons: the 32 x 32 icon of at most 256 colours, and the icon
// at 16 x 16 (the same picture as the icon theme's).
inline const QString Icon256Colours = QStringLiteral(":/icon/Velorin32-256colours.bmp");
inline const QString Icon16Pixels = QStringLiteral(":/icon/Velorin16.bmp");
// The stone of colour code 1..12.
QString Farbe(int code);
} // namespace Resource
