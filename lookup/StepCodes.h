#pragma once

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
    QString at(int position) const { return m_codes.value(position); }

private:
    QStringList m_codes;
};

} // namespace zornalit
