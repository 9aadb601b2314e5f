#pragma once

#include <QByteArrayList>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

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
    QStringList m_codes;
    QByteArrayList m_codeBytes;
};

inline std::optional<int> StepCodes::positionOfBytes(QByteArrayView bytes) const
{
    // Position p is written as p in hexadecimal: read the number back, then
    // check that the table writes it with exactly these bytes.
    if (bytes.isEmpty() || bytes.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : bytes) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : (c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    if (value >= count)
        return std::nullopt;
    // Both bytes, or the one, must be the table's: "05" is no code.
    const QByteArray& code = m_codeBytes[value];
    if (code.size() != bytes.size() || code.back() != bytes.back() || code.front() != bytes.front())
        return std::nullopt;
    return value;
}

} // namespace zornalit
