// The board played from the keyboard: the cursor, its moves and edges,
// presses by Space and Return, and what stays as it was (the Alt keys, the
// picture of a full repaint, the board at the end of a game).
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"
#include "PaintWatch.h"

#include "BoardGeometry.h"
#include "BoardKeyboard.h"
#include "PaintBox.h"
#include "Panel.h"
#include "main.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The code 4 stone on cell 60 moves down; the code 1 stone on cell 41 has
// partners on both sides and asks for a choice.
TLevelRecord OpenLevel()
{
    return MakeLevel({{1, 3}, {2, 3}, {3, 3}}, {{41, 1}, {42, 1}, {40, 1}, {50, 2}, {32, 2}, {60, 4}, {69, 2}});
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void ShowActive()
{
    Mainform->show();
    QApplication::setActiveWindow(Mainform);
    QVERIFY(QTest::qWaitForWindowActive(Mainform));
    Mainform->NewLevel->setFocus(); // where the keyboard is before the board takes it
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void theCursorStartsOnTheCentreAndStopsAtTheEdges()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        ShowActive();
        TPaintBox* board = Mainform->Spielfeld;
        QVERIFY(board->Frame().isEmpty());

        Key(Qt::Key_Up); // only shows the cursor where it is
        QVERIFY(board->hasFocus());
        QCOMPARE(Mainform->Keyboard->Cell(), 41);
        QCOMPARE(board->Frame(), BoardCellRect(41));

        for (int i = 0; i < 6; ++i)
            Key(Qt::Key_Up);
        QCOMPARE(Mainform->Keyboard->Cell(), 5);
        for (int i = 0; i < 6; ++i)
            Key(Qt::Key_Left);
        QCOMPARE(Mainform->Keyboard->Cell(), 1);
        for (int i = 0; i < 10; ++i)
            Key(Qt::Key_Down);
        QCOMPARE(Mainform->Keyboard->Cell(), 73);
        for (int i = 0; i < 10; ++i)
            Key(Qt::Key_Right);
        QCOMPARE(Mainform->Keyboard->Cell(), 81);
        QCOMPARE(CurrentRecord, OpenLevel()); // moving the cursor moves no stone
        QVERIFY(!Mainform->Uhr->isActive());
    }

    void aMoveOfTheCursorRepaintsOnlyTheCellsItLeavesAndEnters()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        ShowActive();
        Key(Qt::Key_Right);
        QTest::qWait(50);
        const QImage withoutCursor = Mainform->Spielfeld->Picture();
        PaintWatch watch(Mainform->Spielfeld);
        Key(Qt::Key_Right);
        QTRY_VERIFY(!watch.Painted.isEmpty());
        QCOMPARE(watch.Painted, QRegion(BoardCellRect(41)) + BoardCellRect(42));

        // The frame lies over the board's picture, which stays that of a
        // full repaint; on the screen it is there, white between black lines.
        QCOMPARE(Mainform->Spielfeld->Picture(), withoutCursor);
        Mainform->SpielfeldPaint();
        QCOMPARE(Mainform->Spielfeld->Picture(), withoutCursor);
        const QImage shown = Mainform->Spielfeld->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint corner = BoardCellOrigin(42);
        QCOMPARE(shown.pixel(corner), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(corner + QPoint(1, 1)), qRgb(255, 255, 255));
        QCOMPARE(shown.pixel(corner + QPoint(3, 3)), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(corner + QPoint(20, 20)), withoutCursor.pixel(corner + QPoint(20, 20)));
    }

    void spaceAndReturnPressTheCellAsTheMouseDoes()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        ModalCatcher noDialog;
        ShowActive();
        // To cell 60 and press: the clock starts, the stone moves, 5 points.
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
            Key(key);
        QCOMPARE(Mainform->Keyboard->Cell(), 60);
        Key(Qt::Key_Space);
        QVERIFY(Mainform->Uhr->isActive());
        QCOMPARE(CurrentRecord.Board[69], std::uint8_t(4));
        QCOMPARE(Points, 1195);

        // The ring choice: Return on 41 offers 40 and 42, Return on 42 swaps.
        Key(Qt::Key_Up);
        Key(Qt::Key_Up);
        Key(Qt::Key_Left);
        QCOMPARE(Mainform->Keyboard->Cell(), 41);
        Key(Qt::Key_Return);
        QCOMPARE(ReadyForStone, std::uint8_t(0));
        QCOMPARE(RingCell1, std::int8_t(42));
        Key(Qt::Key_Enter); // on the cursor's own cell: the offer stays open
        QCOMPARE(ReadyForStone, std::uint8_t(0));
        Key(Qt::Key_Right);
        Key(Qt::Key_Return);
        QCOMPARE(ReadyForStone, std::uint8_t(1));
        QCOMPARE(Points, 1190);
        // Neither press reached a button: no start-level dialog opened.
        QVERIFY(noDialog.Caught.empty());
    }

    void theMouseAndTheButtonsKeepWorking()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        ShowActive();
        Key(Qt::Key_Down);
        // A mouse press hides the cursor and leaves it on the pressed cell.
        QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, BoardCellOrigin(60) + QPoint(20, 20));
        QCOMPARE(CurrentRecord.Board[69], std::uint8_t(4));
        QVERIFY(Mainform->Spielfeld->Frame().isEmpty());
        Key(Qt::Key_Left);
        QCOMPARE(Mainform->Keyboard->Cell(), 60);
        QCOMPARE(Mainform->Spielfeld->Frame(), BoardCellRect(60));

        // Alt+V starts a new attempt while the board has the keyboard.
        Key(Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(Attempt, 2); // a button pressed by its key shows itself pressed a moment
        // Tab hands the keyboard to the buttons, and the cursor goes.
        Mainform->Keyboard->TakeKeyboard();
        Key(Qt::Key_Tab);
        QVERIFY(!Mainform->Spielfeld->hasFocus());
        QVERIFY(Mainform->Spielfeld->Frame().isEmpty());
    }

    void aFailedAttemptIsAnsweredByKeyAndTheGameOverBoardTakesNoKeys()
    {
        GameFixture game(LevelFileOf({OpenLevel()}));
        ModalCatcher answerAll;
        ShowActive();
        Key(Qt::Key_Down);
        // The first attempt runs out: the panel's OK has the keyboard, Space
        // answers it, and the board has the keyboard again.
        Points = 0;
        Mainform->UhrTimer();
        QVERIFY(Mainform->NextVersuchPanel->isVisible());
        QCOMPARE(QApplication::focusWidget(), Mainform->OKButton);
        Key(Qt::Key_Space);
        QVERIFY(!Mainform->NextVersuchPanel->isVisible());
        QCOMPARE(Attempt, 2);
        QVERIFY(Mainform->Spielfeld->hasFocus());
        QCOMPARE(Mainform->Spielfeld->Frame(), BoardCellRect(41));

        // The third attempt runs out: the game is over.
        Attempt = 3;
        Points = 0;
        Mainform->UhrTimer();
        QVERIFY(!Mainform->Spielfeld->isEnabled());
        QVERIFY(Mainform->Spielfeld->Frame().isEmpty());
        Mainform->NewLevel->setFocus();
        Key(Qt::Key_Right);
        QVERIFY(Mainform->Spielfeld->Frame().isEmpty());
        QCOMPARE(QApplication::focusWidget(), Mainform->ShowLevel); // the buttons' own arrows, as before
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
