// Numbers in the score pictures are never drawn as text: they are put
// together from the digit cells of a hidden strip in the strip's own
// scratch area, then copied as one block into a field of the picture.
//
// The strip is 200 x 14: digit d in columns 12d..12d+11, the scratch area
// in columns 120..199. The field is columns 95..174 of rows row..row+13.
#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <string>

inline constexpr int DigitWidth = 12;
inline constexpr int DigitHeight = 14;
inline constexpr QRect ScratchArea {120, 0, 80, 14};
inline constexpr int FieldLeft = 95;
inline constexpr std::int32_t LargestShownNumber = 999999;

// The digits shown for `value`: values beyond the six digits of the field
// are held at its edge, 0 below and 999999 above, so that nothing is ever
// written outside the scratch area or the field.
std::string DigitsShown(std::int32_t value);

// The field of a number in the score picture whose top row is `row`.
inline constexpr QRect NumberField(int row)
{
    return {FieldLeft, row, ScratchArea.width(), ScratchArea.height()};
}

// Composes `value` in `strip`'s scratch area, right-aligned, over a copy of
// the picture's blank rectangle `blank`, then copies the scratch area into
// `picture`'s NumberField(row).
void ShowNumber(QImage& picture, QRect blank, QImage& strip, std::int32_t value, int row);
