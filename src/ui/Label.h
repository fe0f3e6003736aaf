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

struct TLabelSpec {
    QString Name {};
    QString Text {};
    QPoint At {};
    QSize Size {};                   // an invalid size: the label is sized to its text
    std::optional<QFont> Font {};    // the parent's when not given
    std::optional<QColor> Colour {}; // the palette's text colour when not given
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignTop;
    bool WordWrap = false;
};

// Gives `label` (a QLabel or a subclass) what `spec` describes.
QLabel* ApplyLabelSpec(QLabel* label, const TLabelSpec& spec);

// A new label on `parent` as `spec` describes it.
QLabel* MakeLabel(QWidget* parent, const TLabelSpec& spec);

// Room left between a label and the next one on its line.
inline constexpr int LabelGap = 3;

// Sets the letters of `label`, a label sized to its text, just close enough
// that it ends at least LabelGap pixels before `next`. The stand-in fonts
// are a little wider than the faces the windows were laid out with, and a
// caption must not run into the text it introduces.
void KeepClearOf(QLabel* label, const QWidget* next);

// A word of a heading and the x (in the heading's parent) where the column
// below it ends.
struct THeadingColumn {
    QString Word;
    int RightEdge;
};

// Sets the spacing of `heading`'s letters and blanks so that the two words
// end where their columns end; the text itself stays as it is. A heading
// laid out with blanks for one face would otherwise drift off its columns
// in the stand-in font.
void AlignHeadingOver(QLabel* heading, const THeadingColumn& first, const THeadingColumn& second);
