#include "Hscores.h"

#include "Application.h"
#include "BitBtn.h"
#include "Cp1252.h"
#include "Daten.h"
#include "FileIo.h"
#include "FileSave.h"
#include "Fonts.h"
#include "HighScore.h"
#include "IoError.h"
#include "Label.h"
#include "LabelFit.h"
#include "MessageDlg.h"
#include "Panel.h"
#include "Pictures.h"
#include "WindowFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

THighScoreForm* HighScoreForm = nullptr;

namespace {

constexpr int LinePitch = 16;
// The level and score columns on the panel; their headings end where they do.
struct TColumn {
    int Left, Width;
    constexpr int Right() const { return Left + Width; }
};
constexpr TColumn LevelColumn {214, 17}, ScoreColumn {239, 47};

int LineTop(int place)
{
    return LinePitch * place + LinePitch;
}

// The column of place numbers: its words wrap one to a line in the narrow
// label, right-aligned, on the same 16-pixel lines as the names.
class TPlaceColumn : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int line = 0; line < words.size(); ++line)
            painter.drawText(QRect(0, line * LinePitch, width(), LinePitch), Qt::AlignRight | Qt::AlignTop,
                             words[line]);
    }
};

// Lets through only what the high-score file's code page can store.
class TCp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return FitsCp1252(input.toStdString()) ? Acceptable : Invalid;
    }
};

} // namespace

