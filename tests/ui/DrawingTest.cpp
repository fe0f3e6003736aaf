// The drawing primitives and the board background decoder.
#include "Jpeg.h"
#include "Pictures.h"
#include "Pixels.h"

#include <QBuffer>
#include <QTest>

namespace {

QImage Filled(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void copyRectCopiesExactlyAndOnlyTheRectangle()
    {
        QImage source = Filled(10, 10, qRgb(1, 2, 3));
        source.setPixel(2, 3, qRgb(200, 100, 50));
        QImage target = Filled(20, 20, qRgb(9, 9, 9));
        CopyRect(target, {5, 6}, source, QRect(2, 3, 4, 2));
        QCOMPARE(target.pixel(5, 6), qRgb(200, 100, 50));
        QCOMPARE(target.pixel(8, 7), qRgb(1, 2, 3));
        QCOMPARE(target.pixel(9, 6), qRgb(9, 9, 9)); // right of the rectangle
        QCOMPARE(target.pixel(5, 8), qRgb(9, 9, 9)); // below it
        QCOMPARE(target.pixel(4, 6), qRgb(9, 9, 9)); // left of it
    }

    void copyRectLeavesOutWhatLiesOutsideEitherPicture()
    {
        const QImage source = Filled(4, 4, qRgb(7, 7, 7));
        QImage target = Filled(6, 6, qRgb(0, 0, 0));
        CopyRect(target, {4, -1}, source, QRect(0, 0, 4, 4));
        QCOMPARE(target.pixel(4, 0), qRgb(7, 7, 7));
        QCOMPARE(target.pixel(5, 2), qRgb(7, 7, 7));
        QCOMPARE(target.pixel(5, 3), qRgb(0, 0, 0));
        QCOMPARE(target.pixel(3, 0), qRgb(0, 0, 0));
        // A source rectangle partly outside its picture copies the part inside.
        QImage other = Filled(6, 6, qRgb(0, 0, 0));
        CopyRect(other, {0, 0}, source, QRect(-2, 0, 4, 1));
        QCOMPARE(other.pixel(2, 0), qRgb(7, 7, 7));
        QCOMPARE(other.pixel(1, 0), qRgb(0, 0, 0));
    }

    void copyWithinOnePictureReadsTheOldPixels()
    {
        QImage strip = Filled(8, 1, qRgb(0, 0, 0));
        strip.setPixel(0, 0, qRgb(10, 0, 0));
        strip.setPixel(1, 0, qRgb(20, 0, 0));
        const QImage shared = strip; // shares its pixels until written
        CopyRect(strip, {4, 0}, strip, QRect(0, 0, 2, 1));
        QCOMPARE(strip.pixel(4, 0), qRgb(10, 0, 0));
        QCOMPARE(strip.pixel(5, 0), qRgb(20, 0, 0));
        QCOMPARE(shared.pixel(4, 0), qRgb(0, 0, 0));
    }

    void transparentColourIsTheBottomLeftPixelsColour()
    {
        // Blue at the bottom left: blue is left out, red is drawn.
        QImage stone = Filled(3, 3, qRgb(0, 0, 255));
        stone.setPixel(1, 1, qRgb(255, 0, 0));
        stone.setPixel(2, 0, qRgb(0, 0, 254));
        QImage target = Filled(5, 5, qRgb(50, 50, 50));
        DrawTransparent(target, {1, 1}, stone);
        QCOMPARE(target.pixel(2, 2), qRgb(255, 0, 0));
        QCOMPARE(target.pixel(3, 1), qRgb(0, 0, 254)); // near the key, but not it
        QCOMPARE(target.pixel(1, 1), qRgb(50, 50, 50));
        QCOMPARE(target.pixel(1, 3), qRgb(50, 50, 50));
        // Drawn partly beyond the edge, only the part inside lands.
        DrawTransparent(target, {4, 3}, stone);
        QCOMPARE(target.pixel(4, 4), qRgb(50, 50, 50)); // stone (0,1) is the key colour
    }

    void fillRectStaysInsideThePicture()
    {
        QImage target = Filled(4, 4, qRgb(0, 0, 0));
        FillRect(target, QRect(2, 2, 10, 10), qRgb(1, 1, 1));
        QCOMPARE(target.pixel(3, 3), qRgb(1, 1, 1));
        QCOMPARE(target.pixel(1, 3), qRgb(0, 0, 0));
    }

    void theBoardBackgroundDecodesToItsFullSize()
    {
        const JpegPicture board = DecodeJpeg(LoadResourceBytes(Resource::Original));
        QVERIFY2(!board.Picture.isNull(), qPrintable(board.Error));
        QCOMPARE(board.Picture.size(), QSize(450, 450));
        QCOMPARE(board.Picture.format(), QImage::Format_RGB32);
    }

    void aDamagedJpegIsAnErrorNotACrash()
    {
        const QByteArray good = LoadResourceBytes(Resource::Original);
        for (const QByteArray& bad : {QByteArray(), QByteArray("not a picture at all"), good.left(40),
                                      QByteArray(good).replace(2, 200, QByteArray(200, '\xff'))}) {
            const JpegPicture result = DecodeJpeg(bad);
            QVERIFY(result.Picture.isNull());
            QVERIFY(!result.Error.isEmpty());
        }
    }
};

QTEST_MAIN(DrawingTest)
#include "DrawingTest.moc"
