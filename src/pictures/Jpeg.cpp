#include "Jpeg.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

static_assert(std::endian::native == std::endian::little, "a 32-bit picture holds blue, green, red, alpha in memory");

namespace {

// libjpeg reports fatal errors through error_exit; it must not return, so
// it jumps back into DecodeJpeg with the library's message.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
    bool Warned;
};

void ExitWithMessage(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Escape, 1);
}

// A warning (level -1) means corrupt data that libjpeg papered over; the
// picture is then not the one that was compiled in.
void NoteWarning(j_common_ptr info, int level)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && !errors->Warned) {
        errors->Warned = true;
        (*info->err->format_message)(info, errors->Message);
    }
}

} // namespace

JpegPicture DecodeJpeg(const QByteArray& data)
{
    JpegPicture result;
    if (data.isEmpty()) {
        result.Error = QStringLiteral("keine Bilddaten");
        return result;
    }

    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ExitWithMessage;
    errors.Base.emit_message = NoteWarning;
    // Only objects made before setjmp are touched after a jump back, and
    // through a volatile pointer, so no register holds a stale copy.
    QImage* volatile picture = &result.Picture;

    if (setjmp(errors.Escape) != 0) {
        jpeg_destroy_decompress(&info);
        *picture = QImage();
        result.Error = QString::fromLocal8Bit(errors.Message);
        return result;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // Straight into the picture's own lines: blue, green, red, then an
    // opaque fourth byte, which is what a 32-bit picture holds in memory.
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);

    *picture = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW line = picture->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &line, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (errors.Warned) {
        result.Picture = QImage();
        result.Error = QString::fromLocal8Bit(errors.Message);
    }
    return result;
}
