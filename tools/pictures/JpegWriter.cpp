#include "tools/pictures/JpegWriter.h"

#include <QFile>
#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg's default error handler calls exit(); this one jumps back to the encoder so the
// failure is reported and the program can return non-zero.
struct TJpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool warned;
};

void onError(j_common_ptr cinfo)
{
    auto* error = reinterpret_cast<TJpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

// A warning means the output is not what was asked for, so it counts as a failure too.
void onMessage(j_common_ptr cinfo, int level)
{
    auto* error = reinterpret_cast<TJpegError*>(cinfo->err);
    if (level < 0 && !error->warned) {
        error->warned = true;
        (*cinfo->err->format_message)(cinfo, error->message);
    }
}

// Only plain data lives in this frame: a longjmp out of libjpeg must skip no destructor.
bool compress(const unsigned char* pixels, int width, int height, int stride, int quality,
              const unsigned char* exif, unsigned int exifSize, unsigned char** output,
              unsigned long* outputSize, char* message)
{
    jpeg_compress_struct cinfo{};
    TJpegError error{};
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onError;
    error.manager.emit_message = onMessage;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", error.message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, output, outputSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1;
    cinfo.X_density = 72;
    cinfo.Y_density = 72;
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, exif, exifSize);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPROW>(pixels + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (error.warned) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", error.message);
        return false;
    }
    return true;
}

} // namespace

TJpegWriter::TJpegWriter(int quality) : FQuality(quality) {}

bool TJpegWriter::write(const QImage& image, const QByteArray& exif, const QString& fileName)
{
    FError.clear();
    if (image.isNull()) {
        FError = QStringLiteral("no image to encode");
        return false;
    }
    // A marker holds at most 65533 bytes of payload.
    if (exif.size() > 65533) {
        FError = QStringLiteral("EXIF block too large");
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray encoded;
    if (!encode(rgb, exif, encoded)) {
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size()) {
        FError = file.errorString();
        return false;
    }
    return true;
}

bool TJpegWriter::encode(const QImage& rgb, const QByteArray& exif, QByteArray& encoded)
{
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok =
        compress(rgb.constBits(), rgb.width(), rgb.height(), static_cast<int>(rgb.bytesPerLine()),
                 FQuality, reinterpret_cast<const unsigned char*>(exif.constData()),
                 static_cast<unsigned int>(exif.size()), &output, &outputSize, message);
    if (ok) {
        encoded =
            QByteArray(reinterpret_cast<const char*>(output), static_cast<qsizetype>(outputSize));
    } else {
        FError = QString::fromLocal8Bit(message);
    }
    // jpeg_mem_dest hands over a malloc'ed buffer, also after a failure.
    std::free(output);
    return ok;
}
