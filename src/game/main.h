// The main window: the board with its paint box on the left, the target
// picture, the buttons and the score picture on the right.
#pragma once

#include "BoardGeometry.h"
#include "StoneRules.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QPainter;
class QPushButton;
class QTimer;
class TBoardKeyboard;
class TImage;
class TInfoBoxDlg;
class TPaintBox;
class TPanel;

class TMainform : public QWidget {
    Q_OBJECT
public:
    TMainform();

    // Board side.
    TPanel* Spielfeldpanel;
    TPaintBox* Spielfeld;
    QLabel* GameOver;
    TPanel* NextVersuchPanel;
    QLabel* Kommentar;
    QLabel* VNummer;
    QPushButton* OKButton;
    TBoardKeyboard* Keyboard = nullptr; // the board played from the keyboard

    // Score side.
    TPanel* Auswertungspanel;
    TImage* Ziel;
    TImage* Auswertung;
    QPushButton* NewLevel;
    QPushButton* ShowLevel;
    QPushButton* NextChance;
    QPushButton* InfoButton;
    QPushButton* HilfeButton;
    QPushButton* Beenden;

    QTimer* Uhr;
    TInfoBoxDlg* InfoBoxDlg;

    // Pictures held by the window and never shown themselves.
    QImage Original;
    QImage Hintergrund;
    QImage Ring;
    std::array<QImage, ColourCount + 1> Farbe; // Farbe[1] .. Farbe[12]
    QImage Klein;
    QImage Zahlen;
    // One cell, put together before it is shown.
    QImage CellPicture {StonePixels, StonePixels, QImage::Format_RGB32};
    // The numbers the score picture shows, for a screen reader.
    struct {
        std::int32_t Level = 0, Attempt = 0, Points = 0, Total = 0;
    } ShownScore;

    // Start-up.
    void FormCreate();
    void LoadFile();

    // Drawing of board and target. The board is drawn from the game's
    // state when it is shown: ShowStone, ShowRing and SpielfeldPaint ask
    // for a cell, the ring cells or the whole board to be drawn again.
    void ShowStone(std::uint8_t cell);
    void ShowRing();
    void ShowZiel();
    void SpielfeldPaint();
    // The paint event of Spielfeld: `area` of the board as `Board`,
    // `RingCell1` and `RingCell2` have it, cell by cell: the background
    // square, the stone without its transparent colour, then a ring.
    void DrawBoard(QPainter& painter, QRect area);

    // The numbers of the score picture.
    void ShowZiffer(std::int32_t value, int row);

    // What a screen reader says of the board (the cell under the keyboard's
    // cursor and its stone while the player plays from the keyboard) and
    // of the score picture.
    QString BoardWords() const;
    QString ScoreWords() const;

    // A press on the board.
    void SpielfeldMouseDown(Qt::MouseButton Button, int X, int Y);

    // Level flow.
    void NewLevelClick(QObject* Sender);
    void NextChanceClick(QObject* Sender);
    void OKButtonClick();
    void UhrTimer();
    void TesteGameOver();
    void HighscoreClick();
    void InfoButtonClick();
    void HilfeButtonClick();
    void BeendenClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void StonePress(int cell);
    void RingPress(int cell);
    void Swap(int offset);
    void ShowLevelRows();
    void ShowNextAttemptPanel();
    void EndOfGame();
    void OfferTotal();
    void StoreDialogPosition();

    // The game ended while the list was open for viewing; the total is
    // handed to it once that list has been closed.
    bool HandOverPending = false;

    void CreateBoardSide();
    void CreateScoreSide();
    void LoadPictures();
};

extern TMainform* Mainform;
