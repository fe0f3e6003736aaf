// The twelve stones, the ring and the row of small stones. The game cuts
// stones and ring out by the colour of their bottom-left pixel, so their
// outlines must be exact; the marks must point where each stone may move.
#include "PictureFiles.h"

#include "Moves.h"

#include <QList>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int Stones = ColourCount;

const QRgb Bodies[Stones] = {
    qRgb(255, 149, 76),  qRgb(77, 149, 152), qRgb(0, 126, 255),  qRgb(0, 255, 0),
    qRgb(157, 151, 231), qRgb(157, 151, 0),  qRgb(156, 75, 76),  qRgb(255, 149, 152),
    qRgb(255, 0, 255),   qRgb(222, 56, 57),  qRgb(144, 13, 255), qRgb(206, 99, 0),
};

// Where a stone may move: one way along (Dx, Dy), right and down
// positive, or both ways along that line.
struct Move {
    double Dx, Dy;
    bool BothWays;
};

// Asked of the game's move rule itself: in the middle of a board full of
// blocks a stone is offered every way it may go.
Move MoveOf(int code)
{
    constexpr int Middle = 41;
    TCells board {};
    for (int cell = 1; cell <= CellCount; ++cell)
        board[cell] = BlockCode;
    board[Middle] = static_cast<std::uint8_t>(code);
    const MoveOffer offer = StoneMove(board, Middle);
    const int partner = offer.Kind == MoveKind::Ring ? offer.Ring1 : Middle + offer.Offset;
    return {static_cast<double>(ColumnOf(partner) - ColumnOf(Middle)),
            static_cast<double>(RowOf(partner) - RowOf(Middle)), offer.Kind == MoveKind::Ring};
}

QImage Stone(int code)
{
    return LoadAsset(QStringLiteral("main/Farbe%1.bmp").arg(code));
}

bool IsRed(QRgb pixel)
{
    return SameRgb(pixel, SeeThroughRed);
}

QList<QPoint> Opaque(const QImage& picture)
{
    QList<QPoint> points;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!IsRed(picture.pixel(x, y)))
                points << QPoint(x, y);
    return points;
}

// Position (relative to the centre) of the mark's pixels in a stone
// `size` pixels across drawn at `origin`, as mean and second moments.
struct MarkShape {
    int Pixels = 0;
    double MeanX = 0, MeanY = 0, XX = 0, YY = 0, XY = 0;
};

template <typename IsMark> MarkShape MeasureMark(const QImage& picture, QPoint origin, int size, IsMark isMark)
{
    MarkShape shape;
    const double centre = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
            // Only the face of the stone: its shaded rim is dark too.
            if (std::hypot(dx, dy) > 0.375 * size || !isMark(picture.pixel(origin.x() + x, origin.y() + y)))
                continue;
            ++shape.Pixels;
            shape.MeanX += dx;
            shape.MeanY += dy;
            shape.XX += dx * dx;
            shape.YY += dy * dy;
            shape.XY += dx * dy;
        }
    if (shape.Pixels > 0) {
        for (double* sum : {&shape.MeanX, &shape.MeanY, &shape.XX, &shape.YY, &shape.XY})
            *sum /= shape.Pixels;
    }
    return shape;
}

// A one-way mark lies off centre towards its way; a two-way mark is
// centred and stretched along its line.
void ExpectMarkShows(const MarkShape& shape, const Move& move, int size)
{
    const double unit = size / 40.0;
    const double length = std::hypot(move.Dx, move.Dy);
    const double ax = move.Dx / length, ay = move.Dy / length;
    const double along = shape.MeanX * ax + shape.MeanY * ay;
    const double across = -shape.MeanX * ay + shape.MeanY * ax;
    if (!move.BothWays) {
        EXPECT_GT(along, 2.5 * unit) << "the mark does not lean towards its way";
        EXPECT_LT(std::abs(across), 1.5 * unit) << "the mark leans sideways";
        return;
    }
    EXPECT_LT(std::hypot(shape.MeanX, shape.MeanY), 1.0 * unit) << "a two-way mark is off centre";
    const double spreadAlong = shape.XX * ax * ax + shape.YY * ay * ay + 2 * shape.XY * ax * ay;
    const double spreadAcross = shape.XX * ay * ay + shape.YY * ax * ax - 2 * shape.XY * ax * ay;
    EXPECT_GT(spreadAlong, 1.3 * spreadAcross) << "the mark is not stretched along its line";
}

