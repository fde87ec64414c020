#include "platform/JpegDecoder.h"

#include "platform/Exceptions.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Text[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailWithMessage(j_common_ptr Info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(Info->err);
    (*Info->err->format_message)(Info, manager->Text);
    std::longjmp(manager->Jump, 1);
}

void ErrorExit(j_common_ptr Info)
{
    FailWithMessage(Info);
}

void EmitMessage(j_common_ptr Info, int Level)
{
    // Level -1 is a warning: corrupt or truncated data that would decode as grey.
    if (Level < 0)
        FailWithMessage(Info);
}

// Kept free of objects with destructors: longjmp may leave it from inside libjpeg.
bool DecodeInto(jpeg_decompress_struct& Info, ErrorManager& Errors, const QByteArray& Data,
                QImage& Image)
{
    if (setjmp(Errors.Jump))
        return false;
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, reinterpret_cast<const unsigned char*>(Data.constData()),
                 static_cast<unsigned long>(Data.size()));
    jpeg_read_header(&Info, TRUE);
    if (qint64(Info.image_width) * qint64(Info.image_height) > TJpegDecoder::MaxPixels) {
        std::snprintf(Errors.Text, sizeof Errors.Text, "JPEG image too large (%ux%u)",
                      Info.image_width, Info.image_height);
        return false;
    }
    Info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&Info);
    Image = QImage(int(Info.output_width), int(Info.output_height), QImage::Format_RGB32);
    if (Image.isNull()) {
        std::snprintf(Errors.Text, sizeof Errors.Text, "Not enough memory for the picture");
        return false;
    }
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW row = Image.scanLine(int(Info.output_scanline));
        jpeg_read_scanlines(&Info, &row, 1);
    }
    jpeg_finish_decompress(&Info);
    return true;
}

} // namespace

bool TJpegDecoder::LooksLikeJpeg(const QByteArray& Data)
{
    return Data.size() >= 3 && uchar(Data[0]) == 0xFF && uchar(Data[1]) == 0xD8 &&
           uchar(Data[2]) == 0xFF;
}

QImage TJpegDecoder::Decode(const QByteArray& Data)
{
    if (!LooksLikeJpeg(Data))
        throw EInvalidGraphic(QStringLiteral("JPEG error: not a JPEG file"));
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.emit_message = EmitMessage;
    QImage image;
    const bool decoded = DecodeInto(info, errors, Data, image);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        throw EInvalidGraphic(
            QStringLiteral("JPEG error: %1").arg(QString::fromLatin1(errors.Text)));
    return image;
}
