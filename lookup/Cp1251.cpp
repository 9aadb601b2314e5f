#include "Cp1251.h"

#include <array>

namespace zornalit::cp1251 {

namespace {

// Characters for the bytes 0x80 to 0xBF; from 0xC0 on the code page holds
// the Cyrillic alphabet А…я in order, and below 0x80 it is ASCII.
constexpr std::array<char16_t, 64> upperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

constexpr char16_t firstCyrillic = 0x0410; // А, byte 0xC0
constexpr char16_t lastCyrillic = 0x044F;  // я, byte 0xFF

} // namespace

QChar toChar(unsigned char byte)
{
    if (byte < 0x80)
        return QChar(char16_t(byte));
    if (byte < 0xC0)
        return QChar(upperHalf[byte - 0x80]);
    return QChar(char16_t(firstCyrillic + (byte - 0xC0)));
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = toChar(static_cast<unsigned char>(byte));
    return text;
}

std::optional<unsigned char> toByte(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit < 0x80)
        return static_cast<unsigned char>(unit);
    if (unit >= firstCyrillic && unit <= lastCyrillic)
        return static_cast<unsigned char>(0xC0 + (unit - firstCyrillic));
    for (std::size_t i = 0; i < upperHalf.size(); ++i) {
        if (upperHalf[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const std::optional<unsigned char> byte = toByte(character);
        if (!byte)
            return std::nullopt;
        bytes.append(static_cast<char>(*byte));
    }
    return bytes;
}

} // namespace zornalit::cp1251
