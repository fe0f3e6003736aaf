#include "Hscores.h"

THighScoreForm* HighScoreForm = nullptr;

THighScoreForm::THighScoreForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("HighScoreForm"));
    setWindowTitle(QStringLiteral("Bestenliste"));
    setFixedSize(307, 256);
}
