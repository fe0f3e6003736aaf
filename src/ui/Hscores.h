// The high-score list: the ten best game totals.
#pragma once

#include <QDialog>

class THighScoreForm : public QDialog {
    Q_OBJECT
public:
    explicit THighScoreForm(QWidget* owner);
};

extern THighScoreForm* HighScoreForm;