// The colour at the middle of the stone's face, left of its mark: the
// median of each channel over the face's pixels that are not black.
QRgb FaceColour(const QImage& picture, QPoint origin, int size)
{
    std::vector<int> channels[3];
    const double centre = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = picture.pixel(origin.x() + x, origin.y() + y);
            if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) > 0.375 * size
                || std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 60)
                continue;
            channels[0].push_back(qRed(pixel));
            channels[1].push_back(qGreen(pixel));
            channels[2].push_back(qBlue(pixel));
        }
    int median[3] = {0, 0, 0};
    for (int c = 0; c < 3; ++c) {
        if (channels[c].empty())
            return qRgb(0, 0, 0);
        std::nth_element(channels[c].begin(), channels[c].begin() + channels[c].size() / 2, channels[c].end());
        median[c] = channels[c][channels[c].size() / 2];
    }
    return qRgb(median[0], median[1], median[2]);
}

int NearestBody(QRgb colour)
{
    int best = 0;
    double bestDistance = 1e9;
    for (int i = 0; i < Stones; ++i) {
        const double dr = qRed(colour) - qRed(Bodies[i]), dg = qGreen(colour) - qGreen(Bodies[i]),
                     db = qBlue(colour) - qBlue(Bodies[i]);
        const double distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i + 1;
        }
    }
    return best;
}

} // namespace

TEST(Stones, AllTwelveShareOneOutline)
{
    const QList<QPoint> first = Opaque(Stone(1));
    ASSERT_FALSE(first.isEmpty());
    for (int code = 1; code <= Stones; ++code) {
        SCOPED_TRACE(testing::Message() << "stone " << code);
        const QImage stone = Stone(code);
        ASSERT_EQ(stone.size(), QSize(40, 40));
        EXPECT_EQ(Opaque(stone), first);
        EXPECT_TRUE(IsRed(stone.pixel(0, 39))) << "the bottom-left pixel gives the see-through colour";
    }
}

TEST(Stones, OutlineIsRoundDiscOfDiameter40)
{
    const QImage stone = Stone(1);
    ASSERT_EQ(stone.size(), QSize(40, 40));
    const QList<QPoint> disc = Opaque(stone);
    // The area of a circle of radius 20, give or take its ragged edge.
    EXPECT_NEAR(static_cast<double>(disc.size()), 1257, 20);
    for (const QPoint p : disc) {
        // Mirror-symmetric both ways and across the diagonal.
        EXPECT_FALSE(IsRed(stone.pixel(39 - p.x(), p.y())));
        EXPECT_FALSE(IsRed(stone.pixel(p.x(), 39 - p.y())));
        EXPECT_FALSE(IsRed(stone.pixel(p.y(), p.x())));
    }
    // It touches all four sides in their middle, and leaves the corners.
    for (const QPoint touching : {QPoint(0, 19), QPoint(0, 20), QPoint(39, 20), QPoint(20, 0), QPoint(19, 39)})
        EXPECT_FALSE(IsRed(stone.pixel(touching))) << touching.x() << "," << touching.y();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39), QPoint(5, 5), QPoint(0, 14)})
        EXPECT_TRUE(IsRed(stone.pixel(corner))) << corner.x() << "," << corner.y();
    // Just inside the circle on the diagonal: pixel (6, 6)'s centre is
    // 19.1 from the middle.
    EXPECT_FALSE(IsRed(stone.pixel(6, 6)));
}

