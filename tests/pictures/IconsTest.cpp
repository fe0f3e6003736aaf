// The small button pictures and the program's icons.
#include "PictureFiles.h"

#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const QRgb Purple = qRgb(128, 0, 128);

bool IsGrey(QRgb pixel)
{
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

// Orange, lit or in the stone's shade.
bool IsOrange(QRgb pixel)
{
    return qRed(pixel) > 110 && qRed(pixel) > qGreen(pixel) + 35 && qGreen(pixel) > qBlue(pixel) + 15;
}

bool IsBlack(QRgb pixel)
{
    return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 50;
}

} // namespace

TEST(Eraser, SixteenColoursOnPurple)
{
    const QImage eraser = LoadAsset("hscores/Erase.png");
    ASSERT_EQ(eraser.size(), QSize(32, 16));
    ASSERT_EQ(eraser.format(), QImage::Format_Indexed8);
    EXPECT_LE(eraser.colorCount(), 16);
    EXPECT_TRUE(eraser.colorTable().contains(qRgb(128, 0, 128))
                || eraser.colorTable().contains(qRgba(128, 0, 128, 255)));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(15, 0), QPoint(16, 0), QPoint(31, 0), QPoint(0, 15), QPoint(31, 15)})
        EXPECT_TRUE(SameRgb(eraser.pixel(corner), Purple)) << corner.x() << "," << corner.y();
}

TEST(Eraser, RightHalfIsGreyCopyOfLeftHalf)
{
    const QImage eraser = LoadAsset("hscores/Erase.png");
    ASSERT_EQ(eraser.size(), QSize(32, 16));
    int drawn = 0, coloured = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb left = eraser.pixel(x, y), right = eraser.pixel(x + 16, y);
            if (!SameRgb(right, Purple)) {
                EXPECT_TRUE(IsGrey(right)) << "colour in the disabled eraser at " << x + 16 << "," << y;
            }
            if (SameRgb(left, Purple))
                continue;
            ++drawn;
            coloured += !IsGrey(left);
            EXPECT_FALSE(SameRgb(right, Purple)) << "the disabled eraser lacks " << x << "," << y;
        }
    // A real drawing, in colour, not a speck.
    EXPECT_GT(drawn, 60);
    EXPECT_GT(coloured, drawn / 2);
}

TEST(OkGlyph, GreenMarkOnSeeThroughBackground)
{
    for (const char* path : {"common/OkGlyph.png", "common/OkGlyphDisabled.png"}) {
        SCOPED_TRACE(path);
        const QImage glyph = LoadAsset(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(glyph.size(), QSize(18, 18));
        for (const QPoint corner : {QPoint(0, 0), QPoint(17, 0), QPoint(0, 17), QPoint(17, 17)})
            EXPECT_EQ(qAlpha(glyph.pixel(corner)), 0);
    }
    const QImage enabled = LoadAsset("common/OkGlyph.png").convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = LoadAsset("common/OkGlyphDisabled.png").convertToFormat(QImage::Format_ARGB32);
    int solid = 0, green = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const QRgb on = enabled.pixel(x, y), off = disabled.pixel(x, y);
            if (qAlpha(on) == 255) {
                ++solid;
                green += qGreen(on) > qRed(on) + 50 && qGreen(on) > qBlue(on) + 50;
                EXPECT_GT(qAlpha(off), 0) << "the disabled mark lacks " << x << "," << y;
            }
            if (qAlpha(off) > 0) {
                EXPECT_LE(ChannelDistance(off, qRgb(qGreen(off), qGreen(off), qGreen(off))), 8)
                    << "colour in the disabled mark";
            }
        }
    EXPECT_GT(solid, 25);
    EXPECT_GT(green, solid / 2);
    // A check mark: its short leg down on the left, its long leg up to the
    // top right, and nothing in the top-left and bottom-right corners.
    EXPECT_GT(qAlpha(enabled.pixel(14, 5)), 128);
    EXPECT_GT(qAlpha(enabled.pixel(7, 12)), 128);
    EXPECT_EQ(qAlpha(enabled.pixel(4, 3)), 0);
    EXPECT_EQ(qAlpha(enabled.pixel(14, 14)), 0);
}

