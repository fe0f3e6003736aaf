#include "wertung.h"

#include "Daten.h"
#include "Fonts.h"
#include "Image.h"
#include "LevelFlow.h"
#include "NumberDisplay.h"
#include "Panel.h"
#include "Pictures.h"
#include "ScoreRows.h"
#include "WindowFrame.h"

#include <QPushButton>

TWertform* Wertform = nullptr;

namespace {
// Left empty in the score picture; the number fields are wiped with it.
constexpr QRect BlankBackground {100, 90, 80, 14};
} // namespace

TWertform::TWertform(QWidget* owner)
    : TForm(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Wertform"));
    setWindowTitle(QStringLiteral("Wertung"));
    setFixedSize(211, 204);
    setFont(DialogFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 128));
    setPalette(palette);
    setAutoFillBackground(true);

    Rahmen = new TPanel(this, {13, 14, 185, 140}, QColor(192, 192, 192), BevelCut::Raised, BevelCut::Lowered);
    Rahmen->setObjectName(QStringLiteral("Rahmen"));
    Punktewertung = new TImage(Rahmen, {3, 3, 180, 135}, LoadPicture(Resource::Punktewertung));
    Punktewertung->setObjectName(QStringLiteral("Punktewertung"));
    Punktewertung->setAccessibleName(QStringLiteral("Wertung"));
    Zahlen = LoadPicture(Resource::Zahlen);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(68, 168, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
}

void TWertform::FormShow()
{
    MoveOuter(this, {DialogLeft + 135, DialogTop + 145});
    const std::int32_t points = Points;
    ShowPunkte(CurrentLevel, WertungRow::Level);
    ShowPunkte(points, WertungRow::Points);
    const std::int32_t bonus = CreditBonus();
    ShowPunkte(bonus, WertungRow::Bonus);
    ShowPunkte(Points, WertungRow::Total);
    // The same numbers for a screen reader.
    Punktewertung->setAccessibleDescription(QStringLiteral("Level %1, Punkte %2, Bonus %3, gesamt %4")
                                                .arg(CurrentLevel)
                                                .arg(points)
                                                .arg(bonus)
                                                .arg(Points));
}

void TWertform::ShowPunkte(std::int32_t value, int row)
{
    ShowNumber(Punktewertung->Picture, BlankBackground, Zahlen, value, row);
    Punktewertung->Changed(NumberField(row));
}
