#include "StonePalette.h"

#include "BoardGeometry.h"
#include "BoardPictures.h"
#include "Pixels.h"
#include "StoneRules.h"
#include "StoneWords.h"
#include "Symbols.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QShortcut>
#include <QToolButton>

namespace {

// The twelve stones and the two non-stones in one row, as wide as the two
// boards below: the window keeps its height for the boards.
constexpr int PaletteColumns = 14;

} // namespace

StonePalette::StonePalette(const BoardPictures& pictures, QWidget* parent)
    : QWidget(parent), Buttons(new QButtonGroup(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    const auto add = [&](int code, const QIcon& icon, const QString& text, const QString& name, const QString& tip) {
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(icon);
        button->setIconSize({StonePixels, StonePixels});
        button->setText(text);
        button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
        button->setFixedSize(StonePixels + 8, StonePixels + 8);
        button->setToolTip(tip);
        button->setAccessibleName(name);
        const auto index = static_cast<int>(Buttons->buttons().size());
        grid->addWidget(button, index / PaletteColumns, index % PaletteColumns);
        Buttons->addButton(button, code);
        // A..C with or without Shift: the letter as it stands on the stone.
        const QString key(QChar::fromLatin1(SymbolOf(static_cast<std::uint8_t>(code))));
        QList<QKeySequence> keys {QKeySequence(key)};
        if (key.front().isLetter())
            keys.append(QKeySequence(QStringLiteral("Shift+") + key));
        for (const QKeySequence& sequence : keys) {
            auto* shortcut = new QShortcut(sequence, window());
            connect(shortcut, &QShortcut::activated, button, [button] { button->setChecked(true); });
        }
    };
    for (int code = 1; code <= ColourCount; ++code) {
        // "Stein 7: braunrot, schräg nach links oben oder nach rechts unten"
        const QString name = QStringLiteral("Stein %1: %2").arg(code).arg(QString::fromStdString(CellWords(code)));
        add(code, QIcon(QPixmap::fromImage(WithoutTransparentColour(pictures.Stone(code)))), {}, name,
            QStringLiteral("%1 (Taste %2)")
                .arg(name)
                .arg(QChar::fromLatin1(SymbolOf(static_cast<std::uint8_t>(code)))));
    }
    add(EmptyCode, {}, QStringLiteral("leer"), QStringLiteral("Leeres Feld"), QStringLiteral("Leeres Feld (Taste .)"));
    add(BlockCode, {}, QStringLiteral("Block"), QStringLiteral("Block: ein unsichtbares besetztes Feld"),
        QStringLiteral("Block: ein unsichtbares besetztes Feld (Taste #)"));
    Buttons->button(1)->setChecked(true);
}

std::uint8_t StonePalette::Chosen() const
{
    return static_cast<std::uint8_t>(Buttons->checkedId());
}

void StonePalette::Choose(std::uint8_t code)
{
    if (auto* button = Buttons->button(code))
        button->setChecked(true);
}
