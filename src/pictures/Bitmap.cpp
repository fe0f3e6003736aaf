#include "Bitmap.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t FileHeaderBytes = 14;
constexpr std::uint32_t InfoHeaderBytes = 40; // the smallest header that we read
// Where the fields we read lie in the file.
enum Field : std::size_t {
    PixelsAtField = 10,
    HeaderBytesField = 14,
    WidthField = 18,
    HeightField = 22, // negative: rows top-down
    PlanesField = 26,
    BitsField = 28,
    CompressionField = 30,
    MasksField = FileHeaderBytes + InfoHeaderBytes, // red, green, blue, alpha
};
constexpr std::uint32_t MaskBytes = 16;
constexpr std::uint32_t Uncompressed = 0, BitFields = 3;
// The masks of a 32-bit pixel stored as the bytes blue, green, red, alpha.
constexpr std::uint32_t RedMask = 0x00FF0000u, GreenMask = 0x0000FF00u, BlueMask = 0x000000FFu, AlphaMask = 0xFF000000u;
// Larger than any picture of the game; keeps every size computation small.
constexpr std::int64_t MostPixelsASide = 4096;

class Reader {
public:
    explicit Reader(const QByteArray& file)
        : Bytes(reinterpret_cast<const unsigned char*>(file.constData())), Size(static_cast<std::size_t>(file.size()))
    {
    }
    bool Has(std::size_t at, std::size_t count) const { return at <= Size && count <= Size - at; }
    std::uint32_t U32(std::size_t at) const
    {
        return Bytes[at] | static_cast<std::uint32_t>(Bytes[at + 1]) << 8
            | static_cast<std::uint32_t>(Bytes[at + 2]) << 16 | static_cast<std::uint32_t>(Bytes[at + 3]) << 24;
    }
    std::int32_t I32(std::size_t at) const
    {
        const std::uint32_t value = U32(at);
        std::int32_t signedValue;
        std::memcpy(&signedValue, &value, sizeof value);
        return signedValue;
    }
    std::uint16_t U16(std::size_t at) const
    {
        return static_cast<std::uint16_t>(Bytes[at] | static_cast<unsigned>(Bytes[at + 1]) << 8);
    }
    const unsigned char* At(std::size_t at) const { return Bytes + at; }

private:
    const unsigned char* Bytes;
    std::size_t Size;
};

} // namespace

QImage DecodeBitmap(const QByteArray& file)
{
    const Reader in(file);
    if (!in.Has(0, FileHeaderBytes + InfoHeaderBytes) || file[0] != 'B' || file[1] != 'M')
        return {};
    const std::uint32_t pixelsAt = in.U32(PixelsAtField);
    const std::uint32_t headerBytes = in.U32(HeaderBytesField);
    const std::int64_t width = in.I32(WidthField);
    const std::int64_t storedHeight = in.I32(HeightField);
    const unsigned planes = in.U16(PlanesField), bits = in.U16(BitsField);
    const std::uint32_t compression = in.U32(CompressionField);
    const bool topDown = storedHeight < 0;
    const std::int64_t height = topDown ? -storedHeight : storedHeight;
    if (headerBytes < InfoHeaderBytes || std::uint64_t {pixelsAt} < FileHeaderBytes + std::uint64_t {headerBytes}
        || planes != 1 || width < 1 || width > MostPixelsASide || height < 1 || height > MostPixelsASide)
        return {};

    const bool plain24 = bits == 24 && compression == Uncompressed;
    // The four masks lie in a header of 56 bytes or more, after the first 40.
    const bool alpha32 = bits == 32 && compression == BitFields && headerBytes >= InfoHeaderBytes + MaskBytes
        && in.Has(MasksField, MaskBytes) && in.U32(MasksField) == RedMask && in.U32(MasksField + 4) == GreenMask
        && in.U32(MasksField + 8) == BlueMask && in.U32(MasksField + 12) == AlphaMask;
    if (!plain24 && !alpha32)
        return {};

    const std::size_t bytesPerPixel = bits / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~std::size_t {3};
    if (!in.Has(pixelsAt, stride * static_cast<std::size_t>(height)))
        return {};

    QImage picture(static_cast<int>(width), static_cast<int>(height),
                   alpha32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    for (int y = 0; y < picture.height(); ++y) {
        const std::size_t row = static_cast<std::size_t>(topDown ? y : picture.height() - 1 - y);
        const unsigned char* from = in.At(pixelsAt + row * stride);
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x, from += bytesPerPixel)
            to[x] = alpha32 ? qRgba(from[2], from[1], from[0], from[3]) : qRgb(from[2], from[1], from[0]);
    }
    return picture;
}
