#pragma once

#include <QByteArrayList>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zornalit {

// The 32 step codes "0" … "1F" in fallback order: position p holds p as an
// upper-case hexadecimal numeral without leading zeros.
class StepCodes {
public:
    static constexpr int count = 32;

    StepCodes();

    // Exact, case-sensitive match.
    std::optional<int> positionOf(const QString& text) const;
    // The same for the Windows-1251 bytes of a database line, without
    // decoding them: every code is ASCII. Inline: it runs for every header.
    std::optional<int> positionOfBytes(QByteArrayView bytes) const;
    QString at(int position) const { return m_codes.value(position); }

private:
    // The value of each byte as an upper-case hexadecimal digit, or -1.
    static constexpr std::array<qint8, 256> hexDigits = [] {
        std::array<qint8, 256> digits{};
        for (int byte = 0; byte < 256; ++byte)
            digits[byte] = byte >= '0' && byte <= '9' ? byte - '0'
                                                      : (byte >= 'A' && byte <= 'F' ? byte - 'A' + 10 : -1);
        return digits;
    }();

    QStringList m_codes;
    QByteArrayList m_codeBytes;
};

inline std::optional<int> StepCodes::positionOfBytes(QByteArrayView bytes) const
{
    // Position p is written as p in hexadecimal: read the number back, then
    // check that the table writes it with exactly these bytes. Both bytes are
    // read alike, without a branch on the length: a database mixes codes of
    // one and two characters at random.
    if (bytes.isEmpty() || bytes.size() > 2)
        return std::nullopt;
    const int first = hexDigits[static_cast<unsigned char>(bytes.front())];
    const int last = hexDigits[static_cast<unsigned char>(bytes.back())];
    const int value = static_cast<int>(bytes.size() - 1) * 16 * first + last;
    if ((first | last) < 0 || value >= count)
        return std::nullopt;
    // Both bytes, or the one, must be the table's: "05" is no code.
    const QByteArray& code = m_codeBytes[value];
    if (code.size() != bytes.size() || code.back() != bytes.back() || code.front() != bytes.front())
        return std::nullopt;
    return value;
}

} // namespace zornalit
