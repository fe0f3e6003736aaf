// The board background: a darker frame around a lighter, finely textured
// surface that holds the 9 x 9 stones at x and y 45 .. 404.
#include "PictureFiles.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Board : public testing::Test {
protected:
    void SetUp() override
    {
        Decoded = DecodeJpeg(ReadAsset("main/Original.jpg"));
        ASSERT_TRUE(Decoded.Error.isEmpty()) << Decoded.Error.toStdString();
        ASSERT_EQ(Decoded.Picture.size(), QSize(450, 450));
    }

    double L(int x, int y) const { return Lightness(Decoded.Picture.pixel(x, y)); }

    double MeanOver(QRect area) const
    {
        double sum = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                sum += L(x, y);
        return sum / (area.width() * area.height());
    }

    Jpeg Decoded;
};

const QRect StoneArea(45, 45, 360, 360);

} // namespace

TEST_F(Board, IsBaselineJpegWithThreeComponents)
{
    EXPECT_EQ(Decoded.Components, 3);
    EXPECT_FALSE(Decoded.Progressive);
}

TEST_F(Board, FrameIsDarkerThanSurfaceUnderTheStones)
{
    const double surface = MeanOver(StoneArea);
    // The middle of the frame on each of the four sides.
    for (const QRect band :
         {QRect(6, 60, 16, 330), QRect(428, 60, 16, 330), QRect(60, 6, 330, 16), QRect(60, 428, 330, 16)}) {
        SCOPED_TRACE(testing::Message() << "frame band at " << band.x() << "," << band.y());
        EXPECT_LT(MeanOver(band), surface - 40);
    }
    // The surface reaches past the stones on every side, with no frame
    // pixel in among them.
    double darkest = 255;
    for (int y = StoneArea.top(); y <= StoneArea.bottom(); ++y)
        for (int x = StoneArea.left(); x <= StoneArea.right(); ++x)
            darkest = std::min(darkest, L(x, y));
    EXPECT_GT(darkest, MeanOver(QRect(6, 60, 16, 330)));
}

TEST_F(Board, InnerEdgeOfFrameHasDarkSeam)
{
    // Across the middle of each side, from the frame into the surface, one
    // narrow line is darker than both frame and surface.
    const double frame = MeanOver(QRect(6, 60, 16, 330));
    struct Walk {
        int X, Y, Dx, Dy;
    };
    for (const Walk walk :
         {Walk {15, 225, 1, 0}, Walk {434, 225, -1, 0}, Walk {225, 15, 0, 1}, Walk {225, 434, 0, -1}}) {
        SCOPED_TRACE(testing::Message() << "from " << walk.X << "," << walk.Y);
        double darkest = 255;
        int where = -1;
        for (int step = 0; step < 25; ++step) {
            const double l = L(walk.X + step * walk.Dx, walk.Y + step * walk.Dy);
            if (l < darkest) {
                darkest = l;
                where = step;
            }
        }
        EXPECT_LT(darkest, frame - 30);
        // The seam lies between 20 and 32 pixels from the outer edge.
        EXPECT_GE(where, 5);
        EXPECT_LE(where, 17);
    }
}

TEST_F(Board, SurfaceIsTexturedButHasNoLines)
{
    const double mean = MeanOver(StoneArea);
    double spread = 0;
    for (int y = StoneArea.top(); y <= StoneArea.bottom(); ++y)
        for (int x = StoneArea.left(); x <= StoneArea.right(); ++x)
            spread += (L(x, y) - mean) * (L(x, y) - mean);
    spread = std::sqrt(spread / (360.0 * 360.0));
    EXPECT_GT(spread, 1.5) << "the surface looks flat";
    EXPECT_LT(spread, 20.0) << "the texture is too loud for a background";

    // A grid line would show as a row or column clearly darker than the
    // ones around it.
    std::vector<double> rows, columns;
    for (int i = StoneArea.left(); i <= StoneArea.right(); ++i) {
        rows.push_back(MeanOver(QRect(StoneArea.left(), i, 360, 1)));
        columns.push_back(MeanOver(QRect(i, StoneArea.top(), 1, 360)));
    }
    for (std::size_t i = 2; i + 2 < rows.size(); ++i) {
        const double rowsAround = (rows[i - 2] + rows[i + 2]) / 2;
        const double columnsAround = (columns[i - 2] + columns[i + 2]) / 2;
        EXPECT_LT(std::abs(rows[i] - rowsAround), 6.0) << "row " << 45 + i;
        EXPECT_LT(std::abs(columns[i] - columnsAround), 6.0) << "column " << 45 + i;
    }
}

TEST_F(Board, IsGrey)
{
    // Granite may carry a faint warm or cool cast, no more.
    for (int y = 0; y < 450; y += 3)
        for (int x = 0; x < 450; x += 3) {
            const QRgb pixel = Decoded.Picture.pixel(x, y);
            const int spread = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)})
                - std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
            ASSERT_LT(spread, 16) << "at " << x << "," << y;
        }
}
