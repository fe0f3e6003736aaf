#include "Files.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>
#include <string>

namespace {

QByteArray EncodedBytes(QImage picture, const char* format)
{
    // Fixed at 96 dpi, so the bytes do not depend on the screen this runs on.
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        throw std::runtime_error(std::string("the ") + format + " encoder refused a picture");
    return bytes;
}

} // namespace

QByteArray PngBytes(const QImage& picture)
{
    return EncodedBytes(picture, "PNG");
}

QByteArray BmpBytes(const QImage& picture)
{
    // Qt writes 32-bit pictures without alpha as 24-bit bitmaps.
    return EncodedBytes(picture.convertToFormat(QImage::Format_RGB32), "BMP");
}

namespace {

void PutLittleEndian(QByteArray& bytes, std::uint32_t value, int count)
{
    for (int n = 0; n < count; ++n)
        bytes.append(static_cast<char>((value >> (8 * n)) & 0xFFu));
}

} // namespace

QByteArray AlphaBmpBytes(const QImage& picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    constexpr std::uint32_t FileHeader = 14, V4Header = 108, BitFields = 3, DotsPerMetre = 3780;
    constexpr std::uint32_t SRgb = 0x73524742; // "sRGB"
    const auto width = static_cast<std::uint32_t>(argb.width()), height = static_cast<std::uint32_t>(argb.height());
    const std::uint32_t pixelBytes = width * height * 4;
    QByteArray bytes("BM");
    PutLittleEndian(bytes, FileHeader + V4Header + pixelBytes, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, FileHeader + V4Header, 4);
    PutLittleEndian(bytes, V4Header, 4);
    PutLittleEndian(bytes, width, 4);
    PutLittleEndian(bytes, height, 4); // positive: bottom-up
    PutLittleEndian(bytes, 1, 2);      // planes
    PutLittleEndian(bytes, 32, 2);     // bits a pixel
    PutLittleEndian(bytes, BitFields, 4);
    PutLittleEndian(bytes, pixelBytes, 4);
    PutLittleEndian(bytes, DotsPerMetre, 4);
    PutLittleEndian(bytes, DotsPerMetre, 4);
    PutLittleEndian(bytes, 0, 4); // colours used
    PutLittleEndian(bytes, 0, 4); // colours important
    for (const std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        PutLittleEndian(bytes, mask, 4);
    PutLittleEndian(bytes, SRgb, 4);
    bytes.append(V4Header - 60, '\0'); // end points and gammas, unused with sRGB
    for (int y = argb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            PutLittleEndian(bytes, row[x], 4); // blue, green, red, alpha
    }
    return bytes;
}

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back into JpegBytes with the library's message.
struct JpegErrors {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
    // The encoder's output, allocated by libjpeg, freed by us.
    unsigned char* Buffer;
    unsigned long Size;
};

void LeaveWithMessage(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Escape, 1);
}

} // namespace

QByteArray JpegBytes(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info {};
    JpegErrors errors {};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = LeaveWithMessage;
    // After a jump back only what was made before setjmp is touched, and
    // through a volatile pointer, so no register holds a stale copy.
    JpegErrors* volatile state = &errors;

    if (setjmp(errors.Escape) != 0) {
        jpeg_destroy_compress(&info);
        std::free(state->Buffer);
        throw std::runtime_error(std::string("JPEG encoder: ") + state->Message);
    }

    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &state->Buffer, &state->Size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    // Full colour resolution: the fine grain of the granite would smear
    // with the usual halved colour channels.
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(state->Buffer), static_cast<qsizetype>(state->Size));
    std::free(state->Buffer);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot make the folder " + folder.toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}
