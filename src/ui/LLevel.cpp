#include "LLevel.h"

TLoadLevelForm* LoadLevelForm = nullptr;

TLoadLevelForm::TLoadLevelForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("LoadLevelForm"));
    setWindowTitle(QStringLiteral("Startlevel "));
    setFixedSize(270, 140);
}
