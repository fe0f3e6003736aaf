#include "main.h"

#include "Application.h"
#include "BoardDrawing.h"
#include "BoardGeometry.h"
#include "BoardKeyboard.h"
#include "Daten.h"
#include "Described.h"
#include "DriveType.h"
#include "EarlyPictures.h"
#include "Fonts.h"
#include "GameIdentity.h"
#include "HelpViewer.h"
#include "Hscores.h"
#include "Image.h"
#include "InfoBoxDlg.h"
#include "Jpeg.h"
#include "LLevel.h"
#include "Label.h"
#include "LevelFile.h"
#include "LevelFlow.h"
#include "MessageDlg.h"
#include "Moves.h"
#include "NumberDisplay.h"
#include "PaintBox.h"
#include "Panel.h"
#include "Pictures.h"
#include "Pixels.h"
#include "ScoreRows.h"
#include "StoneWords.h"
#include "WindowFrame.h"
#include "velor.h"
#include "wertung.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <utility>

TMainform* Mainform = nullptr;

namespace {

const QColor Silver(192, 192, 192);
const QColor Grey(128, 128, 128);

QPushButton* MakeButton(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}

} // namespace

TMainform::TMainform()
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(QString::fromUtf8(GameTitle));
    // The client area keeps its 697 x 478 pixels whatever the frame does.
    setFixedSize(697, 478);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    LoadPictures();
    CreateBoardSide();
    CreateScoreSide();

    Uhr = new QTimer(this);
    Uhr->setInterval(ClockIntervalMs);
    connect(Uhr, &QTimer::timeout, this, [this] { UhrTimer(); });
    Uhr->start();

    InfoBoxDlg = new TInfoBoxDlg(this);
    InfoBoxDlg->ProgramName = QString::fromUtf8(GameTitle);
    InfoBoxDlg->Version = QString::fromUtf8(GameVersion);
    InfoBoxDlg->Left = 24;
    InfoBoxDlg->Top = 16;

    CentreOnScreen(this);
    FormCreate();
}

void TMainform::LoadPictures()
{
    for (int code = 1; code <= ColourCount; ++code)
        Farbe[static_cast<std::size_t>(code)] = LoadPicture(Resource::Farbe(code));
    Ring = LoadPicture(Resource::Ring);
    Klein = LoadPicture(Resource::Klein);
    Zahlen = LoadPicture(Resource::Zahlen);
}

