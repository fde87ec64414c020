#include "tools/pictures/ExifBlock.h"

#include <QtEndian>

#include <array>
#include <cstdint>

namespace {

enum TTiffType : std::uint16_t
{
    ttAscii = 2,
    ttShort = 3,
    ttRational = 5
};

constexpr std::uint32_t TiffHeaderSize = 8;
constexpr std::uint32_t IfdEntrySize = 12;
constexpr std::uint16_t IfdEntryCount = 6;
constexpr std::uint32_t IfdSize = 2 + IfdEntryCount * IfdEntrySize + 4;

void put16(QByteArray& out, std::uint16_t value)
{
    std::array<char, 2> le{};
    qToLittleEndian(value, le.data());
    out.append(le.data(), le.size());
}

void put32(QByteArray& out, std::uint32_t value)
{
    std::array<char, 4> le{};
    qToLittleEndian(value, le.data());
    out.append(le.data(), le.size());
}

// TIFF offsets must be even, so every out-of-line value starts on a word boundary.
void padToWord(QByteArray& data)
{
    if (data.size() % 2 != 0) {
        data.append('\0');
    }
}

} // namespace

TExifBlock::TExifBlock(const QString& description, const QString& make)
    : FDescription(description.toLatin1()), FMake(make.toLatin1())
{
}

QByteArray TExifBlock::bytes() const
{
    // Out-of-line values follow IFD0; offsets count from the start of the TIFF header.
    constexpr std::uint32_t dataStart = TiffHeaderSize + IfdSize;
    QByteArray data;
    const auto appendAscii = [&data](const QByteArray& text) {
        const std::uint32_t offset = dataStart + static_cast<std::uint32_t>(data.size());
        data.append(text);
        data.append('\0');
        padToWord(data);
        return offset;
    };
    const auto appendRational = [&data](std::uint32_t num, std::uint32_t den) {
        const std::uint32_t offset = dataStart + static_cast<std::uint32_t>(data.size());
        put32(data, num);
        put32(data, den);
        return offset;
    };
    const std::uint32_t descriptionOffset = appendAscii(FDescription);
    const std::uint32_t makeOffset = appendAscii(FMake);
    const std::uint32_t xResolutionOffset = appendRational(72, 1);
    const std::uint32_t yResolutionOffset = appendRational(72, 1);

    QByteArray tiff;
    tiff.append("II", 2);
    put16(tiff, 42);
    put32(tiff, TiffHeaderSize);

    put16(tiff, IfdEntryCount);
    const auto entry = [&tiff](std::uint16_t tag, TTiffType type, std::uint32_t count,
                               std::uint32_t value) {
        put16(tiff, tag);
        put16(tiff, type);
        put32(tiff, count);
        put32(tiff, value);
    };
    // Entries in ascending tag order; a SHORT value sits left-justified in the value field.
    entry(0x010E, ttAscii, static_cast<std::uint32_t>(FDescription.size() + 1), descriptionOffset);
    entry(0x010F, ttAscii, static_cast<std::uint32_t>(FMake.size() + 1), makeOffset);
    entry(0x0112, ttShort, 1, 1);
    entry(0x011A, ttRational, 1, xResolutionOffset);
    entry(0x011B, ttRational, 1, yResolutionOffset);
    entry(0x0128, ttShort, 1, 2);
    put32(tiff, 0);
    tiff.append(data);

    QByteArray block("Exif\0\0", 6);
    block.append(tiff);
    return block;
}
