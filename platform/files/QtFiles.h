#pragma once

#include "platform/FileCalls.h"
#include "platform/Files.h"

#include <memory>

namespace zornalit {

// Files on the local disk. A new content goes to a temporary file in the
// target's folder, is written whole and synced, and is then renamed over
// the target, link or not. Only when the folder allows no new file, or when
// another program holding the old file refuses the rename (Windows), but the
// target is a writable regular file is the target written over in place.
class QtFiles : public Files {
public:
    QtFiles();
    // Works through calls, which tests replace to make any step fail.
    explicit QtFiles(FileCalls& calls);
    ~QtFiles() override;

    using Files::replaceContents;
    std::unique_ptr<QIODevice> openForReading(const QString& path, QString* why) override;
    bool replaceContents(const QString& path, const ContentWriter& write, QString* why) override;
    bool remove(const QString& path, QString* why) override;

protected:
    bool replaceCopy(const QString& path, const ContentWriter& write, QString* why) override;

private:
    // How far a replacement got: NotOnDisk is a new file in place whose
    // rename could not be made lasting.
    enum class Replacement { Done, Failed, NotOnDisk };
    Replacement replaceFile(const QString& path, const ContentWriter& write, QString* why);
    int createTemporaryBeside(const QString& path, QString* temporary, FileError* error);
    // Puts the temporary file in the place of path, trying again for a
    // moment while another program holds the old file.
    bool renameOver(const QString& temporary, const QString& path, PathKind kind, FileError* error);
    // Writes path over in place; noRights is the reason told when the file
    // itself may not be written either.
    bool rewriteInPlace(const QString& path, const ContentWriter& write, const QString& noRights, QString* why);
    // Writes over path in place what the temporary file holds, when the
    // rename was refused for refusedReason.
    bool rewriteFromTemporary(
        const QString& path, const QString& temporary, const QString& refusedReason, QString* why);
    bool removeLeavingNothing(const QString& path, FileError* error);

    std::unique_ptr<FileCalls> m_ownCalls;
    FileCalls& m_calls;
};

} // namespace zornalit
