#include "Label.h"

#include <QFontMetricsF>
#include <QLabel>

QLabel* ApplyLabelSpec(QLabel* label, const TLabelSpec& spec)
{
    label->setObjectName(spec.Name);
    label->setText(spec.Text);
    if (spec.Font)
        label->setFont(*spec.Font);
    if (spec.Colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *spec.Colour);
        label->setPalette(palette);
    }
    label->setAlignment(spec.Alignment);
    label->setWordWrap(spec.WordWrap);
    label->move(spec.At);
    if (spec.Size.isValid())
        label->resize(spec.Size);
    else
        label->adjustSize();
    return label;
}

QLabel* MakeLabel(QWidget* parent, const TLabelSpec& spec)
{
    return ApplyLabelSpec(new QLabel(parent), spec);
}

void KeepClearOf(QLabel* label, const QWidget* next)
{
    const qreal room = next->x() - LabelGap - label->x();
    const QString text = label->text();
    QFont font = label->font();
    const auto width = [&font, &text] { return QFontMetricsF(font).horizontalAdvance(text); };
    if (text.isEmpty() || width() <= room)
        return;
    // Qt adds the spacing after every letter; a tenth of a pixel at a time
    // makes up for the rounding of the advances.
    qreal spacing = (room - width()) / static_cast<qreal>(text.size());
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    for (int step = 0; step < 10 && width() > room; ++step) {
        spacing -= 0.1;
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    label->setFont(font);
    label->adjustSize();
}
