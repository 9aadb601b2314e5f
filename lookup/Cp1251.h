#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace zornalit {

// The Windows-1251 (Cyrillic) code page in which every text file of the
// program is written. The mapping is lossless: each of the 256 byte values
// stands for exactly one character and back. The one value the code page
// leaves undefined, 0x98, stands for U+0098, so no byte is ever lost.
namespace cp1251 {

QChar toChar(unsigned char byte);
QString decode(QByteArrayView bytes);

// The byte for a character, or nothing when the code page cannot write it.
std::optional<unsigned char> toByte(QChar character);
// Nothing when any character of text cannot be written in the code page.
std::optional<QByteArray> encode(QStringView text);

} // namespace cp1251
} // namespace zornalit