void TMainform::CreateBoardSide()
{
    Spielfeldpanel = new TPanel(this, {10, 10, 460, 460}, Silver, BevelCut::Raised, BevelCut::Lowered);
    Spielfeldpanel->setObjectName(QStringLiteral("Spielfeldpanel"));

    Spielfeld = new TPaintBox(Spielfeldpanel, {5, 5, BoardPixels, BoardPixels});
    Spielfeld->setObjectName(QStringLiteral("Spielfeld"));
    DescribeOnDemand(Spielfeld, [this] { return BoardWords(); });
    Spielfeld->setAccessibleName(QStringLiteral("Spielfeld"));
    Spielfeld->OnPaint = [this](QPainter& painter, QRect area) { DrawBoard(painter, area); };

    GameOver = MakeLabel(Spielfeldpanel,
                         {.Name = QStringLiteral("GameOver"),
                          .Text = QStringLiteral("GAME OVER"),
                          .At = {69, 121},
                          .Size = {323, 218},
                          .Font = PixelFont(QStringLiteral("Times New Roman"), 96, true),
                          .Colour = Qt::white,
                          .Alignment = Qt::AlignHCenter | Qt::AlignTop,
                          .WordWrap = true});
    GameOver->hide();

    NextVersuchPanel = new TPanel(Spielfeldpanel, {120, 175, 220, 110}, Silver, BevelCut::Raised, BevelCut::None, 3);
    NextVersuchPanel->setObjectName(QStringLiteral("NextVersuchPanel"));
    Kommentar = MakeLabel(NextVersuchPanel,
                          {.Name = QStringLiteral("Kommentar"),
                           .Text = QStringLiteral("Leider sind Deine Punkte aufge- braucht."),
                           .At = {8, 16},
                           .Size = {205, 30},
                           .Font = DialogFont(true),
                           .Colour = QColor(64, 128, 128),
                           .WordWrap = true});
    VNummer = MakeLabel(NextVersuchPanel,
                        {.Name = QStringLiteral("VNummer"),
                         .Text = QStringLiteral("Auf zum Versuch Nummer 2."),
                         .At = {7, 48},
                         .Size = {205, 17},
                         .Font = DialogFont(true),
                         .Colour = QColor(128, 128, 0),
                         .WordWrap = true});
    OKButton = MakeButton(NextVersuchPanel, QStringLiteral("OK"), {72, 72, 75, 25});
    OKButton->setObjectName(QStringLiteral("OKButton"));
    NextVersuchPanel->hide();

    // The keyboard first: a mouse press hides its cursor before the press
    // is played.
    Keyboard = new TBoardKeyboard(
        this, Spielfeld, [this](QPoint centre) { SpielfeldMouseDown(Qt::LeftButton, centre.x(), centre.y()); });
    connect(Keyboard, &TBoardKeyboard::CursorChanged, this, [this] { DescriptionChanged(Spielfeld); });
    connect(Spielfeld, &TPaintBox::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) { SpielfeldMouseDown(button, x, y); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void TMainform::CreateScoreSide()
{
    Auswertungspanel = new TPanel(this, {478, 10, 210, 460}, Grey, BevelCut::Raised, BevelCut::Lowered);
    Auswertungspanel->setObjectName(QStringLiteral("Auswertungspanel"));

    Ziel = new TImage(Auswertungspanel, {15, 13, TargetPixels, TargetPixels});
    Ziel->setObjectName(QStringLiteral("Ziel"));
    Ziel->setAccessibleName(QStringLiteral("Zielbild"));
    Ziel->setAccessibleDescription(QStringLiteral("So sollen die Steine auf dem Spielfeld liegen."));
    Auswertung = new TImage(Auswertungspanel, {15, 312, 180, 135}, LoadPicture(Resource::Auswertung));
    Auswertung->setObjectName(QStringLiteral("Auswertung"));
    DescribeOnDemand(Auswertung, [this] { return ScoreWords(); });
    Auswertung->setAccessibleName(QStringLiteral("Punktestand"));

    NewLevel = MakeButton(Auswertungspanel, QStringLiteral("&Neues Spiel"), {15, 211, 85, 25});
    ShowLevel = MakeButton(Auswertungspanel, QStringLiteral("&Bestenliste"), {110, 211, 85, 25});
    NextChance = MakeButton(Auswertungspanel, QStringLiteral("Neuer &Versuch"), {62, 243, 85, 25});
    InfoButton = MakeButton(Auswertungspanel, QStringLiteral("&Info"), {15, 275, 50, 25});
    HilfeButton = MakeButton(Auswertungspanel, QStringLiteral("&Hilfe"), {80, 275, 50, 25});
    Beenden = MakeButton(Auswertungspanel, QStringLiteral("&Ende"), {145, 275, 50, 25});
    NewLevel->setObjectName(QStringLiteral("NewLevel"));
    ShowLevel->setObjectName(QStringLiteral("ShowLevel"));
    NextChance->setObjectName(QStringLiteral("NextChance"));
    InfoButton->setObjectName(QStringLiteral("InfoButton"));
    HilfeButton->setObjectName(QStringLiteral("HilfeButton"));
    Beenden->setObjectName(QStringLiteral("Beenden"));

    setTabOrder(OKButton, NewLevel);
    setTabOrder(NewLevel, ShowLevel);
    setTabOrder(ShowLevel, NextChance);
    setTabOrder(NextChance, InfoButton);
    setTabOrder(InfoButton, HilfeButton);
    setTabOrder(HilfeButton, Beenden);

    connect(NewLevel, &QPushButton::clicked, this, [this] { NewLevelClick(NewLevel); });
    connect(ShowLevel, &QPushButton::clicked, this, [this] { HighscoreClick(); });
    connect(NextChance, &QPushButton::clicked, this, [this] { NextChanceClick(NextChance); });
    connect(InfoButton, &QPushButton::clicked, this, [this] { InfoButtonClick(); });
    connect(HilfeButton, &QPushButton::clicked, this, [this] { HilfeButtonClick(); });
    connect(Beenden, &QPushButton::clicked, this, [this] { BeendenClick(); });
}

void TMainform::FormCreate()
{
    // The window menu of the title bar belongs to the window manager here;
    // the fixed size already keeps it from offering Size and Restore.

    StartedFromCD = IsOnCdRom(".");

    // The board background comes as a JPEG and is decoded once, into the
    // bitmap that every paint of the board copies from.
    const JpegPicture background = TakeBoardBackground();
    Hintergrund = BoardBackground(background);
    if (background.Picture.isNull())
        Application::ShowException(QStringLiteral("Das Bild des Spielfelds ist beschädigt (%1)").arg(background.Error));
    Original = Hintergrund;

    CurrentLevel = 1;
    LoadFile();
    CurrentRecord = LevelTable[CurrentLevel];
    NewLevelClick(this);
}

void TMainform::LoadFile()
{
    LevelCount = 0;
    const LevelFileResult file = ReadLevelFile(LevelFileName, LevelTable);
    if (file.Status == LevelFileStatus::Missing) {
        MessageDlgPos(QStringLiteral("Kann Datei VELOR.DAT nicht finden.\r\rProgramm wird beendet."),
                      TMsgDlgType::Error, {120, 150});
        Application::Terminate();
        return;
    }
    LevelCount = file.Count;
    if (file.Status == LevelFileStatus::TooMany)
        MessageDlg(QStringLiteral("velor.dat enthält mehr als 99 Level; nur die ersten 99 werden geladen."),
                   TMsgDlgType::Warning);
    else if (file.IoError != 0)
        Application::ShowIoError(file.IoError);
}

void TMainform::ShowStone(std::uint8_t cell)
{
    if (cell != 0)
        Spielfeld->Changed(BoardCellRect(cell));
    DescriptionChanged(Spielfeld);
}

void TMainform::ShowRing()
{
    for (const int cell : {int {RingCell1}, int {RingCell2}})
        if (cell > 0)
            Spielfeld->Changed(BoardCellRect(cell));
    DescriptionChanged(Spielfeld);
}

void TMainform::ShowZiel()
{
    QImage& picture = Ziel->Picture;
    if (picture.isNull())
        picture = QImage(Ziel->size(), QImage::Format_RGB32);
    DrawTargetPattern(picture, CurrentRecord.Target, Klein);
    Ziel->Changed();
}

void TMainform::SpielfeldPaint()
{
    Spielfeld->Changed();
    DescriptionChanged(Spielfeld);
}

QString TMainform::BoardWords() const
{
    if (Keyboard == nullptr || !Keyboard->Showing())
        return QStringLiteral("9 mal 9 Felder. Die Pfeiltasten wählen ein Feld, die Leertaste drückt seinen Stein.");
    const int cell = Keyboard->Cell();
    QString words = QStringLiteral("Zeile %1, Spalte %2: %3")
                        .arg(RowOf(cell) + 1)
                        .arg(ColumnOf(cell) + 1)
                        .arg(QString::fromStdString(CellWords(CurrentRecord.Board[cell])));
    if (cell == RingCell1 || cell == RingCell2)
        words += QStringLiteral(", mit Ring: hierhin tauschen");
    return words;
}

QString TMainform::ScoreWords() const
{
    return QStringLiteral("Level %1, Versuch %2, Punkte %3, gesamt %4")
        .arg(ShownScore.Level)
        .arg(ShownScore.Attempt)
        .arg(ShownScore.Points)
        .arg(ShownScore.Total);
}

void TMainform::DrawBoard(QPainter& painter, QRect area)
{
    // The margin around the cells is the background alone.
    const QRect cells(BoardMargin, BoardMargin, BoardSide * StonePixels, BoardSide * StonePixels);
    if (!cells.contains(area))
        for (const QRect& margin : QRegion(area) - QRegion(cells))
            painter.drawImage(margin.topLeft(), Hintergrund, margin);
    // The rows and columns of the cells that `area` touches.
    const QRect touched = area & cells;
    if (touched.isEmpty())
        return;
    const auto line = [](int pixel) { return (pixel - BoardMargin) / StonePixels; };
    for (int row = line(touched.top()); row <= line(touched.bottom()); ++row) {
        for (int column = line(touched.left()); column <= line(touched.right()); ++column) {
            const int cell = CellAt(row, column);
            const QRect square = BoardCellRect(cell);
            const std::uint8_t code = CurrentRecord.Board[cell];
            const bool ringed = cell == RingCell1 || cell == RingCell2;
            DrawBoardCell(CellPicture, {0, 0}, Hintergrund, square, IsStone(code) ? &Farbe[code] : nullptr,
                          ringed ? &Ring : nullptr);
            painter.drawImage(square.topLeft(), CellPicture);
        }
    }
}

void TMainform::ShowZiffer(std::int32_t value, int row)
{
    // Left empty in the score picture; the number fields are wiped with it.
    constexpr QRect blankBackground {100, 85, 80, 14};
    ShowNumber(Auswertung->Picture, blankBackground, Zahlen, value, row);
    Auswertung->Changed(NumberField(row));

    switch (row) {
    case ScoreRow::Level:
        ShownScore.Level = value;
        break;
    case ScoreRow::Attempt:
        ShownScore.Attempt = value;
        break;
    case ScoreRow::Points:
        ShownScore.Points = value;
        break;
    case ScoreRow::Total:
        ShownScore.Total = value;
        break;
    default:
        break;
    }
    DescriptionChanged(Auswertung);
}

void TMainform::SpielfeldMouseDown(Qt::MouseButton Button, int X, int Y)
{
    if (Button != Qt::LeftButton)
        return;
    // Every left press starts the clock, wherever it lands.
    if (!Uhr->isActive())
        Uhr->start();
    const int cell = BoardCellAt(X, Y);
    if (cell == 0)
        return;
    if (ReadyForStone == 1)
        StonePress(cell);
    else
        RingPress(cell);
}

void TMainform::StonePress(int cell)
{
    SelectedCell = static_cast<std::int8_t>(cell);
    RingCell1 = 0;
    RingCell2 = 0;
    const MoveOffer offer = StoneMove(CurrentRecord.Board, SelectedCell);
    switch (offer.Kind) {
    case MoveKind::None:
        return;
    case MoveKind::Ring:
        // Both neighbours qualify: the player picks one of the ringed cells.
        RingCell1 = static_cast<std::int8_t>(offer.Ring1);
        RingCell2 = static_cast<std::int8_t>(offer.Ring2);
        ReadyForStone = 0;
        ShowRing();
        return;
    case MoveKind::Swap:
        Swap(offer.Offset);
        return;
    }
}

void TMainform::RingPress(int cell)
{
    // Anything but a ringed cell leaves the offer open.
    if (cell != RingCell1 && cell != RingCell2)
        return;
    const bool first = cell == RingCell1;
    ShowStone(static_cast<std::uint8_t>(first ? RingCell2 : RingCell1));
    const int step = TwoWayStep(CurrentRecord.Board[SelectedCell]);
    ReadyForStone = 1;
    Swap(first ? step : -step);
}

void TMainform::Swap(int offset)
{
    RingCell1 = 0;
    RingCell2 = 0;
    const int partner = SelectedCell + offset;
    SwapStones(CurrentRecord.Board, SelectedCell, partner);
    ShowStone(static_cast<std::uint8_t>(SelectedCell));
    ShowStone(static_cast<std::uint8_t>(partner));
    if (ChargeMove())
        ShowZiffer(Points, ScoreRow::Points);
    TesteGameOver();
}

void TMainform::NewLevelClick(QObject* Sender)
{
    // At start-up the first game begins at level 1 without asking.
    if (Sender != this) {
        CreateDialogs();
        if (LoadLevelForm->exec() != ModalResult::Ok)
            return;
    }
    GameOver->hide();
    NextVersuchPanel->hide();
    NextChance->setEnabled(true);
    Spielfeld->setEnabled(true);
    Uhr->stop();
    StartGame();
    ShowLevelRows();
    ShowZiffer(TotalScore, ScoreRow::Total);
    ShowZiel();
    SpielfeldPaint();
}

void TMainform::ShowLevelRows()
{
    ShowZiffer(CurrentLevel, ScoreRow::Level);
    ShowZiffer(Attempt, ScoreRow::Attempt);
    ShowZiffer(Points, ScoreRow::Points);
}

void TMainform::NextChanceClick(QObject*)
{
    StartNextAttempt();
    NextChance->setEnabled(AttemptsLeft());
    Spielfeld->setEnabled(true);
    Uhr->stop();
    ShowZiffer(Attempt, ScoreRow::Attempt);
    ShowZiffer(Points, ScoreRow::Points);
    SpielfeldPaint();
}

void TMainform::OKButtonClick()
{
    NextVersuchPanel->hide();
    NextChanceClick(this);
    // A player at the keyboard plays on where the board was left.
    if (Keyboard->Showing())
        Keyboard->TakeKeyboard();
}

void TMainform::UhrTimer()
{
    const TickOutcome outcome = ClockTick();
    if (outcome == TickOutcome::Charged) {
        ShowZiffer(Points, ScoreRow::Points);
        return;
    }
    // The points of this attempt are used up.
    Uhr->stop();
    NextChance->setEnabled(false);
    switch (outcome) {
    case TickOutcome::AttemptFailed:
        ShowNextAttemptPanel();
        break;
    case TickOutcome::GameOver:
        EndOfGame();
        break;
    case TickOutcome::Charged:
    case TickOutcome::NoAttempt: // a tick behind the start-up boxes
        break;
    }
}

void TMainform::ShowNextAttemptPanel()
{
    if (Attempt == 1) {
        Kommentar->setText(QStringLiteral("Leider sind Deine Punkte aufge- braucht."));
        VNummer->setText(QStringLiteral("Auf zum Versuch Nummer 2."));
    } else {
        Kommentar->setText(QStringLiteral("Auch der zweite Versuch war kein Erfolg."));
        VNummer->setText(QStringLiteral(" Auf zum Versuch Nummer 3."));
    }
    NextVersuchPanel->show();
    // Return then answers the panel, for a player at the keyboard.
    if (Keyboard->Showing())
        OKButton->setFocus();
}

void TMainform::TesteGameOver()
{
    if (!IsSolved(CurrentRecord))
        return;
    Uhr->stop();
    NextChance->setEnabled(false);
    StoreDialogPosition();
    CreateDialogs();
    Wertform->exec(); // credits the attempt's bonus
    const bool nextLevel = FinishLevel();
    ShowZiffer(TotalScore, ScoreRow::Total);
    if (nextLevel) {
        NextChance->setEnabled(true);
        ShowLevelRows();
        ShowZiel();
        SpielfeldPaint();
    } else {
        EndOfGame();
    }
}

void TMainform::EndOfGame()
{
    GameOver->setText(QStringLiteral("GAME OVER"));
    GameOver->show();
    Spielfeld->setEnabled(false);
    OfferTotal();
}

void TMainform::OfferTotal()
{
    // The list may be open for viewing right now (the clock runs on behind
    // it); it is never shown twice, so the total waits until it is closed.
    if (HighScoreForm != nullptr && HighScoreForm->isVisible()) {
        HandOverPending = true;
        return;
    }
    EnterNewScore = true;
    if (HandOverTotal()) {
        StoreDialogPosition();
        CreateDialogs();
        HighScoreForm->exec();
    }
    EnterNewScore = false;
}

void TMainform::HighscoreClick()
{
    StoreDialogPosition();
    CreateDialogs();
    HighScoreForm->exec();
    if (HandOverPending) {
        HandOverPending = false;
        OfferTotal();
    }
}

void TMainform::StoreDialogPosition()
{
    DialogLeft = x();
    DialogTop = y();
}

void TMainform::InfoButtonClick()
{
    // The about window (285 x 290 outside) opens centred on this window.
    InfoBoxDlg->Left = InfoBoxOffsetPosition(x(), frameGeometry().width(), 285);
    InfoBoxDlg->Top = InfoBoxOffsetPosition(y(), frameGeometry().height(), 290);
    InfoBoxDlg->Execute();
}

void TMainform::HilfeButtonClick()
{
    Application::HelpCommand(HELP_CONTENTS, 0);
}

void TMainform::BeendenClick()
{
    close();
}

void TMainform::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, help window or not.
    event->accept();
    QCoreApplication::quit();
}
