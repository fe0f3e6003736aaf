// The main window as the player first sees it: its layout, the board and
// target drawn from the level, and the boxes start-up may show.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"

#include "Application.h"
#include "BoardGeometry.h"
#include "FileIo.h"
#include "Image.h"
#include "Jpeg.h"
#include "LLevel.h"
#include "PaintBox.h"
#include "Panel.h"
#include "Pictures.h"
#include "main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {

const QRgb PureRed = qRgb(255, 0, 0);

// Level 1 of these tests: every colour code on the board, an empty cell,
// two invisible blocks (13 and 255) and a target of its own.
TLevelRecord ShowcaseLevel()
{
    TLevelRecord level {};
    for (int code = 1; code <= 12; ++code) {
        level.Board[code] = static_cast<std::uint8_t>(code);       // cells 1..12
        level.Target[81 - code] = static_cast<std::uint8_t>(code); // cells 80..69
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
    const QImage board = form.Spielfeld->Picture();
    const QRgb transparent = stone.pixel(0, stone.height() - 1);
    for (int y = 0; y < StonePixels; ++y) {
        for (int x = 0; x < StonePixels; ++x) {
            const QRgb shown = board.pixel(origin + QPoint(x, y));
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
    return form.Spielfeld->Picture().copy(area) == form.Hintergrund.copy(area);
}

int PureRedPixels(const QImage& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += SameColour(picture.pixel(x, y), PureRed);
    return count;
}

// What "Neues Spiel" offers: the prompt of the start-level dialog, and
// whether it accepted `entry` (else it is cancelled).
struct LevelChoice {
    QString Prompt;
    bool Accepted = false;
};

LevelChoice ChooseLevel(const QString& entry)
{
    LevelChoice choice;
    ModalCatcher catcher([&](QWidget*) {
        choice.Prompt = LoadLevelForm->LevelAnzahl->text();
        LoadLevelForm->EditLevel->setText(entry);
        LoadLevelForm->OKBtn->click();
        choice.Accepted = !LoadLevelForm->isVisible();
        if (!choice.Accepted)
            LoadLevelForm->CancelBtn->click();
    });
    Mainform->NewLevel->click();
    return choice;
}

QStringList Boxes(const ModalCatcher& catcher)
{
    QStringList boxes;
    for (const CaughtDialog& box : catcher.Caught)
        boxes << box.Title + "|" + box.Text;
    return boxes;
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
        QTest::newRow("Spielfeldpanel") << "Spielfeldpanel"
                                        << "Mainform" << QRect(10, 10, 460, 460) << true;
        QTest::newRow("Spielfeld") << "Spielfeld"
                                   << "Spielfeldpanel" << QRect(5, 5, 450, 450) << true;
        QTest::newRow("GameOver") << "GameOver"
                                  << "Spielfeldpanel" << QRect(69, 121, 323, 218) << false;
        QTest::newRow("NextVersuchPanel") << "NextVersuchPanel"
                                          << "Spielfeldpanel" << QRect(120, 175, 220, 110) << false;
        QTest::newRow("Kommentar") << "Kommentar"
                                   << "NextVersuchPanel" << QRect(8, 16, 205, 30) << false;
        QTest::newRow("VNummer") << "VNummer"
                                 << "NextVersuchPanel" << QRect(7, 48, 205, 17) << false;
        QTest::newRow("OKButton") << "OKButton"
                                  << "NextVersuchPanel" << QRect(72, 72, 75, 25) << false;
        QTest::newRow("Auswertungspanel") << "Auswertungspanel"
                                          << "Mainform" << QRect(478, 10, 210, 460) << true;
        QTest::newRow("Ziel") << "Ziel"
                              << "Auswertungspanel" << QRect(15, 13, 180, 180) << true;
        QTest::newRow("Auswertung") << "Auswertung"
                                    << "Auswertungspanel" << QRect(15, 312, 180, 135) << true;
        QTest::newRow("NewLevel") << "NewLevel"
                                  << "Auswertungspanel" << QRect(15, 211, 85, 25) << true;
        QTest::newRow("ShowLevel") << "ShowLevel"
                                   << "Auswertungspanel" << QRect(110, 211, 85, 25) << true;
        QTest::newRow("NextChance") << "NextChance"
                                    << "Auswertungspanel" << QRect(62, 243, 85, 25) << true;
        QTest::newRow("InfoButton") << "InfoButton"
                                    << "Auswertungspanel" << QRect(15, 275, 50, 25) << true;
        QTest::newRow("HilfeButton") << "HilfeButton"
                                     << "Auswertungspanel" << QRect(80, 275, 50, 25) << true;
        QTest::newRow("Beenden") << "Beenden"
                                 << "Auswertungspanel" << QRect(145, 275, 50, 25) << true;
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
        QCOMPARE(QColor(shot.pixel(15 + 2, 15 + 2)), QColor(Mainform->Spielfeld->Picture().pixel(2, 2)));
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
        const QImage board = form.Spielfeld->Picture();
        QCOMPARE(board.copy(0, 0, 450, 45), form.Hintergrund.copy(0, 0, 450, 45));
        QCOMPARE(PureRedPixels(board), 0);
    }

    void cellsLieOnA40PixelGridFrom45()
    {
        for (const int cell : {1, 9, 73, 81}) {
            TLevelRecord level {};
            level.Board[cell] = 4;
            GameFixture game(LevelFileOf({level}));
            const QPoint expectedCorner = cell == 1 ? QPoint(45, 45)
                : cell == 9                         ? QPoint(365, 45)
                : cell == 73                        ? QPoint(45, 365)
                                                    : QPoint(365, 365);
            const QImage canvas = Mainform->Spielfeld->Picture();
            // The disc's centre pixel is the stone's, and the square just
            // outside the cell is untouched background.
            QCOMPARE(canvas.pixel(expectedCorner + QPoint(20, 20)), Mainform->Farbe[4].pixel(20, 20));
            QCOMPARE(canvas.pixel(expectedCorner + QPoint(-20, 20)),
                     Mainform->Hintergrund.pixel(expectedCorner + QPoint(-20, 20)));
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
        const QImage board = form.Spielfeld->Picture();
        for (const int cell : {2, 7}) {
            const QPoint origin = BoardCellOrigin(cell);
            int ringPixels = 0;
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const QRgb ring = form.Ring.pixel(x, y);
                    const QRgb shown = board.pixel(origin + QPoint(x, y));
                    if (!SameColour(ring, ringTransparent)) {
                        ++ringPixels;
                        QVERIFY(SameColour(shown, ring));
                    }
                }
            }
            QVERIFY(ringPixels > 100);
            QCOMPARE(board.pixel(origin + QPoint(20, 20)), form.Farbe[cell].pixel(20, 20));
        }
        // Once the choice on it is over, the cell shows its stone alone.
        RingCell1 = 0;
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
        const QImage before = form.Spielfeld->Picture();
        form.ShowStone(0);
        QCOMPARE(form.Spielfeld->Picture(), before);
        // Codes 0 and above 12 have no picture: their cells show the bare
        // background, whatever was drawn there before.
        CurrentRecord.Board[3] = 0;
        form.ShowStone(3);
        CurrentRecord.Board[4] = 200;
        form.ShowStone(4);
        QVERIFY(CellShowsBackground(form, 3));
        QVERIFY(CellShowsBackground(form, 4));
        QCOMPARE(form.Spielfeld->Picture().copy(BoardCellRect(5)), before.copy(BoardCellRect(5)));
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
        QTest::addColumn<QString>("inItsPlace");
        QTest::newRow("no file") << "nothing";
        QTest::newRow("a directory") << "directory";
        QTest::newRow("a named pipe") << "pipe";
    }

    void missingLevelFileShowsTheFehlerBoxAtItsPlaceAndEnds()
    {
        QFETCH(QString, inItsPlace);
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
        const std::string levels = dir.File("velor.dat");
        if (inItsPlace == "directory")
            std::filesystem::create_directories(dir.File("velor.dat") / "inside");
        else if (inItsPlace == "pipe")
            QCOMPARE(::mkfifo(levels.c_str(), 0644), 0); // reading it must not wait for a writer
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
        // Whatever lay there is left as it was, and nothing was added.
        auto entries = [&dir] {
            QStringList names;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path))
                names << QString::fromStdString(entry.path().lexically_relative(dir.Path).string());
            names.sort();
            return names;
        };
        if (inItsPlace == "nothing")
            QCOMPARE(entries(), QStringList());
        else if (inItsPlace == "directory")
            QCOMPARE(entries(), (QStringList {"velor.dat", "velor.dat/inside"}));
        else
            QVERIFY(std::filesystem::is_fifo(levels));
    }

    void levelFilesOfEverySize_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<QStringList>("boxes");
        const QStringList none;
        const QStringList tooMany {"Warnung|velor.dat enthält mehr als 99 Level; nur die ersten 99 werden geladen."};
        QTest::newRow("0 bytes: silently no levels") << 0 << 0 << 0 << none;
        QTest::newRow("1 record") << 1 << 0 << 1 << none;
        QTest::newRow("a partial record after 3")
            << 3 << 20 << 3 << QStringList {"Velorin|Versuch hinter dem Dateiende zu lesen."};
        QTest::newRow("exactly 99 records") << 99 << 0 << 99 << none;
        QTest::newRow("100 records") << 100 << 0 << 99 << tooMany;
        QTest::newRow("500 records") << 500 << 0 << 99 << tooMany;
    }

    // Start-up loads every complete record (the first 99 at most), says
    // what it left out, and every loaded level can be chosen and played.
    void levelFilesOfEverySize()
    {
        QFETCH(int, records);
        QFETCH(int, extraBytes);
        QFETCH(int, loaded);
        QFETCH(QStringList, boxes);
        std::vector<std::uint8_t> bytes = NumberedLevelFile(records);
        bytes.resize(bytes.size() + static_cast<std::size_t>(extraBytes), 0xEE);
        ModalCatcher catcher;
        GameFixture game(bytes);
        QVERIFY(game.Started);
        QCOMPARE(Boxes(catcher), boxes);
        for (const CaughtDialog& box : catcher.Caught) {
            QCOMPARE(box.Buttons, QStringList {"OK"});
            QCOMPARE(box.Icon, box.Title == "Warnung" ? QMessageBox::Warning : QMessageBox::Critical);
        }
        QCOMPARE(LevelCount, std::uint16_t(loaded));
        QCOMPARE(CurrentRecord, loaded > 0 ? NumberedLevel(1) : TLevelRecord {});
        Mainform->show();

        const LevelChoice last = ChooseLevel(QString::number(loaded));
        QCOMPARE(last.Prompt, QStringLiteral("Bitte Level-Nr. eingeben (1-%1)").arg(loaded));
        QCOMPARE(last.Accepted, loaded > 0);
        if (loaded > 0) {
            QCOMPARE(CurrentLevel, std::uint16_t(loaded));
            QCOMPARE(CurrentRecord, NumberedLevel(loaded));
        }
        QVERIFY(!ChooseLevel(QString::number(loaded + 1)).Accepted);
        // The game only ever reads its level file.
        QCOMPARE(ReadFilePrefix("velor.dat", 1 << 20).Bytes, bytes);
    }

    void invisibleBlocksAreOccupiedCells_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("code 13") << 13;
        QTest::newRow("code 255") << 255;
    }

    // Codes above 12 draw nothing, neither on the board nor in the target,
    // and cannot be moved; but a stone may swap with them.
    void invisibleBlocksAreOccupiedCells()
    {
        QFETCH(int, code);
        const auto block = static_cast<std::uint8_t>(code);
        const TLevelRecord level = MakeLevel({{1, 3}, {2, code}}, {{41, 6}, {42, code}, {50, code}, {51, 6}});
        GameFixture game(LevelFileOf({level}));
        Mainform->show();
        const TMainform& form = *Mainform;
        QVERIFY(CellShowsBackground(form, 42));
        QVERIFY(CellShowsBackground(form, 50));
        QCOMPARE(form.Ziel->Picture.copy(QRect(TargetCellOrigin(2), QSize(20, 20))),
                 form.Ziel->Picture.copy(QRect(TargetCellOrigin(3), QSize(20, 20)))); // black, like an empty cell

        auto press = [](int cell) {
            QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, BoardCellOrigin(cell) + QPoint(20, 20));
        };
        press(50); // the block itself
        QCOMPARE(CurrentRecord, level);
        QCOMPARE(Points, 1200);
        press(41); // a stone moving right, onto the block
        QCOMPARE(CurrentRecord.Board[41], block);
        QCOMPARE(CurrentRecord.Board[42], std::uint8_t(6));
        QCOMPARE(Points, 1195);
        QVERIFY(CellShowsBackground(form, 41));
        QVERIFY(CellShowsStoneOverBackground(form, 42, form.Farbe[6]));
        // A stone whose neighbour is empty does not move.
        press(51);
        QCOMPARE(CurrentRecord.Board[51], std::uint8_t(6));
        QCOMPARE(Points, 1195);
    }

    // A two-way stone between a block and a stone rings both; choosing the
    // stone takes the ring off the block's cell again.
    void aRingOnABlockGoesWhenTheOtherCellIsChosen()
    {
        const TLevelRecord level = MakeLevel({{1, 3}}, {{40, 5}, {41, 1}, {42, 255}});
        GameFixture game(LevelFileOf({level}));
        Mainform->show();
        QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, BoardCellOrigin(41) + QPoint(20, 20));
        QCOMPARE(RingCell1, std::int8_t(42));
        QCOMPARE(RingCell2, std::int8_t(40));
        QVERIFY(!CellShowsBackground(*Mainform, 42)); // the ring shows where nothing else does
        QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, BoardCellOrigin(40) + QPoint(20, 20));
        QCOMPARE(CurrentRecord.Board[40], std::uint8_t(1));
        QVERIFY(CellShowsBackground(*Mainform, 42));
        QVERIFY(CellShowsStoneOverBackground(*Mainform, 41, Mainform->Farbe[5]));
        QVERIFY(CellShowsStoneOverBackground(*Mainform, 40, Mainform->Farbe[1]));
    }
};

QTEST_MAIN(MainformTest)
#include "MainformTest.moc"
