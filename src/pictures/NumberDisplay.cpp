#include "NumberDisplay.h"

#include "Pixels.h"

#include <algorithm>

std::string DigitsShown(std::int32_t value)
{
    return std::to_string(std::clamp(value, 0, LargestShownNumber));
}

void ShowNumber(QImage& picture, QRect blank, QImage& strip, std::int32_t value, int row)
{
    const std::string digits = DigitsShown(value);
    CopyRect(strip, ScratchArea.topLeft(), picture, blank);
    int x = ScratchArea.right() + 1 - DigitWidth * static_cast<int>(digits.size());
    for (const char digit : digits) {
        CopyRect(strip, {x, 0}, strip, QRect((digit - '0') * DigitWidth, 0, DigitWidth, DigitHeight));
        x += DigitWidth;
    }
    CopyRect(picture, NumberField(row).topLeft(), strip, ScratchArea);
}
