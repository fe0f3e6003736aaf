// Playing the game as a player meets it: presses on the board, the ring
// choice, points and clock, the score dialog, attempts and the end.
#include "DigitReader.h"
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"
#include "PaintWatch.h"

#include "BoardGeometry.h"
#include "Image.h"
#include "PaintBox.h"
#include "Panel.h"
#include "main.h"
#include "wertung.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A level solved by one press: the code 6 stone on cell 41 moves right.
TLevelRecord OneMoveLevel()
{
    return MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}});
}

// A level that stays unsolved: stones to push around, a different target.
TLevelRecord OpenLevel()
{
    return MakeLevel({{1, 3}, {2, 3}, {3, 3}}, {{41, 1}, {42, 1}, {40, 1}, {50, 2}, {32, 2}, {60, 4}, {69, 2}});
}

QPoint CentreOf(int cell)
{
    return BoardCellOrigin(cell) + QPoint(20, 20);
}

void Press(int cell, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(Mainform->Spielfeld, button, {}, CentreOf(cell));
}

void PressAt(int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(Mainform->Spielfeld, button, {}, QPoint(x, y));
}

int ScoreRow(int row)
{
    return ReadNumber(Mainform->Auswertung->Picture, Mainform->Zahlen, row);
}

// The four rows of the score dialog, read while it is open.
struct ScoreDialogRows {
    int Level = -1, Points = -1, Bonus = -1, Total = -1;
    QPoint Position;
};

// Answers every "Wertung" dialog with OK after reading its rows.
class ScoreDialogReader {
public:
    ScoreDialogReader()
        : Catcher([this](QWidget* modal) {
              auto* dialog = qobject_cast<TWertform*>(modal);
              if (!dialog) { // the high-score list at the end of a game
                  OtherDialogs.push_back(modal->objectName());
                  modal->close();
                  return;
              }
              const QImage& picture = dialog->Punktewertung->Picture;
              ScoreDialogRows rows;
              rows.Level = ReadNumber(picture, dialog->Zahlen, 11);
              rows.Points = ReadNumber(picture, dialog->Zahlen, 46);
              rows.Bonus = ReadNumber(picture, dialog->Zahlen, 73);
              rows.Total = ReadNumber(picture, dialog->Zahlen, 109);
              rows.Position = dialog->pos();
              Seen.push_back(rows);
              PointsWhileOpen.push_back(::Points);
              dialog->OKButton->click();
          })
    {
    }
    std::vector<ScoreDialogRows> Seen;
    std::vector<int> PointsWhileOpen;
    QStringList OtherDialogs;

private:
    ModalCatcher Catcher;
};

