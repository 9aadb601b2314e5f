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
    // decoding them: every code is ASCII.
    std::optional<int> positionOfBytes(QByteArrayView bytes) const;
    QString at(int position) const { return m_codes.value(position); }

private:
    QStringList m_codes;
    QByteArrayList m_codeBytes;
};

} // namespace zornalit
