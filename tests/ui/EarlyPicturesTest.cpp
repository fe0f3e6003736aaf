// The main window's pictures read on a second core, begun before the
// application exists as the game begins it: the same pictures as read on
// the spot, each handed out once, and a board canvas of its own.
#include "EarlyPictures.h"
#include "PaintBox.h"
#include "Pictures.h"
#include "Pixels.h"
#include "StoneRules.h"

#include <QTest>

class EarlyPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void earlyPicturesAreTheStoredOnesHandedOutOnce()
    {
        const QStringList resources {
            Resource::Icon256Colours, Resource::Icon16Pixels, Resource::Farbe(1), Resource::Farbe(ColourCount),
            Resource::Ring,           Resource::Klein,        Resource::Zahlen,   Resource::Auswertung};
        for (const QString& resource : resources) {
            const std::optional<QImage> early = TakeEarlyPicture(resource);
            QVERIFY2(early.has_value(), qPrintable(resource));
            QCOMPARE(*early, ReadImage(resource));
            QVERIFY(!TakeEarlyPicture(resource).has_value());
            QCOMPARE(LoadImage(resource), ReadImage(resource)); // read again on the spot
        }
        QVERIFY(!TakeEarlyPicture(Resource::Punktewertung).has_value()); // a dialog's, not read early
        // The windows load the stones through LoadPicture, which takes them.
        QCOMPARE(LoadPicture(Resource::Farbe(2)), AsRgb32(ReadImage(Resource::Farbe(2))));
        QVERIFY(!TakeEarlyPicture(Resource::Farbe(2)).has_value());
    }

    void theBoardBackgroundIsDecodedEarlyOrOnTheSpotAlike()
    {
        // Early, then (taken) on the spot: the same picture both times.
        for (int take = 0; take < 2; ++take)
            QCOMPARE(TakeBoardBackground().Picture, DecodeJpeg(LoadResourceBytes(Resource::Original)).Picture);
    }

    void aBoardWithNothingToDrawYetShowsBlack()
    {
        QWidget window;
        auto* box = new TPaintBox(&window, {0, 0, 30, 20});
        window.resize(30, 20);
        const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(30, 20));
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(shown.pixel(x, y), qRgb(0, 0, 0));
    }
};

int main(int argc, char** argv)
{
    StartReadingEarlyPictures();
    QApplication app(argc, argv);
    EarlyPicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EarlyPicturesTest.moc"
