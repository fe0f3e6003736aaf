// Every picture the game loads is there, at its size and in the storage
// the game expects, and the resource list names exactly these files.
#include "PictureFiles.h"

#include <QDirIterator>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// How a file stores its pixels: the JPEG, a 24-bit bitmap, a 32-bit bitmap
// with alpha, a PNG of a kind, or an SVG drawing (the icon theme's scalable
// icons).
enum class Storage {
    Jpeg,
    Bitmap24,
    Bitmap32Alpha,
    PngRgbAlpha,
    PngPalette,
    Svg
};

struct Expected {
    const char* Path;
    int Width, Height;
    Storage Kind;
};

// Bits per pixel and compression of a bitmap file, from its header; 0 and
// -1 for a file that is no bitmap.
std::pair<int, int> BitmapFormat(const QByteArray& file)
{
    if (file.size() < 34 || !file.startsWith("BM"))
        return {0, -1};
    const auto byte = [&file](int at) { return static_cast<unsigned char>(file[at]); };
    return {byte(28) | byte(29) << 8, byte(30) | byte(31) << 8 | byte(32) << 16 | byte(33) << 24};
}

const Expected Files[] = {
    {"main/Original.jpg", 450, 450, Storage::Jpeg},
    {"main/Farbe1.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe2.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe3.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe4.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe5.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe6.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe7.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe8.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe9.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe10.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe11.bmp", 40, 40, Storage::Bitmap24},
    {"main/Farbe12.bmp", 40, 40, Storage::Bitmap24},
    {"main/Ring.bmp", 40, 40, Storage::Bitmap24},
    {"main/Klein.bmp", 240, 20, Storage::Bitmap24},
    {"main/Auswertung.bmp", 180, 135, Storage::Bitmap24},
    {"Zahlen.bmp", 200, 14, Storage::Bitmap24},
    {"wertung/Punktewertung.bmp", 180, 135, Storage::Bitmap24},
    {"hscores/Erase.png", 32, 16, Storage::PngPalette},
    {"common/OkGlyph.png", 18, 18, Storage::PngRgbAlpha},
    {"common/OkGlyphDisabled.png", 18, 18, Storage::PngRgbAlpha},
    {"icon/Velorin32-16colours.png", 32, 32, Storage::PngPalette},
    {"icon/Velorin32-256colours.bmp", 32, 32, Storage::Bitmap32Alpha},
    {"icon/Velorin16.bmp", 16, 16, Storage::Bitmap32Alpha},
    {"icon/velorin-16.png", 16, 16, Storage::PngRgbAlpha},
    {"icon/velorin-22.png", 22, 22, Storage::PngRgbAlpha},
    {"icon/velorin-24.png", 24, 24, Storage::PngRgbAlpha},
    {"icon/velorin-32.png", 32, 32, Storage::PngRgbAlpha},
    {"icon/velorin-48.png", 48, 48, Storage::PngRgbAlpha},
    {"icon/velorin-64.png", 64, 64, Storage::PngRgbAlpha},
    {"icon/velorin-128.png", 128, 128, Storage::PngRgbAlpha},
    {"icon/velorin-256.png", 256, 256, Storage::PngRgbAlpha},
    {"icon/velorin-editor-16.png", 16, 16, Storage::PngRgbAlpha},
    {"icon/velorin-editor-22.png", 22, 22, Storage::PngRgbAlpha},
    {"icon/velorin-editor-24.png", 24, 24, Storage::PngRgbAlpha},
    {"icon/velorin-editor-32.png", 32, 32, Storage::PngRgbAlpha},
    {"icon/velorin-editor-48.png", 48, 48, Storage::PngRgbAlpha},
    {"icon/velorin-editor-64.png", 64, 64, Storage::PngRgbAlpha},
    {"icon/velorin-editor-128.png", 128, 128, Storage::PngRgbAlpha},
    {"icon/velorin-editor-256.png", 256, 256, Storage::PngRgbAlpha},
    {"icon/velorin.svg", 256, 256, Storage::Svg},
    {"icon/velorin-editor.svg", 256, 256, Storage::Svg},
};

} // namespace

TEST(PictureFiles, EachExistsWithItsSizeAndStorage)
{
    for (const Expected& file : Files) {
        SCOPED_TRACE(file.Path);
        const QByteArray bytes = ReadAsset(file.Path);
        ASSERT_FALSE(bytes.isEmpty()) << "missing or empty";
        if (file.Kind == Storage::Jpeg) {
            const Jpeg jpeg = DecodeJpeg(bytes);
            ASSERT_TRUE(jpeg.Error.isEmpty()) << jpeg.Error.toStdString();
            EXPECT_EQ(jpeg.Picture.size(), QSize(file.Width, file.Height));
            continue;
        }
        if (file.Kind == Storage::Svg) {
            EXPECT_TRUE(
                bytes.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(file.Width).arg(file.Height).toUtf8()));
            continue;
        }
        if (file.Kind == Storage::Bitmap24)
            EXPECT_EQ(BitmapFormat(bytes), std::make_pair(24, 0)); // 24 bits a pixel, uncompressed
        else if (file.Kind == Storage::Bitmap32Alpha)
            EXPECT_EQ(BitmapFormat(bytes), std::make_pair(32, 3)); // 32 bits a pixel in bit fields
        else
            EXPECT_EQ(PngKindOf(bytes), file.Kind == Storage::PngRgbAlpha ? PngKind::RgbAlpha : PngKind::Palette);
        const QImage picture = LoadAsset(file.Path);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(file.Width, file.Height));
    }
}

// The build compiles every picture in assets/ into the game: nothing else may
// lie there but the scalable icons, which it leaves out.
TEST(PictureFiles, AssetsHoldExactlyThePictures)
{
    QSet<QString> expected;
    for (const Expected& file : Files)
        expected.insert(QString::fromLatin1(file.Path));
    QSet<QString> present;
    const QString root = AssetPath(QString());
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        present.insert(it.next().mid(root.size()));
    EXPECT_EQ(present, expected);
}
