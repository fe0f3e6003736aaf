// The labels of the game's windows, all made the same way from a short
// description: name, text, place and size, font, colour, alignment.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <Qt>

#include <optional>

class QLabel;
class QWidget;

struct TLabelLayout {
    QString Name {};
    QString Text {};
    QPoint At {};
    QSize Size {};                   // an invalid size: the label is sized to its text
    std::optional<QFont> Font {};    // the parent's when not given
    std::optional<QColor> Colour {}; // the palette's text colour when not given
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignTop;
    bool WordWrap = false;
};

// Gives `label` (a QLabel or a subclass) what `layout` describes.
QLabel* ApplyLabelLayout(QLabel* label, const TLabelLayout& layout);

// A new label on `parent` as `layout` describes it.
QLabel* MakeLabel(QWidget* parent, const TLabelLayout& layout);