TEST(Stones, NoSeeThroughRedOnTheStone)
{
    for (int code = 1; code <= Stones; ++code) {
        const QImage stone = Stone(code);
        int red = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const double dx = x + 0.5 - 20, dy = y + 0.5 - 20;
                red += dx * dx + dy * dy <= 400 && IsRed(stone.pixel(x, y));
            }
        EXPECT_EQ(red, 0) << "stone " << code;
    }
}

TEST(Stones, BodyColourMatchesCode)
{
    for (int code = 1; code <= Stones; ++code) {
        const QRgb face = FaceColour(Stone(code), {0, 0}, 40);
        EXPECT_EQ(NearestBody(face), code) << "stone " << code;
        EXPECT_LT(ChannelDistance(face, Bodies[code - 1]), 60) << "stone " << code;
    }
}

TEST(Stones, BlackMarkShowsWhereStoneMoves)
{
    for (int code = 1; code <= Stones; ++code) {
        SCOPED_TRACE(testing::Message() << "stone " << code);
        const MarkShape mark = MeasureMark(Stone(code), {0, 0}, 40, [](QRgb p) { return SameRgb(p, qRgb(0, 0, 0)); });
        ASSERT_GT(mark.Pixels, 40) << "no black mark";
        ExpectMarkShows(mark, MoveOf(code), 40);
    }
}

TEST(Ring, IsSilverBandAlongTheStoneEdge)
{
    const QImage ring = LoadAsset("main/Ring.bmp");
    ASSERT_EQ(ring.size(), QSize(40, 40));
    const QList<QPoint> disc = Opaque(Stone(1));
    EXPECT_TRUE(IsRed(ring.pixel(0, 39)));
    int darkest = 255, brightest = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb pixel = ring.pixel(x, y);
            const double r = std::hypot(x + 0.5 - 20, y + 0.5 - 20);
            if (r < 14.0) {
                EXPECT_TRUE(IsRed(pixel)) << "the stone under the ring must show at " << x << "," << y;
            }
            if (r > 15.0 && r < 19.0) {
                EXPECT_FALSE(IsRed(pixel)) << "gap in the ring at " << x << "," << y;
            }
            if (IsRed(pixel))
                continue;
            EXPECT_TRUE(disc.contains(QPoint(x, y))) << "ring outside the stone at " << x << "," << y;
            EXPECT_LE(std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)})
                          - std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}),
                      12)
                << "not silver at " << x << "," << y;
            darkest = std::min(darkest, qGreen(pixel));
            brightest = std::max(brightest, qGreen(pixel));
        }
    // Polished metal: bright glints and dark reflections.
    EXPECT_GT(brightest, 220);
    EXPECT_LT(darkest, 110);
}

TEST(SmallStones, TwelveCellsOnBlackInCodeOrder)
{
    const QImage row = LoadAsset("main/Klein.bmp");
    ASSERT_EQ(row.size(), QSize(240, 20));
    for (int code = 1; code <= Stones; ++code) {
        SCOPED_TRACE(testing::Message() << "small stone " << code);
        const QPoint origin(20 * (code - 1), 0);
        for (const QPoint corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)})
            EXPECT_TRUE(SameRgb(row.pixel(origin + corner), qRgb(0, 0, 0)));
        // The disc fills its cell: the middle of each side is lit.
        for (const QPoint edge : {QPoint(10, 1), QPoint(1, 10), QPoint(18, 10), QPoint(10, 18)})
            EXPECT_GT(std::max({qRed(row.pixel(origin + edge)), qGreen(row.pixel(origin + edge)),
                                qBlue(row.pixel(origin + edge))}),
                      30);
        EXPECT_EQ(NearestBody(FaceColour(row, origin, 20)), code);
        const MarkShape mark = MeasureMark(row, origin, 20, [](QRgb p) {
            return std::max({qRed(p), qGreen(p), qBlue(p)}) < 50;
        });
        ASSERT_GT(mark.Pixels, 8) << "no black mark";
        ExpectMarkShows(mark, MoveOf(code), 20);
    }
}
