#include "LabelFit.h"

#include <QFontMetricsF>
#include <QLabel>

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

namespace {

// Where a word of the heading ends without extra spacing, and how far one
// pixel more between letters and between words moves that end; measured,
// since Qt spaces each letter but each run of blanks only once.
struct WordEnd {
    qreal At = 0;
    qreal PerLetterPixel = 0;
    qreal PerBlankPixel = 0;
};

WordEnd EndOf(const QLabel* heading, const QString& word)
{
    const QString text = heading->text();
    const QString upToWord = text.left(text.indexOf(word) + word.size());
    const auto advance = [&upToWord, heading](qreal letters, qreal blanks) {
        QFont font = heading->font();
        font.setLetterSpacing(QFont::AbsoluteSpacing, letters);
        font.setWordSpacing(blanks);
        return QFontMetricsF(font).horizontalAdvance(upToWord);
    };
    const qreal plain = advance(0, 0);
    // The spacing after the word's last letter moves its advance, not its ink.
    return {heading->x() + heading->contentsRect().x() + plain, advance(1, 0) - plain - 1, advance(0, 1) - plain};
}

} // namespace

void AlignHeadingOver(QLabel* heading, const THeadingColumn& first, const THeadingColumn& second)
{
    // Two ends, two unknowns: solve for the spacing of letters and blanks.
    const WordEnd a = EndOf(heading, first.Word), b = EndOf(heading, second.Word);
    const qreal det = a.PerLetterPixel * b.PerBlankPixel - b.PerLetterPixel * a.PerBlankPixel;
    if (det == 0)
        return;
    const qreal needA = first.RightEdge - a.At, needB = second.RightEdge - b.At;
    const qreal letters = (needA * b.PerBlankPixel - needB * a.PerBlankPixel) / det;
    const qreal blanks = (a.PerLetterPixel * needB - b.PerLetterPixel * needA) / det;
    QFont font = heading->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, letters);
    font.setWordSpacing(blanks);
    heading->setFont(font);
}