std::vector<QRect> ChangedCells(const QImage& before, const QImage& after)
{
    std::vector<QRect> cells;
    for (int cell = 1; cell <= 81; ++cell)
        if (before.copy(BoardCellRect(cell)) != after.copy(BoardCellRect(cell)))
            cells.push_back(BoardCellRect(cell));
    return cells;
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void onlyALeftPressInsideTheCellsMoves()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        // Right and middle buttons do nothing at all, not even start the clock.
        Press(42, Qt::RightButton);
        Press(42, Qt::MiddleButton);
        QVERIFY(!Mainform->Uhr->isActive());
        QCOMPARE(CurrentRecord.Board[42], std::uint8_t(1));

        // 45 and 405 lie outside, but the press starts the clock.
        PressAt(45, 220);
        QVERIFY(Mainform->Uhr->isActive());
        for (const QPoint outside : {QPoint(220, 45), QPoint(405, 220), QPoint(220, 405), QPoint(1, 1)})
            PressAt(outside.x(), outside.y());
        QCOMPARE(CurrentRecord, OpenLevel());
        QCOMPARE(ReadyForStone, std::uint8_t(1));

        // 46 is column 0 and 404 column 8 (the code 4 stone on cell 60 moves down).
        PressAt(404, 46); // cell 9: empty
        PressAt(46, 404); // cell 73: empty
        QCOMPARE(CurrentRecord, OpenLevel());
        PressAt(5 * 40 + 46, 6 * 40 + 46); // cell 60, its first pixel
        QCOMPARE(CurrentRecord.Board[69], std::uint8_t(4));
        QCOMPARE(CurrentRecord.Board[60], std::uint8_t(2));
    }

    void aSwapRedrawsItsTwoCellsAndCostsFivePoints()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(Mainform));
        const QImage before = Mainform->Spielfeld->Picture();
        PaintWatch watch(Mainform->Spielfeld);
        Press(60); // code 4 moves down onto the code 2 stone
        QCOMPARE(CurrentRecord.Board[60], std::uint8_t(2));
        QCOMPARE(CurrentRecord.Board[69], std::uint8_t(4));
        const std::vector<QRect> changed = ChangedCells(before, Mainform->Spielfeld->Picture());
        QCOMPARE(changed.size(), std::size_t(2));
        // Only the two cells are drawn again.
        QTRY_VERIFY(!watch.Painted.isEmpty());
        QCOMPARE(watch.Painted, QRegion(BoardCellRect(60)) + BoardCellRect(69));
        QCOMPARE(Points, 1195);
        QCOMPARE(ScoreRow(68), 1195);
        // The drawing equals a full repaint of the new board.
        const QImage drawn = Mainform->Spielfeld->Picture();
        Mainform->SpielfeldPaint();
        QCOMPARE(Mainform->Spielfeld->Picture(), drawn);
        // The code 2 stone on cell 32 has an empty cell above it, so it
        // swaps at once with the stone below; a press on an empty cell is free.
        Press(32);
        QCOMPARE(CurrentRecord.Board[41], std::uint8_t(2));
        Press(1);
        QCOMPARE(Points, 1190);
    }

    void aTwoWayStoneWithTwoPartnersWaitsForTheChoice()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        const QImage before = Mainform->Spielfeld->Picture();
        Press(41); // code 1 between two code 1 stones
        QCOMPARE(ReadyForStone, std::uint8_t(0));
        QCOMPARE(RingCell1, std::int8_t(42));
        QCOMPARE(RingCell2, std::int8_t(40));
        QCOMPARE(SelectedCell, std::int8_t(41));
        QCOMPARE(Points, 1200);
        const QImage ringed = Mainform->Spielfeld->Picture();
        const std::vector<QRect> rings = ChangedCells(before, ringed);
        QCOMPARE(rings.size(), std::size_t(2));
        QCOMPARE(rings[0], BoardCellRect(40));
        QCOMPARE(rings[1], BoardCellRect(42));

        // Presses elsewhere, on the selected stone and outside keep the offer.
        for (int cell : {41, 50, 1, 60}) {
            Press(cell);
            QCOMPARE(ReadyForStone, std::uint8_t(0));
        }
        PressAt(10, 10);
        QCOMPARE(RingCell1, std::int8_t(42));
        QCOMPARE(Mainform->Spielfeld->Picture(), ringed);
        QCOMPARE(CurrentRecord, OpenLevel());
    }

    void choosingEitherRingSwapsAndCoversTheOther_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("other");
        QTest::newRow("positive ring") << 42 << 40;
        QTest::newRow("negative ring") << 40 << 42;
    }

    void choosingEitherRingSwapsAndCoversTheOther()
    {
        QFETCH(int, chosen);
        QFETCH(int, other);
        TLevelRecord level = OpenLevel();
        level.Board[chosen] = 8; // a stone of its own colour to see the swap
        GameFixture game(LevelFileOf({level}));
        Mainform->show();
        Press(41);
        QCOMPARE(ReadyForStone, std::uint8_t(0));
        Press(chosen);
        QCOMPARE(ReadyForStone, std::uint8_t(1));
        QCOMPARE(RingCell1, std::int8_t(0));
        QCOMPARE(RingCell2, std::int8_t(0));
        QCOMPARE(CurrentRecord.Board[41], std::uint8_t(8));
        QCOMPARE(CurrentRecord.Board[chosen], std::uint8_t(1));
        QCOMPARE(CurrentRecord.Board[other], std::uint8_t(1));
        QCOMPARE(Points, 1195);
        // No ring is left on the screen: the board equals a full repaint.
        const QImage drawn = Mainform->Spielfeld->Picture();
        Mainform->SpielfeldPaint();
        QCOMPARE(Mainform->Spielfeld->Picture(), drawn);
    }

    void aFullRepaintDuringTheChoiceShowsTheRingsAgain()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        Press(41);
        const QImage ringed = Mainform->Spielfeld->Picture();
        Mainform->SpielfeldPaint();
        QCOMPARE(Mainform->Spielfeld->Picture(), ringed);
    }

    void atZeroPointsMovesAreFreeAndTheDisplayStays()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        Points = 0;
        Mainform->ShowZiffer(0, 68);
        Press(60);
        QCOMPARE(CurrentRecord.Board[69], std::uint8_t(4));
        QCOMPARE(Points, 0);
        QCOMPARE(ScoreRow(68), 0);
    }

    void theScorePanelShowsLevelAttemptPointsAndTotal()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        QCOMPARE(ScoreRow(11), 1);
        QCOMPARE(ScoreRow(38), 1);
        QCOMPARE(ScoreRow(68), 1200);
        QCOMPARE(ScoreRow(109), 0);
    }

    void theClockTakesFivePointsASecondAndFailsOnTheTickAfterZero()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        PressAt(1, 1);
        QVERIFY(Mainform->Uhr->isActive());
        for (int tick = 1; tick <= 240; ++tick)
            Mainform->UhrTimer();
        QCOMPARE(Points, 0);
        QCOMPARE(ScoreRow(68), 0);
        QVERIFY(Mainform->Uhr->isActive());
        QVERIFY(!Mainform->NextVersuchPanel->isVisible());
        Mainform->UhrTimer(); // the 241st tick
        QVERIFY(!Mainform->Uhr->isActive());
        QVERIFY(Mainform->NextVersuchPanel->isVisible());
        QVERIFY(!Mainform->NextChance->isEnabled());
    }

    void threeFailedAttemptsEndTheGame()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        auto runOut = [] {
            Points = 0;
            Mainform->UhrTimer();
        };
        Press(60); // a move in attempt 1, undone by the next attempt
        runOut();
        QCOMPARE(Mainform->Kommentar->text(), QStringLiteral("Leider sind Deine Punkte aufge- braucht."));
        QCOMPARE(Mainform->VNummer->text(), QStringLiteral("Auf zum Versuch Nummer 2."));
        QVERIFY(Mainform->NextVersuchPanel->isVisible());
        Mainform->OKButton->click();
        QVERIFY(!Mainform->NextVersuchPanel->isVisible());
        QCOMPARE(Attempt, std::uint8_t(2));
        QCOMPARE(Points, 1200);
        QCOMPARE(ScoreRow(38), 2);
        QCOMPARE(ScoreRow(68), 1200);
        QCOMPARE(CurrentRecord, OpenLevel());
        QVERIFY(!Mainform->Uhr->isActive());
        QVERIFY(Mainform->NextChance->isEnabled());

        runOut();
        QCOMPARE(Mainform->Kommentar->text(), QStringLiteral("Auch der zweite Versuch war kein Erfolg."));
        QCOMPARE(Mainform->VNummer->text(), QStringLiteral(" Auf zum Versuch Nummer 3."));
        Mainform->OKButton->click();
        QCOMPARE(Attempt, std::uint8_t(3));
        QVERIFY(!Mainform->NextChance->isEnabled());

        ModalCatcher catcher; // nothing may open: a total of 0 beats no list
        runOut();
        QVERIFY(!Mainform->NextVersuchPanel->isVisible());
        QVERIFY(Mainform->GameOver->isVisible());
        QCOMPARE(Mainform->GameOver->text(), QStringLiteral("GAME OVER"));
        QVERIFY(!Mainform->Spielfeld->isEnabled());
        QVERIFY(!EnterNewScore);
        QVERIFY(catcher.Caught.empty());
    }

    void nextChanceInTheSecondAttemptDisablesItself()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        Mainform->NextChance->click();
        QCOMPARE(Attempt, std::uint8_t(2));
        QVERIFY(Mainform->NextChance->isEnabled());
        Mainform->NextChance->click();
        QCOMPARE(Attempt, std::uint8_t(3));
        QVERIFY(!Mainform->NextChance->isEnabled());
        Mainform->NextChance->click(); // disabled: nothing happens
        QCOMPARE(Attempt, std::uint8_t(3));
    }

    void aSolvedLevelShowsItsScoreAndLeadsToTheNext_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<int>("pointsBefore");
        QTest::addColumn<int>("bonus");
        QTest::newRow("first attempt") << 1 << 835 << 500;
        QTest::newRow("second attempt") << 2 << 1200 << 250;
        QTest::newRow("third attempt") << 3 << 1200 << 0;
        QTest::newRow("at zero points") << 1 << 0 << 500;
    }

    void aSolvedLevelShowsItsScoreAndLeadsToTheNext()
    {
        QFETCH(int, attempt);
        QFETCH(int, pointsBefore);
        QFETCH(int, bonus);
        GameFixture game(LevelFileOf({OneMoveLevel(), OpenLevel()}));
        Mainform->move(40, 30);
        Mainform->show();
        for (int a = 1; a < attempt; ++a)
            Mainform->NextChance->click();
        Points = pointsBefore;
        ScoreDialogReader reader;
        Press(41);
        const int left = pointsBefore > 0 ? pointsBefore - 5 : 0;
        QCOMPARE(reader.Seen.size(), std::size_t(1));
        const ScoreDialogRows& rows = reader.Seen.front();
        QCOMPARE(rows.Level, 1);
        QCOMPARE(rows.Points, left);
        QCOMPARE(rows.Bonus, bonus);
        QCOMPARE(rows.Total, left + bonus);
        QCOMPARE(reader.PointsWhileOpen.front(), left + bonus);
        QCOMPARE(rows.Position, Mainform->pos() + QPoint(135, 145));
        // Then level 2, attempt 1, the total carried over, the clock off.
        QCOMPARE(TotalScore, left + bonus);
        QCOMPARE(CurrentLevel, std::uint16_t(2));
        QCOMPARE(Attempt, std::uint8_t(1));
        QCOMPARE(Points, 1200);
        QCOMPARE(ScoreRow(11), 2);
        QCOMPARE(ScoreRow(38), 1);
        QCOMPARE(ScoreRow(68), 1200);
        QCOMPARE(ScoreRow(109), left + bonus);
        QCOMPARE(CurrentRecord, OpenLevel());
        QVERIFY(!Mainform->Uhr->isActive());
        QVERIFY(Mainform->NextChance->isEnabled());
        QVERIFY(Mainform->Spielfeld->isEnabled());
        QCOMPARE(Mainform->Ziel->Picture.pixel(TargetCellOrigin(1) + QPoint(10, 10)),
                 Mainform->Klein.pixel(2 * 20 + 10, 10));
    }

    void closingTheScoreDialogWithTheCloseBoxGoesOnTheSameWay()
    {
        GameFixture game(LevelFileOf({OneMoveLevel(), OpenLevel()}));
        Mainform->show();
        ModalCatcher closer([](QWidget* dialog) { dialog->close(); });
        Press(41);
        QCOMPARE(TotalScore, 1195 + 500);
        QCOMPARE(CurrentLevel, std::uint16_t(2));
    }

    void solvingTheLastLevelEndsTheGameOnThatLevel()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        ScoreDialogReader reader;
        Press(41);
        QCOMPARE(reader.Seen.size(), std::size_t(1));
        // A total above the empty list's last place is handed to the list.
        QCOMPARE(reader.OtherDialogs, QStringList {"HighScoreForm"});
        QVERIFY(!EnterNewScore);
        QCOMPARE(CurrentLevel, std::uint16_t(1));
        QCOMPARE(ScoreRow(11), 1);
        QCOMPARE(ScoreRow(109), 1695);
        QVERIFY(Mainform->GameOver->isVisible());
        QVERIFY(!Mainform->Spielfeld->isEnabled());
        QVERIFY(!Mainform->NextChance->isEnabled());
        QVERIFY(!Mainform->Uhr->isActive());
    }

    void afterAFailedAttemptTheUncoveredBoardStillPlays()
    {
        // The one-move stone lies at cell 41, under the message panel; put
        // a second copy of the puzzle where the panel does not reach.
        const TLevelRecord level = MakeLevel({{1, 5}, {2, 6}}, {{1, 6}, {2, 5}});
        GameFixture game(LevelFileOf({level, OpenLevel()}));
        Mainform->show();
        Points = 0;
        Mainform->UhrTimer();
        QVERIFY(Mainform->NextVersuchPanel->isVisible());
        // A click on the uncovered board starts the clock again, and the
        // next tick repeats the failure step.
        PressAt(440, 440);
        QVERIFY(Mainform->Uhr->isActive());
        Mainform->UhrTimer();
        QVERIFY(!Mainform->Uhr->isActive());
        QCOMPARE(Mainform->VNummer->text(), QStringLiteral("Auf zum Versuch Nummer 2."));
        // A press on the panel reaches the panel, not the board.
        QWidget* underCell41 = Mainform->childAt(Mainform->Spielfeld->mapTo(Mainform, CentreOf(41)));
        QVERIFY(underCell41 == Mainform->NextVersuchPanel || Mainform->NextVersuchPanel->isAncestorOf(underCell41));
        // The free move solves the level with the bonus of attempt 1.
        ScoreDialogReader reader;
        Press(1);
        QCOMPARE(reader.Seen.size(), std::size_t(1));
        QCOMPARE(reader.Seen[0].Points, 0);
        QCOMPARE(reader.Seen[0].Total, 500);
        QCOMPARE(CurrentLevel, std::uint16_t(2));
        QVERIFY(Mainform->NextVersuchPanel->isVisible()); // until its OK starts attempt 2
        Mainform->OKButton->click();
        QCOMPARE(Attempt, std::uint8_t(2));
    }

    void endButtonClosesTheWindow()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        Mainform->show();
        Mainform->Beenden->click();
        QVERIFY(!Mainform->isVisible());
    }
};

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
