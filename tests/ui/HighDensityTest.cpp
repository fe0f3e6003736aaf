// The game on a high-density screen (run with QT_SCALE_FACTOR=2): every
// picture shows as 2 x 2 blocks of its own pixels, never smoothed, the
// layout keeps its logical size, and presses between two device pixels
// still land on the cell the player sees under the pointer.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"

#include "BitBtn.h"
#include "BoardGeometry.h"
#include "Hscores.h"
#include "Image.h"
#include "InfoBoxDlg.h"
#include "Infobox.h"
#include "PaintBox.h"
#include "Pictures.h"
#include "main.h"
#include "wertung.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QTest>

namespace {

constexpr int Scale = 2;

// A level solved by one press on cell 41: its code 6 stone moves right.
TLevelRecord OneMoveLevel()
{
    return MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}});
}

// `picture` with every pixel made a Scale x Scale block: what crisp
// scaling by whole pixels shows.
QImage ByWholePixels(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage scaled(source.size() * Scale, QImage::Format_RGB32);
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            scaled.setPixel(x, y, source.pixel(x / Scale, y / Scale));
    return scaled;
}

// The window as it is drawn on the screen, in device pixels.
QImage Grab(QWidget* window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The device pixels that `widget` covers in the grab of its window.
QImage Part(const QImage& grab, QWidget* widget)
{
    const QPoint origin = widget->mapTo(widget->window(), QPoint(0, 0));
    return grab.copy(QRect(origin * Scale, widget->size() * Scale));
}

// How many pixels differ; 0 when the two pictures are the same.
int Mismatches(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return shown.width() * shown.height() + 1;
    int count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            count += (shown.pixel(x, y) & RGB_MASK) != (expected.pixel(x, y) & RGB_MASK);
    return count;
}

int Colours(const QImage& picture)
{
    QSet<QRgb> seen;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            seen.insert(picture.pixel(x, y) & RGB_MASK);
    return static_cast<int>(seen.size());
}

// True when every opaque pixel of `glyph` shows as its own 2 x 2 block
// somewhere in `shown` (a button, whose glyph sits beside its caption).
bool ShowsGlyphByWholePixels(const QImage& shown, const QImage& glyph)
{
    const QImage source = glyph.convertToFormat(QImage::Format_ARGB32);
    const QImage doubled = ByWholePixels(source);
    auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < doubled.height(); ++y)
            for (int x = 0; x < doubled.width(); ++x)
                if (qAlpha(source.pixel(x / Scale, y / Scale)) == 255
                    && (shown.pixel(left + x, top + y) & RGB_MASK) != (doubled.pixel(x, y) & RGB_MASK))
                    return false;
        return true;
    };
    for (int top = 0; top + doubled.height() <= shown.height(); ++top)
        for (int left = 0; left + doubled.width() <= shown.width(); ++left)
            if (matchesAt(left, top))
                return true;
    return false;
}

