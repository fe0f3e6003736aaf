// The main window as the player first sees it: its layout, the board and
// target drawn from the level, and the boxes start-up may show.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"

#include "Application.h"
#include "BoardGeometry.h"
#include "Image.h"
#include "Jpeg.h"
#include "PaintBox.h"
#include "Panel.h"
#include "Pictures.h"
#include "main.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QRgb PureRed = qRgb(255, 0, 0);

// Level 1 of these tests: every colour code on the board, an empty cell,
// two invisible blocks (13 and 255) and a target of its own.
TLevelRecord ShowcaseLevel()
{
    TLevelRecord level {};
    for (int code = 1; code <= 12; ++code) {
        level.Board[code] = static_cast<std::uint8_t>(code);          // cells 1..12
        level.Target[81 - code] = static_cast<std::uint8_t>(code);    // cells 80..69
    }
    level.Board[40] = 13;
    level.Board[41] = 255;
    level.Target[1] = 13;
    level.Target[81] = 3;
    return level;
}

bool SameColour(QRgb a, QRgb b)
{
    return (a & RGB_MASK) == (b & RGB_MASK);
}

// True when the board cell shows the background with `stone` drawn over it,
// its transparent (bottom-left) colour left out.
bool CellShowsStoneOverBackground(const TMainform& form, int cell, const QImage& stone)
{
    const QPoint origin = BoardCellOrigin(cell);
    const QRgb transparent = stone.pixel(0, stone.height() - 1);
    for (int y = 0; y < StonePixels; ++y) {
        for (int x = 0; x < StonePixels; ++x) {
            const QRgb shown = form.Spielfeld->Canvas.pixel(origin + QPoint(x, y));
            const QRgb under = form.Hintergrund.pixel(origin + QPoint(x, y));
            const QRgb own = stone.pixel(x, y);
            const QRgb expected = SameColour(own, transparent) ? under : own;
            if (!SameColour(shown, expected))
                return false;
        }
    }
    return true;
}

bool CellShowsBackground(const TMainform& form, int cell)
{
    const QRect area = BoardCellRect(cell);
    return form.Spielfeld->Canvas.copy(area) == form.Hintergrund.copy(area);
}

int PureRedPixels(const QImage& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += SameColour(picture.pixel(x, y), PureRed);
    return count;
}

} // namespace

class MainformTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasTheFixedClassicFrame()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        QVERIFY(game.Started);
        QCOMPARE(Mainform->windowTitle(), QStringLiteral("Velorin"));
        QCOMPARE(Mainform->size(), QSize(697, 478));
        QCOMPARE(Mainform->minimumSize(), QSize(697, 478));
        QCOMPARE(Mainform->maximumSize(), QSize(697, 478));
        const Qt::WindowFlags flags = Mainform->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(Mainform->palette().color(QPalette::Window), QColor(Qt::black));
    }

    void everyControlSitsWhereTheLayoutPutsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Spielfeldpanel") << "Spielfeldpanel" << "Mainform" << QRect(10, 10, 460, 460) << true;
        QTest::newRow("Spielfeld") << "Spielfeld" << "Spielfeldpanel" << QRect(5, 5, 450, 450) << true;
        QTest::newRow("GameOver") << "GameOver" << "Spielfeldpanel" << QRect(69, 121, 323, 218) << false;
        QTest::newRow("NextVersuchPanel") << "NextVersuchPanel" << "Spielfeldpanel" << QRect(120, 175, 220, 110) << false;
        QTest::newRow("Kommentar") << "Kommentar" << "NextVersuchPanel" << QRect(8, 16, 205, 30) << false;
        QTest::newRow("VNummer") << "VNummer" << "NextVersuchPanel" << QRect(7, 48, 205, 17) << false;
        QTest::newRow("OKButton") << "OKButton" << "NextVersuchPanel" << QRect(72, 72, 75, 25) << false;
        QTest::newRow("Auswertungspanel") << "Auswertungspanel" << "Mainform" << QRect(478, 10, 210, 460) << true;
        QTest::newRow("Ziel") << "Ziel" << "Auswertungspanel" << QRect(15, 13, 180, 180) << true;
        QTest::newRow("Auswertung") << "Auswertung" << "Auswertungspanel" << QRect(15, 312, 180, 135) << true;
        QTest::newRow("NewLevel") << "NewLevel" << "Auswertungspanel" << QRect(15, 211, 85, 25) << true;
        QTest::newRow("ShowLevel") << "ShowLevel" << "Auswertungspanel" << QRect(110, 211, 85, 25) << true;
        QTest::newRow("NextChance") << "NextChance" << "Auswertungspanel" << QRect(62, 243, 85, 25) << true;
        QTest::newRow("InfoButton") << "InfoButton" << "Auswertungspanel" << QRect(15, 275, 50, 25) << true;
        QTest::newRow("HilfeButton") << "HilfeButton" << "Auswertungspanel" << QRect(80, 275, 50, 25) << true;
        QTest::newRow("Beenden") << "Beenden" << "Auswertungspanel" << QRect(145, 275, 50, 25) << true;
    }

    void everyControlSitsWhereTheLayoutPutsIt()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(bool, shown);
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        Mainform->show();
        auto* control = Mainform->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->isVisible(), shown);
    }

    void buttonsCarryTheirCaptionsAndAltLettersInTabOrder()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        const QList<QPushButton*> order {Mainform->NewLevel,   Mainform->ShowLevel,   Mainform->NextChance,
                                         Mainform->InfoButton, Mainform->HilfeButton, Mainform->Beenden};
        const QStringList captions {"&Neues Spiel", "&Bestenliste", "Neuer &Versuch", "&Info", "&Hilfe", "&Ende"};
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(order[i]->text(), captions[i]);
            if (i + 1 < order.size())
                QCOMPARE(order[i]->nextInFocusChain(), order[i + 1]);
        }
        QCOMPARE(Mainform->OKButton->text(), QStringLiteral("OK"));
    }

    void labelsHaveTheirTextsFontsAndColours()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        QCOMPARE(Mainform->GameOver->text(), QStringLiteral("GAME OVER"));
        QCOMPARE(Mainform->GameOver->font().pixelSize(), 96);
        QVERIFY(Mainform->GameOver->font().bold());
        QCOMPARE(QFontInfo(Mainform->GameOver->font()).family(), QStringLiteral("Liberation Serif"));
        QVERIFY(Mainform->GameOver->wordWrap());
        QCOMPARE(Mainform->GameOver->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(!Mainform->GameOver->autoFillBackground());

        QCOMPARE(Mainform->Kommentar->text(), QStringLiteral("Leider sind Deine Punkte aufge- braucht."));
        QCOMPARE(Mainform->Kommentar->palette().color(QPalette::WindowText), QColor(64, 128, 128));
        QCOMPARE(Mainform->VNummer->text(), QStringLiteral("Auf zum Versuch Nummer 2."));
        QCOMPARE(Mainform->VNummer->palette().color(QPalette::WindowText), QColor(128, 128, 0));
        for (const QLabel* label : {Mainform->Kommentar, Mainform->VNummer}) {
            QCOMPARE(label->font().pixelSize(), 11);
            QVERIFY(label->font().bold());
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
        }
        QCOMPARE(QFontInfo(Mainform->NewLevel->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(Mainform->NewLevel->font().pixelSize(), 11);
    }

    void panelsShowTheirBevelsAndColours()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        Mainform->show();
        const QImage shot = Mainform->grab().toImage();
        // Board panel at (10, 10): raised outer ring, lowered inner ring, silver.
        QCOMPARE(QColor(shot.pixel(10, 10)), QColor(255, 255, 255));
        QCOMPARE(QColor(shot.pixel(469, 469)), QColor(128, 128, 128));
        QCOMPARE(QColor(shot.pixel(11, 11)), QColor(128, 128, 128));
        QCOMPARE(QColor(shot.pixel(468, 468)), QColor(255, 255, 255));
        QCOMPARE(QColor(shot.pixel(13, 13)), QColor(192, 192, 192));
        // Score panel is grey; black margins between and around the panels.
        QCOMPARE(QColor(shot.pixel(480, 200)), QColor(128, 128, 128));
        QCOMPARE(QColor(shot.pixel(474, 200)), QColor(0, 0, 0));
        QCOMPARE(QColor(shot.pixel(5, 5)), QColor(0, 0, 0));
        QCOMPARE(QColor(shot.pixel(692, 474)), QColor(0, 0, 0));
        // The board picture shows through at the paint box.
        QCOMPARE(QColor(shot.pixel(15 + 2, 15 + 2)), QColor(Mainform->Spielfeld->Canvas.pixel(2, 2)));
    }

    void boardShowsBackgroundThenStonesWithTheirRedLeftOut()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        const TMainform& form = *Mainform;
        QCOMPARE(form.Hintergrund.size(), QSize(450, 450));
        QCOMPARE(form.Hintergrund, DecodeJpeg(LoadResourceBytes(Resource::Original)).Picture);
        for (int code = 1; code <= 12; ++code)
            QVERIFY2(CellShowsStoneOverBackground(form, code, form.Farbe[code]), qPrintable(QString::number(code)));
        // Empty cells and invisible blocks show the background only.
        QVERIFY(CellShowsBackground(form, 13));
        QVERIFY(CellShowsBackground(form, 40));
        QVERIFY(CellShowsBackground(form, 41));
        // The margin around the cells is background as well.
        QCOMPARE(form.Spielfeld->Canvas.copy(0, 0, 450, 45), form.Hintergrund.copy(0, 0, 450, 45));
        QCOMPARE(PureRedPixels(form.Spielfeld->Canvas), 0);
    }

    void cellsLieOnA40PixelGridFrom45()
    {
        for (const int cell : {1, 9, 73, 81}) {
            TLevelRecord level {};
            level.Board[cell] = 4;
            GameFixture game(LevelFileOf({level}));
            const QPoint expectedCorner = cell == 1 ? QPoint(45, 45)
                                        : cell == 9 ? QPoint(365, 45)
                                        : cell == 73 ? QPoint(45, 365) : QPoint(365, 365);
            const QImage& canvas = Mainform->Spielfeld->Canvas;
            // The disc's centre pixel is the stone's, and the square just
            // outside the cell is untouched background.
            QCOMPARE(canvas.pixel(expectedCorner + QPoint(20, 20)), Mainform->Farbe[4].pixel(20, 20));
            QCOMPARE(canvas.pixel(expectedCorner + QPoint(-20, 20)), Mainform->Hintergrund.pixel(expectedCorner + QPoint(-20, 20)));
            QVERIFY(CellShowsStoneOverBackground(*Mainform, cell, Mainform->Farbe[4]));
        }
    }

    void ringsLieOverTheirStonesUntilTheNextFullRepaint()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        TMainform& form = *Mainform;
        RingCell1 = 2;
        RingCell2 = 7;
        form.SpielfeldPaint();
        // Where the ring is opaque it shows, elsewhere the stone beneath.
        const QRgb ringTransparent = form.Ring.pixel(0, 39);
        for (const int cell : {2, 7}) {
            const QPoint origin = BoardCellOrigin(cell);
            int ringPixels = 0;
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const QRgb ring = form.Ring.pixel(x, y);
                    const QRgb shown = form.Spielfeld->Canvas.pixel(origin + QPoint(x, y));
                    if (!SameColour(ring, ringTransparent)) {
                        ++ringPixels;
                        QVERIFY(SameColour(shown, ring));
                    }
                }
            }
            QVERIFY(ringPixels > 100);
            QCOMPARE(form.Spielfeld->Canvas.pixel(origin + QPoint(20, 20)), form.Farbe[cell].pixel(20, 20));
        }
        // Drawing the stone again covers its ring completely.
        form.ShowStone(2);
        QVERIFY(CellShowsStoneOverBackground(form, 2, form.Farbe[2]));
        // A full repaint without ring cells shows no ring at all.
        RingCell1 = 0;
        RingCell2 = 0;
        form.SpielfeldPaint();
        QVERIFY(CellShowsStoneOverBackground(form, 7, form.Farbe[7]));
    }

    void aStoneDrawnOverAnotherLeavesNoTraceAndCellZeroDrawsNothing()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        TMainform& form = *Mainform;
        CurrentRecord.Board[5] = 10;
        form.ShowStone(5);
        QVERIFY(CellShowsStoneOverBackground(form, 5, form.Farbe[10]));
        const QImage before = form.Spielfeld->Canvas;
        form.ShowStone(0);
        QCOMPARE(form.Spielfeld->Canvas, before);
        // Codes 0 and above 12 draw nothing over what the cell shows.
        CurrentRecord.Board[3] = 0;
        form.ShowStone(3);
        CurrentRecord.Board[4] = 200;
        form.ShowStone(4);
        QCOMPARE(form.Spielfeld->Canvas, before);
    }

    void targetShowsSmallStonesOnBlack()
    {
        GameFixture game(LevelFileOf({ShowcaseLevel()}));
        const TMainform& form = *Mainform;
        const QImage& target = form.Ziel->Picture;
        QCOMPARE(target.size(), QSize(180, 180));
        const TLevelRecord level = ShowcaseLevel();
        for (int cell = 1; cell <= 81; ++cell) {
            const QRect square(TargetCellOrigin(cell), QSize(20, 20));
            const int code = level.Target[cell];
            QImage expected(20, 20, QImage::Format_RGB32);
            if (code >= 1 && code <= 12)
                expected = form.Klein.copy((code - 1) * 20, 0, 20, 20);
            else
                expected.fill(Qt::black);
            QVERIFY2(target.copy(square) == expected, qPrintable(QStringLiteral("cell %1").arg(cell)));
        }
        QCOMPARE(TargetCellOrigin(81), QPoint(160, 160));
        QCOMPARE(target.pixel(170, 170), form.Klein.pixel(2 * 20 + 10, 10)); // code 3 at cell 81
    }

    void startAtLevelOneWithTheClockOff()
    {
        TLevelRecord second = ShowcaseLevel();
        second.Board[50] = 6;
        GameFixture game(LevelFileOf({ShowcaseLevel(), second}));
        QCOMPARE(LevelCount, std::uint16_t(2));
        QCOMPARE(CurrentLevel, std::uint16_t(1));
        QVERIFY(CurrentRecord == ShowcaseLevel());
        QCOMPARE(Points, 1200);
        QCOMPARE(Attempt, std::uint8_t(1));
        QCOMPARE(TotalScore, 0);
        QCOMPARE(ReadyForStone, std::uint8_t(1));
        QVERIFY(!Mainform->Uhr->isActive());
        QCOMPARE(Mainform->Uhr->interval(), 1000);
        QVERIFY(Mainform->Spielfeld->isEnabled());
        QVERIFY(Mainform->NextChance->isEnabled());
        QVERIFY(!StartedFromCD);
    }

    void missingLevelFileShowsTheFehlerBoxAtItsPlaceAndEnds_data()
    {
        QTest::addColumn<bool>("asDirectory");
        QTest::newRow("no file") << false;
        QTest::newRow("a directory") << true;
    }

    void missingLevelFileShowsTheFehlerBoxAtItsPlaceAndEnds()
    {
        QFETCH(bool, asDirectory);
        // The clock runs from the window's creation until the first game
        // stops it, so it may tick while the box is open.
        int ticksBehindTheBox = 0;
        ModalCatcher catcher([&ticksBehindTheBox](QWidget* box) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* form = qobject_cast<TMainform*>(window)) {
                    form->UhrTimer();
                    form->UhrTimer();
                    ticksBehindTheBox += 2;
                }
            }
            qobject_cast<QMessageBox*>(box)->buttons().front()->click();
        });
        TempDir dir;
        if (asDirectory)
            std::filesystem::create_directory(dir.File("velor.dat"));
        WorkingDirectory cwd(dir.Path);
        ResetGameState();
        const bool started = CreateWindows(*qApp);
        QVERIFY(!started);
        QVERIFY(Application::Terminated());
        QCOMPARE(catcher.Caught.size(), std::size_t(1));
        QCOMPARE(ticksBehindTheBox, 2);
        const CaughtDialog& box = catcher.Caught.front();
        QCOMPARE(box.Title, QStringLiteral("Fehler"));
        QCOMPARE(box.Text, QStringLiteral("Kann Datei VELOR.DAT nicht finden.\n\nProgramm wird beendet."));
        QCOMPARE(box.Position, QPoint(120, 150));
        QCOMPARE(box.Icon, QMessageBox::Critical);
        QCOMPARE(box.Buttons, QStringList {"OK"});
        QCOMPARE(LevelCount, std::uint16_t(0));
        // The rest of start-up ran with an empty level 1.
        QVERIFY(CellShowsBackground(*Mainform, 1));
        QCOMPARE(Points, 1200);
        DestroyWindows();
    }

    void unusualLevelFilesAreLoadedAndReported()
    {
        {
            ModalCatcher catcher;
            std::vector<std::uint8_t> bytes = NumberedLevelFile(3);
            bytes.resize(bytes.size() + 20);
            GameFixture game(bytes);
            QVERIFY(game.Started);
            QCOMPARE(LevelCount, std::uint16_t(3));
            QCOMPARE(catcher.Caught.size(), std::size_t(1));
            QCOMPARE(catcher.Caught[0].Title, QStringLiteral("Velorin"));
            QCOMPARE(catcher.Caught[0].Text, QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
            QCOMPARE(catcher.Caught[0].Icon, QMessageBox::Critical);
            QCOMPARE(catcher.Caught[0].Buttons, QStringList {"OK"});
        }
        {
            ModalCatcher catcher;
            GameFixture game(NumberedLevelFile(100));
            QVERIFY(game.Started);
            QCOMPARE(LevelCount, std::uint16_t(99));
            QCOMPARE(catcher.Caught.size(), std::size_t(1));
            QCOMPARE(catcher.Caught[0].Title, QStringLiteral("Warnung"));
            QCOMPARE(catcher.Caught[0].Text,
                     QStringLiteral("velor.dat enthält mehr als 99 Level; nur die ersten 99 werden geladen."));
        }
        {
            ModalCatcher catcher;
            GameFixture game({});
            QVERIFY(game.Started);
            QCOMPARE(LevelCount, std::uint16_t(0));
            QVERIFY(catcher.Caught.empty()); // an empty file is read without a word
        }
    }
};

QTEST_MAIN(MainformTest)
#include "MainformTest.moc"
