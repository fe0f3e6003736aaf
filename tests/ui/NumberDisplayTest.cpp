// Numbers composed from the digit strip into the score pictures.
#include "NumberDisplay.h"
#include "Pictures.h"

#include <QTest>

namespace {

constexpr QRect MainBlank {100, 85, 80, 14};
constexpr QRect DialogBlank {100, 90, 80, 14};

// The picture as it looks with `digits` right-aligned in the field of
// `row`, built glyph by glyph from the strip: an independent picture of
// what the player must see.
QImage Expected(const QImage& picture, const QImage& strip, const QString& digits, int row)
{
    QImage expected = picture.copy();
    const QRgb background = picture.pixel(179, 134);
    for (int y = row; y < row + 14; ++y)
        for (int x = 95; x <= 174; ++x)
            expected.setPixel(x, y, background);
    int x = 175 - 12 * static_cast<int>(digits.size());
    for (const QChar digit : digits) {
        const int d = digit.digitValue();
        for (int dy = 0; dy < 14; ++dy)
            for (int dx = 0; dx < 12; ++dx)
                expected.setPixel(x + dx, row + dy, strip.pixel(12 * d + dx, dy));
        x += 12;
    }
    return expected;
}

bool ColumnsAreBackground(const QImage& picture, int firstColumn, int lastColumn, int row)
{
    const QRgb background = picture.pixel(179, 134);
    for (int y = row; y < row + 14; ++y)
        for (int x = firstColumn; x <= lastColumn; ++x)
            if (picture.pixel(x, y) != background)
                return false;
    return true;
}

} // namespace

class NumberDisplayTest : public QObject {
    Q_OBJECT

    QImage Picture;
    QImage Strip;

private slots:
    void init()
    {
        Picture = LoadPicture(Resource::Auswertung);
        Strip = LoadPicture(Resource::Zahlen);
    }

    void numbersAreRightAlignedGlyphsOnBackground_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("firstDigitColumn");
        QTest::newRow("0") << 0 << "0" << 163;
        QTest::newRow("7") << 7 << "7" << 163;
        QTest::newRow("995") << 995 << "995" << 139;
        QTest::newRow("1200") << 1200 << "1200" << 127;
        QTest::newRow("six digits") << 987654 << "987654" << 103;
        QTest::newRow("every digit") << 123450 << "123450" << 103;
    }

    void numbersAreRightAlignedGlyphsOnBackground()
    {
        QFETCH(int, value);
        QFETCH(QString, digits);
        QFETCH(int, firstDigitColumn);
        const QImage before = Picture.copy();
        ShowNumber(Picture, MainBlank, Strip, value, 68);
        QCOMPARE(Picture, Expected(before, Strip, digits, 68));
        QVERIFY(ColumnsAreBackground(Picture, 95, firstDigitColumn - 1, 68));
        QVERIFY(!ColumnsAreBackground(Picture, firstDigitColumn, 174, 68));
    }

    void aShorterNumberReplacesALongerOneCompletely()
    {
        ShowNumber(Picture, MainBlank, Strip, 1200, 68);
        ShowNumber(Picture, MainBlank, Strip, 995, 68);
        QVERIFY(ColumnsAreBackground(Picture, 95, 138, 68));
        QCOMPARE(Picture, Expected(LoadPicture(Resource::Auswertung), Strip, "995", 68));
    }

    void theSameValueTwiceChangesNothing()
    {
        ShowNumber(Picture, MainBlank, Strip, 4711, 109);
        const QImage once = Picture.copy();
        ShowNumber(Picture, MainBlank, Strip, 4711, 109);
        QCOMPARE(Picture, once);
    }

    void oneRowLeavesTheOtherRowsAndLabelsAlone()
    {
        const QImage before = Picture.copy();
        ShowNumber(Picture, MainBlank, Strip, 888888, 68);
        for (int y = 0; y < 135; ++y) {
            for (int x = 0; x < 180; ++x) {
                const bool inField = y >= 68 && y < 82 && x >= 95 && x <= 174;
                if (!inField)
                    QVERIFY2(Picture.pixel(x, y) == before.pixel(x, y),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    void theDigitCellsOfTheStripAreNeverWritten()
    {
        const QImage digitCells = Strip.copy(0, 0, 120, 14);
        for (const int value : {0, 5, 1200, 999999, 123456})
            ShowNumber(Picture, MainBlank, Strip, value, 11);
        QCOMPARE(Strip.copy(0, 0, 120, 14), digitCells);
        // The scratch area holds the last number composed.
        QCOMPARE(Strip.copy(120, 0, 80, 14), Picture.copy(95, 11, 80, 14));
    }

    void valuesBeyondTheFieldAreHeldAtItsEdges()
    {
        const QImage digitCells = Strip.copy(0, 0, 120, 14);
        const QImage before = Picture.copy();
        ShowNumber(Picture, MainBlank, Strip, -5, 38);
        QCOMPARE(Picture, Expected(before, Strip, "0", 38));
        ShowNumber(Picture, MainBlank, Strip, 1234567, 38);
        QCOMPARE(Picture, Expected(before, Strip, "999999", 38));
        ShowNumber(Picture, MainBlank, Strip, std::numeric_limits<std::int32_t>::min(), 38);
        QCOMPARE(Picture, Expected(before, Strip, "0", 38));
        QCOMPARE(Strip.copy(0, 0, 120, 14), digitCells);
        QCOMPARE(DigitsShown(1000000), std::string("999999"));
        QCOMPARE(DigitsShown(999999), std::string("999999"));
    }

    void theScoreDialogPictureWorksTheSameWay()
    {
        QImage dialog = LoadPicture(Resource::Punktewertung);
        const QImage before = dialog.copy();
        ShowNumber(dialog, DialogBlank, Strip, 1330, 109);
        QCOMPARE(dialog, Expected(before, Strip, "1330", 109));
    }
};

QTEST_MAIN(NumberDisplayTest)
#include "NumberDisplayTest.moc"
