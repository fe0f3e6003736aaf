#include "Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

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
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    *picture = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                      QImage::Format_RGB32);
    // The line buffer comes from libjpeg's own pool, which the library
    // frees itself, also after a jump back.
    JSAMPARRAY line = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, line, 1);
        auto* out = reinterpret_cast<QRgb*>(picture->scanLine(y));
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            out[x] = qRgb(line[0][x * 3], line[0][x * 3 + 1], line[0][x * 3 + 2]);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (errors.Warned) {
        result.Picture = QImage();
        result.Error = QString::fromLocal8Bit(errors.Message);
    }
    return result;
}
