#pragma once

#include "platform/ProgramFolder.h"

namespace zornalit {

// The folder of the running executable, found once when the program starts
// (findExecutableFolder) and handed in.
class QtProgramFolder : public ProgramFolder {
public:
    explicit QtProgramFolder(const QString& folder);
    QString path() const override;

    // The folder as the desktop writes it: native separators and no
    // trailing separator, except for a drive or file-system root.
    static QString nativeFolder(const QString& folder);

private:
    QString m_path;
};

} // namespace zornalit
