#include "LLevel.h"

#include "Bevel.h"
#include "Daten.h"
#include "Fonts.h"
#include "IntConv.h"
#include "WindowFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TLoadLevelForm* LoadLevelForm = nullptr;

TLoadLevelForm::TLoadLevelForm(QWidget* owner)
    : TForm(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("LoadLevelForm"));
    setWindowTitle(QStringLiteral("Startlevel "));
    setFixedSize(270, 140);
    setFont(DialogFont());

    Bevel1 = new TBevel(this, {7, 8, 257, 73}, BevelShape::Box, BevelCut::Lowered);
    LevelAnzahl = new QLabel(QStringLiteral("Bitte Level-Nr. eingeben (1/1) :"), this);
    LevelAnzahl->setObjectName(QStringLiteral("LevelAnzahl"));
    LevelAnzahl->setGeometry(22, 16, 225, 13);
    LevelAnzahl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    EditLevel = new QLineEdit(QStringLiteral("1"), this);
    EditLevel->setObjectName(QStringLiteral("EditLevel"));
    EditLevel->setGeometry(110, 43, 50, 21);
    EditLevel->setMaxLength(3);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(53, 100, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(143, 100, 75, 25);
    setTabOrder(EditLevel, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TLoadLevelForm::FormShow()
{
    // Centred on the screen the first time; afterwards it opens where the
    // player left it.
    if (!Placed) {
        Placed = true;
        CentreOnScreen(this);
    }
    EditLevel->setFocus();
    EditLevel->setText(QStringLiteral("1"));
    EditLevel->setSelection(0, 1);
    LevelAnzahl->setText(QStringLiteral("Bitte Level-Nr. eingeben (1-%1)").arg(LevelCount));
}

void TLoadLevelForm::OKBtnClick()
{
    done(ModalResult::Ok);
}

void TLoadLevelForm::CancelBtnClick()
{
    done(ModalResult::Cancel);
}

void TLoadLevelForm::done(int result)
{
    setResult(result);
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        QDialog::done(this->result());
}

void TLoadLevelForm::FormCloseQuery(bool& CanClose)
{
    if (result() != ModalResult::Ok)
        return;
    const std::optional<std::int32_t> level = StrToInt(EditLevel->text().toStdString());
    if (level && *level >= 1 && *level <= LevelCount) {
        CurrentLevel = static_cast<std::uint16_t>(*level);
        setResult(ModalResult::Ok);
        return;
    }
    // Refused without a word: the entry stays as typed for the player to mend.
    setResult(ModalResult::None);
    EditLevel->setFocus();
    CanClose = false;
}