// A press of the left button at a position between device pixels of
// `widget`, handed to its window as the screen hands it on.
void PressAt(QWidget* widget, QPointF position)
{
    QWidget* window = widget->window();
    const QPointF inWindow = widget->mapTo(window, position);
    QMouseEvent press(QEvent::MouseButtonPress, inWindow, window->mapToGlobal(inWindow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inWindow, window->mapToGlobal(inWindow), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &release);
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Without the doubled screen every check below would mean nothing.
        QCOMPARE(qApp->devicePixelRatio(), qreal(Scale));
    }

    void theWindowKeepsItsLayoutInDoubledPixels()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(Mainform));
        QCOMPARE(Mainform->size(), QSize(697, 478));
        const QImage shown = Grab(Mainform);
        QCOMPARE(shown.size(), QSize(697, 478) * Scale);
        // The board fills the doubled paint box exactly, at the doubled place.
        QCOMPARE(Mismatches(Part(shown, Mainform->Spielfeld), ByWholePixels(Mainform->Spielfeld->Picture())), 0);
        QCOMPARE(Mainform->Spielfeld->mapTo(Mainform, QPoint(0, 0)), QPoint(15, 15));
    }

    void aStoneIsItsPictureScaledByTwo()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(Mainform));
        const QImage& stone = Mainform->Farbe[6];
        QVERIFY(Colours(stone) > 20); // shading and edges that smoothing would blur

        // The stone over the board background, its transparent colour left out.
        const QRgb transparent = stone.pixel(0, stone.height() - 1) & RGB_MASK;
        const QPoint origin = BoardCellOrigin(41);
        QImage expected(StonePixels, StonePixels, QImage::Format_RGB32);
        for (int y = 0; y < StonePixels; ++y)
            for (int x = 0; x < StonePixels; ++x) {
                const QRgb own = stone.pixel(x, y);
                expected.setPixel(
                    x, y, (own & RGB_MASK) == transparent ? Mainform->Hintergrund.pixel(origin + QPoint(x, y)) : own);
            }
        const QImage shown = Grab(Mainform);
        const QPoint cell = Mainform->Spielfeld->mapTo(Mainform, origin) * Scale;
        const QImage shownCell = shown.copy(QRect(cell, QSize(StonePixels, StonePixels) * Scale));
        QCOMPARE(Mismatches(shownCell, ByWholePixels(expected)), 0);
    }

    void targetDigitsAndLabelsStaySharp()
    {
        GameFixture game(LevelFileOf({MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}, {60, 4}, {69, 2}})}));
        Mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(Mainform));
        QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, BoardCellOrigin(60) + QPoint(20, 20));
        QCOMPARE(Points, 1195); // a number of four digits in the score picture
        const QImage shown = Grab(Mainform);
        QCOMPARE(Mismatches(Part(shown, Mainform->Ziel), ByWholePixels(Mainform->Ziel->Picture)), 0);
        QCOMPARE(Mismatches(Part(shown, Mainform->Auswertung), ByWholePixels(Mainform->Auswertung->Picture)), 0);
    }

    void theScoreDialogsPictureStaysSharp()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        Points = 835;
        Attempt = 1;
        Wertform->show(); // draws its numbers as it opens
        QVERIFY(QTest::qWaitForWindowExposed(Wertform));
        const QImage shown = Grab(Wertform);
        QCOMPARE(shown.size(), Wertform->size() * Scale);
        QCOMPARE(Mismatches(Part(shown, Wertform->Punktewertung), ByWholePixels(Wertform->Punktewertung->Picture)), 0);
        Wertform->hide();
    }

    void theButtonGlyphsStaySharp()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        HighScoreForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(HighScoreForm));
        const QImage shown = Grab(HighScoreForm);
        for (auto* button : {HighScoreForm->OKButton, HighScoreForm->EraseButton}) {
            QVERIFY2(ShowsGlyphByWholePixels(Part(shown, button), button->Glyph.toImage()),
                     qPrintable(button->objectName()));
        }
        HighScoreForm->hide();
    }

    void theAboutWindowsIconIsItsPictureScaledByTwo()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        QImage shownIcon, panelColour;
        ModalCatcher catcher([&](QWidget* shown) {
            auto* box = qobject_cast<TInfoBox*>(shown);
            if (box) {
                const QImage grab = Grab(box);
                shownIcon = Part(grab, box->ProgramIcon);
            }
            ModalCatcher::CloseWithDefault(shown);
        });
        Mainform->InfoBoxDlg->Execute();
        QVERIFY(!shownIcon.isNull());
        // The 32-pixel, 256-colour picture over the grey panel, not a
        // smoothed reduction of a larger icon.
        QImage expected(32, 32, QImage::Format_RGB32);
        expected.fill(QColor(192, 192, 192));
        {
            QPainter painter(&expected);
            painter.drawImage(0, 0, QImage(Resource::Icon256Colours));
        }
        QCOMPARE(Mismatches(shownIcon, ByWholePixels(expected)), 0);
    }

    // Positions in logical pixels that lie between two device pixels.
    void pressesBetweenDevicePixelsLandOnTheCellUnderThePointer_data()
    {
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<int>("cell"); // 0: outside the cells
        QTest::newRow("last half pixel of cell 40") << QPointF(204.5, 220.0) << 40;
        QTest::newRow("first pixel of cell 41") << QPointF(205.0, 220.0) << 41;
        QTest::newRow("second half pixel of cell 41") << QPointF(205.5, 205.5) << 41;
        QTest::newRow("last half pixel of cell 32") << QPointF(220.0, 204.5) << 32;
        QTest::newRow("last half pixel of cell 81") << QPointF(404.5, 404.5) << 81;
        QTest::newRow("beyond cell 81") << QPointF(405.0, 404.5) << 0;
        QTest::newRow("left edge, half a pixel in") << QPointF(45.5, 100.0) << 0;
        QTest::newRow("first pressable pixel of cell 1") << QPointF(46.0, 46.0) << 1;
    }

    void pressesBetweenDevicePixelsLandOnTheCellUnderThePointer()
    {
        QFETCH(QPointF, position);
        QFETCH(int, cell);
        // Stones to press, and a target no press reaches: no dialog opens.
        GameFixture game(LevelFileOf({MakeLevel({{1, 3}}, {{41, 6}, {42, 5}})}));
        Mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(Mainform));
        SelectedCell = 0;
        PressAt(Mainform->Spielfeld, position);
        QCOMPARE(int(SelectedCell), cell);
    }
};

QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