TEST(AppIcon, IndexedVersionsKeepTheirColourLimits)
{
    struct Limit {
        const char* Path;
        int Colours;
    };
    for (const Limit limit :
         {Limit {"icon/Velorin32-16colours.png", 16}, Limit {"icon/Velorin32-256colours.bmp", 256}}) {
        SCOPED_TRACE(limit.Path);
        const QImage icon = LoadAsset(limit.Path);
        ASSERT_EQ(icon.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the corner must be see-through";
        QSet<QRgb> used;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                used.insert(icon.pixel(x, y));
        EXPECT_LE(used.size(), limit.Colours);
        // The 256-colour icon makes use of its room.
        if (limit.Colours == 256) {
            EXPECT_GT(used.size(), 16);
        }
    }
}

// The game's title bar shows the icon theme's own 16-pixel picture.
TEST(AppIcon, TheSmallWindowIconIsTheThemesSixteenPixelIcon)
{
    const QImage window = LoadAsset("icon/Velorin16.bmp");
    ASSERT_EQ(window.format(), QImage::Format_ARGB32);
    EXPECT_EQ(window, LoadAsset("icon/velorin-16.png").convertToFormat(QImage::Format_ARGB32));
}

TEST(AppIcon, OrangeDiscWithDiamondSplitByBar)
{
    for (const char* path :
         {"icon/Velorin32-16colours.png", "icon/Velorin32-256colours.bmp", "icon/Velorin16.bmp", "icon/velorin-16.png",
          "icon/velorin-22.png", "icon/velorin-24.png", "icon/velorin-32.png", "icon/velorin-48.png",
          "icon/velorin-64.png", "icon/velorin-128.png", "icon/velorin-256.png"}) {
        SCOPED_TRACE(path);
        const QImage icon = LoadAsset(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(icon.isNull());
        const int n = icon.width();
        ASSERT_EQ(icon.height(), n);
        const auto at = [&](double fx, double fy) { return icon.pixel(int(fx * n), int(fy * n)); };
        for (const QPoint corner : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
        // The bar down the middle is orange from top to bottom of the disc.
        for (double fy : {0.15, 0.3, 0.5, 0.7, 0.8}) {
            EXPECT_TRUE(IsOrange(at(0.5, fy))) << "bar at height " << fy;
            EXPECT_EQ(qAlpha(at(0.5, fy)), 255);
        }
        // The diamond's halves either side of it are black.
        EXPECT_TRUE(IsBlack(at(0.36, 0.5)));
        EXPECT_TRUE(IsBlack(at(0.64, 0.5)));
        // Outside the diamond, the disc is orange again.
        for (const auto& [fx, fy] : {std::pair {0.3, 0.25}, std::pair {0.7, 0.25}, std::pair {0.3, 0.75},
                                     std::pair {0.7, 0.75}, std::pair {0.15, 0.5}, std::pair {0.85, 0.5}})
            EXPECT_TRUE(IsOrange(at(fx, fy)) || Lightness(at(fx, fy)) > 200) << "disc at " << fx << "," << fy;
    }
}

// The editor's icon is the game's stone, smaller in the top-left corner,
// with a yellow pencil across it: at every size plainly not the game's.
TEST(EditorIcon, TheStoneWithAPencilUnlikeTheGamesIcon)
{
    const auto isYellow = [](QRgb pixel) { return qRed(pixel) > 180 && qGreen(pixel) > 140 && qBlue(pixel) < 90; };
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage editor =
            LoadAsset(QStringLiteral("icon/velorin-editor-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        const QImage game =
            LoadAsset(QStringLiteral("icon/velorin-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(editor.size(), QSize(size, size));
        ASSERT_EQ(game.size(), QSize(size, size));
        const auto at = [&](double fx, double fy) { return editor.pixel(int(fx * size), int(fy * size)); };
        // The stone's bar, above the pencil, and its mark's left half.
        EXPECT_TRUE(IsOrange(at(0.4, 0.15)));
        EXPECT_TRUE(IsBlack(at(0.28, 0.4)));
        // The pencil's body, and nothing in the corners it leaves free.
        EXPECT_TRUE(isYellow(at(0.66, 0.66))) << std::hex << at(0.66, 0.66);
        for (const QPoint corner : {QPoint(size - 1, 0), QPoint(0, size - 1)})
            EXPECT_EQ(qAlpha(editor.pixel(corner)), 0);
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differing += ChannelDistance(editor.pixel(x, y), game.pixel(x, y)) > 40
                    || std::abs(qAlpha(editor.pixel(x, y)) - qAlpha(game.pixel(x, y))) > 40;
        EXPECT_GT(differing, size * size / 4);
    }
}

// The scalable icons are well-formed drawings; the editor's holds the
// game's stone with its mark.
TEST(ScalableIcons, WellFormedDrawingsOfTheSameStone)
{
    QStringList marks;
    for (const char* path : {"icon/velorin.svg", "icon/velorin-editor.svg"}) {
        SCOPED_TRACE(path);
        QXmlStreamReader drawing(ReadAsset(path));
        int circles = 0;
        QString mark;
        while (!drawing.atEnd()) {
            if (drawing.readNext() != QXmlStreamReader::StartElement)
                continue;
            circles += drawing.name() == QStringLiteral("circle");
            if (drawing.name() == QStringLiteral("path") && mark.isEmpty())
                mark = drawing.attributes().value(QStringLiteral("d")).toString();
        }
        ASSERT_FALSE(drawing.hasError()) << drawing.errorString().toStdString();
        EXPECT_EQ(circles, 1);
        marks << mark;
    }
    EXPECT_FALSE(marks.constFirst().isEmpty());
    EXPECT_EQ(marks.constFirst(), marks.constLast());
}
