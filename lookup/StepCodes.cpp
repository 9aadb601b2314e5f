#include "StepCodes.h"

namespace zornalit {

StepCodes::StepCodes()
{
    for (int position = 0; position < count; ++position)
        m_codes << QString::number(position, 16).toUpper();
    for (const QString& code : m_codes)
        m_codeBytes << code.toLatin1();
}

std::optional<int> StepCodes::positionOf(const QString& text) const
{
    const qsizetype position = m_codes.indexOf(text);
    if (position < 0)
        return std::nullopt;
    return static_cast<int>(position);
}

} // namespace zornalit
