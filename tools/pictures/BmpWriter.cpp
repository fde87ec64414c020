#include "tools/pictures/BmpWriter.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <array>
#include <cstdint>

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 3780; // 96 dpi

template <typename T>
void put(QByteArray& out, T value)
{
    std::array<char, sizeof(T)> le{};
    qToLittleEndian(value, le.data());
    out.append(le.data(), le.size());
}

} // namespace

QByteArray TBmpWriter::encode(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::uint32_t>(rgb.width());
    const auto height = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t rowSize = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowSize * height;
    const std::uint32_t offset = FileHeaderSize + InfoHeaderSize;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset + pixelBytes));
    out.append("BM", 2);
    put<std::uint32_t>(out, offset + pixelBytes);
    put<std::uint16_t>(out, 0);
    put<std::uint16_t>(out, 0);
    put<std::uint32_t>(out, offset);

    put<std::uint32_t>(out, InfoHeaderSize);
    put<std::int32_t>(out, static_cast<std::int32_t>(width));
    put<std::int32_t>(out, static_cast<std::int32_t>(height)); // positive: bottom-up
    put<std::uint16_t>(out, 1);
    put<std::uint16_t>(out, 24);
    put<std::uint32_t>(out, 0); // BI_RGB
    put<std::uint32_t>(out, pixelBytes);
    put<std::int32_t>(out, PixelsPerMetre);
    put<std::int32_t>(out, PixelsPerMetre);
    put<std::uint32_t>(out, 0);
    put<std::uint32_t>(out, 0);

    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        for (std::uint32_t pad = width * 3; pad < rowSize; ++pad) {
            out.append('\0');
        }
    }
    return out;
}

bool TBmpWriter::write(const QImage& image, const QString& fileName)
{
    FError.clear();
    if (image.isNull()) {
        FError = QStringLiteral("no image to encode");
        return false;
    }
    const QByteArray bytes = encode(image);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        FError = file.errorString();
        return false;
    }
    return true;
}
