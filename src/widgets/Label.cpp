#include "Label.h"

#include <QLabel>

QLabel* ApplyLabelLayout(QLabel* label, const TLabelLayout& layout)
{
    label->setObjectName(layout.Name);
    label->setText(layout.Text);
    if (layout.Font)
        label->setFont(*layout.Font);
    if (layout.Colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *layout.Colour);
        label->setPalette(palette);
    }
    label->setAlignment(layout.Alignment);
    label->setWordWrap(layout.WordWrap);
    label->move(layout.At);
    if (layout.Size.isValid())
        label->resize(layout.Size);
    else
        label->adjustSize();
    return label;
}

QLabel* MakeLabel(QWidget* parent, const TLabelLayout& layout)
{
    return ApplyLabelLayout(new QLabel(parent), layout);
}
