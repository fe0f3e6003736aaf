#include "PictureFiles.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

QString AssetPath(const QString& relative)
{
    return QStringLiteral(VELORIN_ASSETS) + '/' + relative;
}

QByteArray ReadAsset(const QString& relative)
{
    QFile file(AssetPath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage LoadAsset(const QString& relative)
{
    return QImage(AssetPath(relative));
}

PngKind PngKindOf(const QByteArray& file)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (file.size() < 33 || !file.startsWith(signature) || file.mid(12, 4) != "IHDR")
        return PngKind::NotPng;
    switch (static_cast<unsigned char>(file[25])) {
    case 0:
        return PngKind::Grey;
    case 2:
        return PngKind::Rgb;
    case 3:
        return PngKind::Palette;
    case 4:
        return PngKind::GreyAlpha;
    case 6:
        return PngKind::RgbAlpha;
    default:
        return PngKind::NotPng;
    }
}

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
};

void Leave(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Escape, 1);
}

} // namespace

Jpeg DecodeJpeg(const QByteArray& file)
{
    Jpeg result;
    if (file.isEmpty()) {
        result.Error = QStringLiteral("no file");
        return result;
    }
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = Leave;
    Jpeg* volatile out = &result;
    if (setjmp(errors.Escape) != 0) {
        jpeg_destroy_decompress(&info);
        out->Error = QString::fromLocal8Bit(errors.Message);
        out->Picture = QImage();
        return result;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(file.constData()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    out->Components = info.num_components;
    out->Progressive = info.progressive_mode != 0;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out->Picture = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    JSAMPARRAY line = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, line, 1);
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            out->Picture.setPixel(int(x), y, qRgb(line[0][x * 3], line[0][x * 3 + 1], line[0][x * 3 + 2]));
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return result;
}
