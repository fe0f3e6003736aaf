// The two score pictures and the digit strip. The game writes numbers into
// the score pictures right of the captions and builds numbers from the
// digit cells, so those places must hold exactly the background.
#include "PictureFiles.h"

#include <QSet>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Caption {
    const char* Text;
    QRgb Ink;
    int FirstRow, LastRow;
};

struct Panel {
    const char* Path;
    int FirstColumn; // captions start here or one column later
    int NumbersFrom; // from this column on, every row is background
    std::vector<Caption> Captions;
};

const Panel Panels[] = {
    {"main/Auswertung.bmp",
     7,
     78,
     {{"LEVEL", qRgb(15, 76, 137), 11, 23},
      {"VERSUCH", qRgb(9, 69, 9), 39, 52},
      {"PUNKTE", qRgb(124, 6, 124), 67, 80},
      {"GESAMT", qRgb(208, 27, 27), 109, 122}}},
    {"wertung/Punktewertung.bmp",
     12,
     75,
     {{"LEVEL", qRgb(15, 76, 137), 11, 23},
      {"PUNKTE", qRgb(125, 7, 125), 47, 59},
      {"BONUS", qRgb(5, 64, 5), 74, 86},
      {"GESAMT", qRgb(208, 27, 27), 109, 122}}},
};

const Caption* CaptionOnRow(const Panel& panel, int y)
{
    for (const Caption& caption : panel.Captions)
        if (y >= caption.FirstRow && y <= caption.LastRow)
            return &caption;
    return nullptr;
}

} // namespace

TEST(ScorePanels, NumberColumnsAndGapsAreExactlyBackground)
{
    for (const Panel& panel : Panels) {
        SCOPED_TRACE(panel.Path);
        const QImage picture = LoadAsset(panel.Path);
        ASSERT_EQ(picture.size(), QSize(180, 135));
        int stray = 0;
        for (int y = 0; y < 135; ++y)
            for (int x = 0; x < 180; ++x) {
                const bool mayHoldInk = x < panel.NumbersFrom && CaptionOnRow(panel, y) != nullptr;
                if (!mayHoldInk && !SameRgb(picture.pixel(x, y), Beige)) {
                    ADD_FAILURE() << "not background at " << x << "," << y;
                    if (++stray > 10)
                        return;
                }
            }
    }
}

TEST(ScorePanels, EachCaptionFillsItsRowsInItsColour)
{
    for (const Panel& panel : Panels) {
        for (const Caption& caption : panel.Captions) {
            SCOPED_TRACE(testing::Message() << panel.Path << " " << caption.Text);
            const QImage picture = LoadAsset(panel.Path);
            ASSERT_FALSE(picture.isNull());
            int solid = 0, left = 180, right = -1, top = 135, bottom = -1;
            for (int y = caption.FirstRow; y <= caption.LastRow; ++y)
                for (int x = 0; x < 180; ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    if (SameRgb(pixel, Beige))
                        continue;
                    solid += SameRgb(pixel, caption.Ink);
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    // Letters are blended with the background only.
                    const double t = (Lightness(Beige) - Lightness(pixel))
                        / (Lightness(Beige) - Lightness(caption.Ink));
                    EXPECT_GT(t, -0.05) << "foreign colour at " << x << "," << y;
                }
            EXPECT_GT(solid, 60) << "too little of the caption is in its full colour";
            EXPECT_TRUE(left == panel.FirstColumn || left == panel.FirstColumn + 1) << "starts at column " << left;
            EXPECT_LT(right, panel.NumbersFrom);
            // Several letters wide: a caption, not a dot.
            EXPECT_GT(right - left, 4 * static_cast<int>(std::strlen(caption.Text)));
            EXPECT_EQ(top, caption.FirstRow);
            EXPECT_EQ(bottom, caption.LastRow);
        }
    }
}

// Upright stems stand on whole columns: each is at least two columns of
// full colour through the caption's middle rows, not a smear over three.
TEST(ScorePanels, UprightStemsAreCrisp)
{
    const auto stemsOf = [](char letter) {
        switch (letter) {
        case 'H':
        case 'M':
        case 'N':
        case 'U':
            return 2;
        case 'B':
        case 'E':
        case 'K':
        case 'L':
        case 'P':
        case 'R':
        case 'T':
            return 1;
        default:
            return 0;
        }
    };
    for (const Panel& panel : Panels) {
        const QImage picture = LoadAsset(panel.Path);
        ASSERT_FALSE(picture.isNull());
        for (const Caption& caption : panel.Captions) {
            SCOPED_TRACE(testing::Message() << panel.Path << " " << caption.Text);
            int stems = 0;
            for (const char* letter = caption.Text; *letter != '\0'; ++letter)
                stems += stemsOf(*letter);
            int fullColumns = 0;
            for (int x = 0; x < panel.NumbersFrom; ++x) {
                bool full = true;
                for (int y = caption.FirstRow + 3; y <= caption.LastRow - 3; ++y)
                    full = full && SameRgb(picture.pixel(x, y), caption.Ink);
                fullColumns += full;
            }
            EXPECT_GE(fullColumns, 2 * stems);
        }
    }
}

