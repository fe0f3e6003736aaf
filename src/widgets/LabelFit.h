// Labels fitted to their neighbours: the stand-in fonts are a little wider
// than the faces the windows were laid out with, so a caption could run
// into the text it introduces and a heading drift off its columns. Only
// the spacing changes, never a text or a place.
#pragma once

#include <QString>

class QLabel;
class QWidget;

// Room left between a label and the next one on its line.
inline constexpr int LabelGap = 3;

// Sets the letters of `label`, a label sized to its text, just close enough
// that it ends at least LabelGap pixels before `next`.
void KeepClearOf(QLabel* label, const QWidget* next);

// A word of a heading and the x (in the heading's parent) where the column
// below it ends.
struct THeadingColumn {
    QString Word;
    int RightEdge;
};

// Sets the spacing of `heading`'s letters and blanks so that the two words
// end where their columns end.
void AlignHeadingOver(QLabel* heading, const THeadingColumn& first, const THeadingColumn& second);
