#pragma once

#include "platform/ProgramFolder.h"

namespace zornalit {

// The folder of the running executable, fixed when the program starts.
class QtProgramFolder : public ProgramFolder {
public:
    QtProgramFolder();
    QString path() const override;

    // The folder as the desktop writes it: native separators and no
    // trailing separator, except for a drive or file-system root.
    static QString nativeFolder(const QString& folder);

private:
    QString m_path;
};

} // namespace zornalit