TEST(ScorePanels, CaptionColoursAppearOnlyInTheirOwnRows)
{
    for (const Panel& panel : Panels) {
        SCOPED_TRACE(panel.Path);
        const QImage picture = LoadAsset(panel.Path);
        ASSERT_FALSE(picture.isNull());
        for (int y = 0; y < 135; ++y)
            for (int x = 0; x < 180; ++x)
                for (const Caption& caption : panel.Captions) {
                    if (SameRgb(picture.pixel(x, y), caption.Ink)) {
                        EXPECT_TRUE(y >= caption.FirstRow && y <= caption.LastRow)
                            << caption.Text << "'s colour at " << x << "," << y;
                    }
                }
    }
}

namespace {

constexpr int DigitWidth = 12;

// How much ink a cell holds: a black pixel counts 1, a half-blended 0.5.
double Ink(const QImage& strip, int digit)
{
    double ink = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < DigitWidth; ++x)
            ink += 1.0 - Lightness(strip.pixel(digit * DigitWidth + x, y)) / Lightness(Beige);
    return ink;
}

} // namespace

TEST(Digits, ScratchAreaIsWhite)
{
    const QImage strip = LoadAsset("Zahlen.bmp");
    ASSERT_EQ(strip.size(), QSize(200, 14));
    for (int y = 0; y < 14; ++y)
        for (int x = 120; x < 200; ++x)
            ASSERT_TRUE(SameRgb(strip.pixel(x, y), qRgb(255, 255, 255))) << "at " << x << "," << y;
}

TEST(Digits, EachCellHoldsOneBlackDigitWithBeigeSides)
{
    const QImage strip = LoadAsset("Zahlen.bmp");
    ASSERT_EQ(strip.size(), QSize(200, 14));
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(testing::Message() << "digit " << digit);
        const int left = digit * DigitWidth;
        int black = 0, top = 14, bottom = -1;
        for (int y = 0; y < 14; ++y) {
            EXPECT_TRUE(SameRgb(strip.pixel(left, y), Beige)) << "left side, row " << y;
            EXPECT_TRUE(SameRgb(strip.pixel(left + DigitWidth - 1, y), Beige)) << "right side, row " << y;
            for (int x = left; x < left + DigitWidth; ++x) {
                const QRgb pixel = strip.pixel(x, y);
                if (SameRgb(pixel, Beige))
                    continue;
                black += SameRgb(pixel, qRgb(0, 0, 0));
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                // Only shades between beige and black.
                EXPECT_LE(qRed(pixel), qRed(Beige));
                EXPECT_LE(qBlue(pixel), qBlue(Beige));
            }
        }
        EXPECT_GE(black, 10) << "the digit is not bold black";
        EXPECT_GE(bottom - top + 1, 11);
        EXPECT_LE(bottom - top + 1, 13);
    }
}

TEST(Digits, CellsAreDistinctAndInOrder)
{
    const QImage strip = LoadAsset("Zahlen.bmp");
    ASSERT_EQ(strip.size(), QSize(200, 14));
    QSet<QByteArray> cells;
    for (int digit = 0; digit <= 9; ++digit) {
        const QImage cell = strip.copy(digit * DigitWidth, 0, DigitWidth, 14).convertToFormat(QImage::Format_RGB32);
        cells.insert(QByteArray(reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes()));
    }
    EXPECT_EQ(cells.size(), 10);
    // A shifted or shuffled strip shows in the ink: "1" and "7" are the
    // lightest digits, "8" is darker than 1, 4 and 7.
    for (int digit : {0, 2, 3, 4, 5, 6, 8, 9}) {
        EXPECT_LT(Ink(strip, 1), Ink(strip, digit)) << "digit " << digit;
        EXPECT_LT(Ink(strip, 7), Ink(strip, digit)) << "digit " << digit;
    }
    for (int digit : {1, 4, 7}) {
        EXPECT_GT(Ink(strip, 8), Ink(strip, digit)) << "digit " << digit;
    }
}
