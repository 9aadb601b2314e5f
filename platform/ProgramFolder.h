#pragma once

#include <QString>

namespace zornalit {

// The folder the running executable lies in. Every file the program touches
// is addressed as this folder, a separator and a fixed file name.
class ProgramFolder {
public:
#ifdef Q_OS_WIN
    static constexpr QChar separator = QLatin1Char('\\');
#else
    static constexpr QChar separator = QLatin1Char('/');
#endif

    virtual ~ProgramFolder() = default;

    // Without a trailing separator.
    virtual QString path() const = 0;

    QString fileNamed(const QString& name) const
    {
        return path() + separator + name;
    }
};

} // namespace zornalit
