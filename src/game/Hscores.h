// The high-score list: the ten best game totals with name and level,
// kept in "VScore.dat". Shown for viewing, or at the end of a game with a
// line open for the player's name.
#pragma once

#include "Form.h"
#include "HighScore.h"
#include "OneBased.h"

class QLabel;
class QLineEdit;
class TBitBtn;
class TPanel;

class THighScoreForm : public TForm {
    Q_OBJECT
public:
    explicit THighScoreForm(QWidget* owner);

    TPanel* ScorePanel;
    QLabel* Headline;
    QLabel* Platzleiste;
    QLineEdit* Neuer_Eintrag;
    TBitBtn* EraseButton;
    TBitBtn* OKButton;

    void FormShow() override;
    // Reads "VScore.dat" into the game's list, and says so where the list
    // will not be saved this run. The game does it at start-up, before its
    // window shows and before this dialog is built.
    static void LoadListe();
    bool SaveListe();
    void ShowListe();
    void TesteSpiel();
    void OKButtonClick();
    void DelListeClick();

    // Escape and the window manager's close act like OK, so that a name
    // being entered is kept and written.
    void reject() override;

private:
    void ShowName(int place);

    // The three labels of each place, "Name1".."Name10", "L1".."L10" and
    // "P1".."P10" by name, kept as they are made.
    OneBased<QLabel*, Places> Names {}, Levels {}, Scores {};
};

extern THighScoreForm* HighScoreForm;
