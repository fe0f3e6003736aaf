#include "Indexed.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

QImage WithPalette(const QImage& picture, const QList<QRgb>& palette)
{
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const qsizetype index = palette.indexOf(picture.pixel(x, y));
            if (index < 0)
                throw std::logic_error("a pixel has a colour outside the picture's palette");
            indexed.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return indexed;
}

namespace {

using Rgb = std::array<int, 3>;

// One box of median cut: a run of the sorted colour list.
struct Box {
    std::size_t Begin, End;
};

int WidestChannel(const std::vector<Rgb>& colours, Box box, int& spread)
{
    int best = 0;
    spread = -1;
    for (int channel = 0; channel < 3; ++channel) {
        int low = 255, high = 0;
        for (std::size_t i = box.Begin; i < box.End; ++i) {
            low = std::min(low, colours[i][channel]);
            high = std::max(high, colours[i][channel]);
        }
        if (high - low > spread) {
            spread = high - low;
            best = channel;
        }
    }
    return best;
}

} // namespace

QImage Reduced(const QImage& picture, int colours)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<Rgb> opaque;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) >= 128)
                opaque.push_back({qRed(pixel), qGreen(pixel), qBlue(pixel)});
        }

    // Split the box with the widest spread of any channel at its median,
    // until there are as many boxes as opaque colours allowed.
    std::vector<Box> boxes;
    if (!opaque.empty())
        boxes.push_back({0, opaque.size()});
    while (static_cast<int>(boxes.size()) < colours - 1) {
        int widest = -1, widestSpread = 0, widestChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int spread = 0;
            const int channel = WidestChannel(opaque, boxes[i], spread);
            if (spread > widestSpread) {
                widest = static_cast<int>(i);
                widestSpread = spread;
                widestChannel = channel;
            }
        }
        if (widest < 0)
            break; // every box holds a single colour
        Box& box = boxes[widest];
        const auto begin = opaque.begin() + static_cast<std::ptrdiff_t>(box.Begin);
        const auto end = opaque.begin() + static_cast<std::ptrdiff_t>(box.End);
        std::sort(begin, end, [widestChannel](const Rgb& a, const Rgb& b) {
            return a[widestChannel] != b[widestChannel] ? a[widestChannel] < b[widestChannel] : a < b;
        });
        // Cut between two different values so both halves are non-empty.
        std::size_t cut = box.Begin + (box.End - box.Begin) / 2;
        while (cut > box.Begin + 1 && opaque[cut][widestChannel] == opaque[cut - 1][widestChannel])
            --cut;
        if (opaque[cut][widestChannel] == opaque[cut - 1][widestChannel])
            while (cut < box.End - 1 && opaque[cut][widestChannel] == opaque[cut - 1][widestChannel])
                ++cut;
        const Box upper {cut, box.End};
        box.End = cut;
        boxes.push_back(upper);
    }

    QList<QRgb> palette {qRgba(0, 0, 0, 0)};
    for (const Box& box : boxes) {
        long sum[3] = {0, 0, 0};
        for (std::size_t i = box.Begin; i < box.End; ++i)
            for (int c = 0; c < 3; ++c)
                sum[c] += opaque[i][c];
        const long n = static_cast<long>(box.End - box.Begin);
        palette << qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n));
    }

    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            int best = 0;
            if (qAlpha(pixel) >= 128) {
                long bestDistance = -1;
                for (int i = 1; i < palette.size(); ++i) {
                    const long dr = qRed(pixel) - qRed(palette[i]);
                    const long dg = qGreen(pixel) - qGreen(palette[i]);
                    const long db = qBlue(pixel) - qBlue(palette[i]);
                    const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (bestDistance < 0 || distance < bestDistance) {
                        bestDistance = distance;
                        best = i;
                    }
                }
            }
            indexed.setPixel(x, y, static_cast<uint>(best));
        }
    }
    return indexed;
}
