#include "Label.h"

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
