// Reads back a number shown in a score picture by matching its 12 x 14
// glyph blocks against the cells of the digit strip, right to left from
// the field's last column. Returns -1 when the field holds anything that
// is neither a digit glyph nor plain background.
#pragma once

#include <QImage>

inline int ReadNumber(const QImage& picture, const QImage& strip, int row)
{
    const QRgb background = picture.pixel(179, 134);
    auto matches = [&](int left, int digit) {
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 12; ++x)
                if (picture.pixel(left + x, row + y) != strip.pixel(12 * digit + x, y))
                    return false;
        return true;
    };
    auto blank = [&](int left, int right) {
        for (int y = 0; y < 14; ++y)
            for (int x = left; x <= right; ++x)
                if (picture.pixel(x, row + y) != background)
                    return false;
        return true;
    };
    long value = 0;
    long scale = 1;
    int left = 163;
    int digits = 0;
    for (; left >= 95 && digits < 6; left -= 12) {
        int found = -1;
        for (int d = 0; d <= 9 && found < 0; ++d)
            if (matches(left, d))
                found = d;
        if (found < 0)
            break;
        value += found * scale;
        scale *= 10;
        ++digits;
    }
    if (digits == 0 || !blank(95, left + 11))
        return -1;
    return static_cast<int>(value);
}
