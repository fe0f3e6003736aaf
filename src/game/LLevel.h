// The start-level dialog: asks for the level at which a new game starts
// and accepts only a whole number from 1 to the number of levels.
#pragma once

#include "Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TBevel;

class TLoadLevelForm : public TForm {
    Q_OBJECT
public:
    explicit TLoadLevelForm(QWidget* owner);

    TBevel* Bevel1;
    QLabel* LevelAnzahl;
    QLineEdit* EditLevel;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void FormShow() override;
    void OKBtnClick();
    void CancelBtnClick();
    void FormCloseQuery(bool& CanClose);

    // Every way of closing the dialog ends here: OK, Cancel, Escape and the
    // title bar's close button. A refused OK keeps the dialog open.
    void done(int result) override;

private:
    bool Placed = false;
};

extern TLoadLevelForm* LoadLevelForm;
