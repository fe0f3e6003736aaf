// Every picture the game loads is there, at its size and in the storage
// the game expects, and the resource list names exactly these files.
#include "PictureFiles.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* Path;
    int Width, Height;
    PngKind Kind;  // NotPng stands for the JPEG
};

const Expected Files[] = {
    {"main/Original.jpg", 450, 450, PngKind::NotPng},
    {"main/Farbe1.png", 40, 40, PngKind::Rgb},
    {"main/Farbe2.png", 40, 40, PngKind::Rgb},
    {"main/Farbe3.png", 40, 40, PngKind::Rgb},
    {"main/Farbe4.png", 40, 40, PngKind::Rgb},
    {"main/Farbe5.png", 40, 40, PngKind::Rgb},
    {"main/Farbe6.png", 40, 40, PngKind::Rgb},
    {"main/Farbe7.png", 40, 40, PngKind::Rgb},
    {"main/Farbe8.png", 40, 40, PngKind::Rgb},
    {"main/Farbe9.png", 40, 40, PngKind::Rgb},
    {"main/Farbe10.png", 40, 40, PngKind::Rgb},
    {"main/Farbe11.png", 40, 40, PngKind::Rgb},
    {"main/Farbe12.png", 40, 40, PngKind::Rgb},
    {"main/Ring.png", 40, 40, PngKind::Rgb},
    {"main/Klein.png", 240, 20, PngKind::Rgb},
    {"main/Auswertung.png", 180, 135, PngKind::Rgb},
    {"Zahlen.png", 200, 14, PngKind::Rgb},
    {"wertung/Punktewertung.png", 180, 135, PngKind::Rgb},
    {"hscores/Erase.png", 32, 16, PngKind::Palette},
    {"common/OkGlyph.png", 18, 18, PngKind::RgbAlpha},
    {"common/OkGlyphDisabled.png", 18, 18, PngKind::RgbAlpha},
    {"icon/Velorin16.png", 32, 32, PngKind::Palette},
    {"icon/Velorin256.png", 32, 32, PngKind::Palette},
    {"icon/velorin-16.png", 16, 16, PngKind::RgbAlpha},
    {"icon/velorin-32.png", 32, 32, PngKind::RgbAlpha},
    {"icon/velorin-48.png", 48, 48, PngKind::RgbAlpha},
    {"icon/velorin-256.png", 256, 256, PngKind::RgbAlpha},
};

} // namespace

TEST(PictureFiles, EachExistsWithItsSizeAndStorage)
{
    for (const Expected& file : Files) {
        SCOPED_TRACE(file.Path);
        const QByteArray bytes = ReadAsset(file.Path);
        ASSERT_FALSE(bytes.isEmpty()) << "missing or empty";
        if (file.Kind == PngKind::NotPng) {
            const Jpeg jpeg = DecodeJpeg(bytes);
            ASSERT_TRUE(jpeg.Error.isEmpty()) << jpeg.Error.toStdString();
            EXPECT_EQ(jpeg.Picture.size(), QSize(file.Width, file.Height));
            continue;
        }
        EXPECT_EQ(PngKindOf(bytes), file.Kind);
        const QImage picture = LoadAsset(file.Path);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(file.Width, file.Height));
    }
}

TEST(PictureFiles, ResourceListNamesExactlyThePictures)
{
    const QString list = QString::fromUtf8(ReadAsset("assets.qrc"));
    ASSERT_FALSE(list.isEmpty());
    EXPECT_TRUE(list.contains(QStringLiteral("<qresource prefix=\"/\">")));

    QSet<QString> listed;
    const QRegularExpression entry(QStringLiteral("<file>([^<]+)</file>"));
    for (auto match = entry.globalMatch(list); match.hasNext();)
        listed.insert(match.next().captured(1));

    QSet<QString> expected;
    for (const Expected& file : Files)
        expected.insert(QString::fromLatin1(file.Path));
    EXPECT_EQ(listed, expected);

    // Nothing else lies in assets/ that the list would leave out.
    QSet<QString> present;
    const QString root = AssetPath(QString());
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        present.insert(it.next().mid(root.size()));
    present.remove(QStringLiteral("assets.qrc"));
    EXPECT_EQ(present, expected);
}