THighScoreForm::THighScoreForm(QWidget* owner)
    : TForm(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("HighScoreForm"));
    setWindowTitle(QStringLiteral("Bestenliste"));
    setFixedSize(307, 256);
    setFont(PixelFont(QStringLiteral("System"), 13, true));

    ScorePanel = new TPanel(this, {6, 8, 295, 201}, QColor(192, 192, 192), BevelCut::Raised, BevelCut::Lowered);
    ScorePanel->setObjectName(QStringLiteral("ScorePanel"));
    Headline = MakeLabel(ScorePanel,
                         {.Name = QStringLiteral("Headline"),
                          .Text = QStringLiteral("Platz  Name                         Level  Punkte"),
                          .At = {10, 9},
                          .Size = {277, 16},
                          .Font = PixelFont(QStringLiteral("MS Sans Serif"), 13, true, true)});
    Platzleiste = new TPlaceColumn(QStringLiteral("1. 2. 3. 4. 5. 6. 7. 8. 9. 10."), ScorePanel);
    Platzleiste->setObjectName(QStringLiteral("Platzleiste"));
    Platzleiste->setGeometry(15, 33, 21, 160);

    for (int place = 1; place <= Places; ++place) {
        const int top = LineTop(place);
        Names[place] = MakeLabel(ScorePanel,
                                 {.Name = QStringLiteral("Name%1").arg(place),
                                  .Text = QStringLiteral("Name%1").arg(place),
                                  .At = {53, top},
                                  .Size = {place == 10 ? 58 : 50, LinePitch}});
        Levels[place] = MakeLabel(ScorePanel,
                                  {.Name = QStringLiteral("L%1").arg(place),
                                   .Text = QStringLiteral("0"),
                                   .At = {LevelColumn.Left, top},
                                   .Size = {LevelColumn.Width, LinePitch},
                                   .Alignment = Qt::AlignRight | Qt::AlignTop});
        Scores[place] = MakeLabel(ScorePanel,
                                  {.Name = QStringLiteral("P%1").arg(place),
                                   .Text = QStringLiteral("0"),
                                   .At = {ScoreColumn.Left, top},
                                   .Size = {ScoreColumn.Width, LinePitch},
                                   .Alignment = Qt::AlignRight | Qt::AlignTop});
    }

    AlignHeadingOver(Headline, {QStringLiteral("Level"), LevelColumn.Right()},
                     {QStringLiteral("Punkte"), ScoreColumn.Right()});

    Neuer_Eintrag = new QLineEdit(QStringLiteral("Neuer Eintrag"), ScorePanel);
    Neuer_Eintrag->setObjectName(QStringLiteral("Neuer_Eintrag"));
    Neuer_Eintrag->setGeometry(53, 32, 144, 16);
    Neuer_Eintrag->setFrame(false);
    Neuer_Eintrag->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    Neuer_Eintrag->setMaxLength(NameLength);
    Neuer_Eintrag->setValidator(new TCp1252Validator(Neuer_Eintrag));
    Neuer_Eintrag->setTextMargins(0, 0, 0, 0);
    QPalette flat = Neuer_Eintrag->palette();
    flat.setColor(QPalette::Base, QColor(192, 192, 192));
    Neuer_Eintrag->setPalette(flat);
    Neuer_Eintrag->hide();

    const auto [eraser, eraserDisabled] = SplitGlyphStrip(LoadImage(Resource::Erase), qRgb(128, 0, 128));
    EraseButton = new TBitBtn(this, QStringLiteral("Löschen"), {94, 216, 95, 25}, eraser, eraserDisabled);
    EraseButton->setObjectName(QStringLiteral("EraseButton"));
    EraseButton->setAutoDefault(false);
    OKButton = TBitBtn::OkButton(this, {206, 216, 95, 25});
    OKButton->setObjectName(QStringLiteral("OKButton"));
    setTabOrder(Neuer_Eintrag, EraseButton);
    setTabOrder(EraseButton, OKButton);

    connect(EraseButton, &QPushButton::clicked, this, [this] { DelListeClick(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void THighScoreForm::ShowName(int place)
{
    QLabel* name = Names[place];
    name->setText(QString::fromStdString(NameText(ScoreTable, place)));
    name->resize(name->sizeHint().width(), LinePitch); // sized to its text
}

namespace {

QString ReasonText(int error)
{
    return QString::fromStdString(IoErrorText(IoErrorFromErrno(error)));
}

// The box a save that the game holds back shows instead, as from a CD-ROM.
QString WhyNotSaved()
{
    if (StartedFromCD)
        return QStringLiteral("Bestenliste kann nicht gespeichert werden,\rda Programm von CDRom gestartet wurde.");
    switch (ListProtection) {
    case TListProtection::UnreadableList:
        return QStringLiteral(
            "Bestenliste kann nicht gespeichert werden,\rda „VScore.dat“ nicht gelesen werden konnte.");
    case TListProtection::NoLock:
        return QStringLiteral(
            "Bestenliste kann nicht gespeichert werden,\rda das Spielverzeichnis nicht gesperrt werden konnte.");
    case TListProtection::None:
        break;
    }
    return {};
}

} // namespace

void THighScoreForm::LoadListe()
{
    if (ListProtection == TListProtection::NoLock)
        MessageDlg(QStringLiteral("Velorin kann dieses Verzeichnis nicht für sich sperren (%1).\r\r"
                                  "Damit kein zweites Spiel hier Einträge überschreibt, speichert dieses Spiel "
                                  "die Bestenliste nicht.")
                       .arg(ReasonText(ListProtectionReason)),
                   TMsgDlgType::Warning);
    const FileRead file = ReadFilePrefix(HighScoreFileName, HighScoreRecordSize);
    if (!file.Opened) {
        ClearTable(ScoreTable); // no list yet: start empty, silently
        if (!NoListToLose(file.Error)) {
            // A list is there but hidden: replacing it would lose it.
            ListProtection = TListProtection::UnreadableList;
            ListProtectionReason = file.Error;
            MessageDlg(QStringLiteral("Die Bestenliste „VScore.dat“ kann nicht gelesen werden (%1).\r\r"
                                      "Damit ihre Einträge nicht verloren gehen, speichert dieses Spiel "
                                      "keine neuen Einträge.")
                           .arg(ReasonText(file.Error)),
                       TMsgDlgType::Warning);
        }
    } else if (file.Error != 0) {
        ParseHighScoreTable(file.Bytes, ScoreTable);
        Application::ShowIoError(IoErrorFromErrno(file.Error));
        return;
    } else if (!ParseHighScoreTable(file.Bytes, ScoreTable)) {
        Application::ShowIoError(IoReadBeyondEnd);
        return;
    }
    HighScoreMark = ScoreTable.Scores[Places];
}

bool THighScoreForm::SaveListe()
{
    if (const QString held = WhyNotSaved(); !held.isEmpty()) {
        MessageDlg(held, TMsgDlgType::Information);
        return true; // the change stays in memory for the run
    }
    const SaveOutcome outcome = SaveFile(HighScoreFileName, RecordBytes(ScoreTable));
    if (outcome.Error == 0)
        return true;
    if (outcome.Saved) {
        MessageDlg(QStringLiteral("Die Bestenliste ist gespeichert, doch dass sie sicher auf der Platte steht, "
                                  "ließ sich nicht bestätigen (%1).")
                       .arg(ReasonText(outcome.Error)),
                   TMsgDlgType::Warning);
        return true;
    }
    Application::ShowIoError(IoErrorFromErrno(outcome.Error));
    return false;
}

void THighScoreForm::ShowListe()
{
    Neuer_Eintrag->hide();
    for (int place = 1; place <= Places; ++place) {
        ShowName(place);
        Levels[place]->setText(QString::number(ScoreTable.Levels[place]));
        Scores[place]->setText(QString::number(ScoreTable.Scores[place]));
    }
}

void THighScoreForm::FormShow()
{
    MoveOuter(this, {DialogLeft + 110, DialogTop + 110});
    if (EnterNewScore) {
        TesteSpiel();
        return;
    }
    OKButton->setFocus();
    EntryPlace = 0;
    ShowListe();
}

void THighScoreForm::TesteSpiel()
{
    const int place = FindPlace(ScoreTable, HighScoreMark);
    if (place == 0) {
        EntryPlace = 0;
        ShowListe();
        return;
    }
    EntryPlace = static_cast<std::uint8_t>(place);
    InsertEntry(ScoreTable, place, static_cast<std::uint8_t>(CurrentLevel), HighScoreMark);
    ShowListe();
    Neuer_Eintrag->clear();
    Neuer_Eintrag->show();
    Neuer_Eintrag->move(Neuer_Eintrag->x(), LineTop(place));
    Neuer_Eintrag->setFocus();
}

void THighScoreForm::OKButtonClick()
{
    if (EntryPlace != 0) {
        const QString name = Neuer_Eintrag->text().left(NameLength);
        // The field lets through only what the code page holds.
        SetNameBytes(ScoreTable, EntryPlace, Cp1252FromUtf8(name.toStdString()).value_or(std::string()));
        ShowName(EntryPlace);
        Neuer_Eintrag->hide();
        HighScoreMark = ScoreTable.Scores[Places];
        SaveListe(); // the list is closed even when saving failed
    }
    done(ModalResult::Ok);
}

void THighScoreForm::reject()
{
    OKButtonClick();
}

void THighScoreForm::DelListeClick()
{
    ClearTable(ScoreTable);
    if (!SaveListe())
        return;
    HighScoreMark = 0;
    EntryPlace = 0;
    ShowListe();
}
