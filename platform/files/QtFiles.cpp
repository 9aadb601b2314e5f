#include "QtFiles.h"

#include "platform/FileErrorText.h"
#include "HandleDevice.h"
#include "RegularFileReading.h"
#include "SystemFileCalls.h"
#include "TemporaryName.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace zornalit {

namespace {

QString openFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось открыть файл %1: %2").arg(quotedPath(path), reason);
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// Why no new file could be made beside path.
QString creationReason(const QString& path, const FileError& error)
{
    switch (error.kind) {
    case FileError::Kind::NotFound:
        return QStringLiteral("папка %1 не существует").arg(quotedPath(folderOf(path)));
    case FileError::Kind::NoPermission:
        return QStringLiteral("нет прав на запись в папку %1").arg(quotedPath(folderOf(path)));
    default:
        return fileErrorReason(error);
    }
}

// The reason a writer gave, or the device's when the device failed under it.
QString writeFailureOf(const QString& path, const HandleDevice& out, const QString& writerReason)
{
    if (out.failed() || writerReason.isEmpty())
        return writeFailure(path, out.failed() ? fileErrorReason(out.error()) : QStringLiteral("запись прервана"));
    return writerReason;
}

// Finishes a new content: everything written out, on the disk, and closed.
bool completeWrite(HandleDevice& out, const Files::ContentWriter& write, QString* writerReason)
{
    return write(out, writerReason) && out.syncToDisk() && out.finish();
}

} // namespace

QtFiles::QtFiles()
    : m_ownCalls(std::make_unique<SystemFileCalls>())
    , m_calls(*m_ownCalls)
{
}

QtFiles::QtFiles(FileCalls& calls)
    : m_calls(calls)
{
}

QtFiles::~QtFiles() = default;

std::unique_ptr<QIODevice> QtFiles::openForReading(const QString& path, QString* why)
{
    FileError error;
    std::unique_ptr<HandleDevice> device = openRegularFile(m_calls, path, &error);
    if (!device)
        fail(why, openFailure(path, fileErrorReason(error)));
    return device;
}

bool QtFiles::replaceContents(const QString& path, const ContentWriter& write, QString* why)
{
    return replaceFile(path, write, why) == Replacement::Done;
}

QtFiles::Replacement QtFiles::replaceFile(const QString& path, const ContentWriter& write, QString* why)
{
    const auto failed = [why](const QString& text) {
        fail(why, text);
        return Replacement::Failed;
    };
    const auto done = [](bool success) { return success ? Replacement::Done : Replacement::Failed; };
    const PathKind kind = m_calls.kindOf(path);
    if (kind == PathKind::Folder)
        return failed(writeFailure(path, QStringLiteral("на его месте находится папка")));
    if (kind == PathKind::Other)
        return failed(writeFailure(path, QStringLiteral("на его месте находится не обычный файл")));

    QString temporary;
    FileError error;
    const int handle = createTemporaryBeside(path, &temporary, &error);
    if (handle < 0) {
        // A folder closed to new files may still hold a report the program
        // is allowed to write; a link is never written through.
        if (kind == PathKind::Regular && error.kind == FileError::Kind::NoPermission)
            return done(rewriteInPlace(path, write, why));
        return failed(writeFailure(path, creationReason(path, error)));
    }

    HandleDevice out(m_calls, handle, QIODevice::WriteOnly);
    QString writerReason;
    if (!completeWrite(out, write, &writerReason)) {
        out.close();
        FileError ignored;
        removeLeavingNothing(temporary, &ignored);
        return failed(writeFailureOf(path, out, writerReason));
    }
    // The rename replaces whatever stands at path, a link included, in one
    // step: the old content stays whole until the new one is.
    if (!m_calls.rename(temporary, path, &error)) {
        FileError ignored;
        removeLeavingNothing(temporary, &ignored);
        return failed(writeFailure(
            path, QStringLiteral("не удалось заменить старый файл новым (%1)").arg(fileErrorReason(error))));
    }
    // Until the folder is synced, a power cut may bring the old file back
    // though the new one was shown: a replacement not on the disk is no
    // success.
    if (!m_calls.syncFolder(folderOf(path), &error)) {
        fail(why, writeFailure(path, QStringLiteral("замена не сохранена на диске (%1)").arg(fileErrorReason(error))));
        return Replacement::NotOnDisk;
    }
    return Replacement::Done;
}

int QtFiles::createTemporaryBeside(const QString& path, QString* temporary, FileError* error)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    // A name already taken, by an earlier run cut short or by another
    // instance of the program, is simply avoided.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = temporaryNameOf(target.fileName(), QRandomGenerator::global()->generate());
        *temporary = folder.filePath(name);
        const int handle = m_calls.createNew(*temporary, error);
        if (handle >= 0 || error->kind != FileError::Kind::AlreadyExists)
            return handle;
    }
    return -1;
}

bool QtFiles::rewriteInPlace(const QString& path, const ContentWriter& write, QString* why)
{
    FileError error;
    const int handle = m_calls.openForRewrite(path, &error);
    if (handle < 0) {
        if (error.kind == FileError::Kind::NoPermission) {
            return fail(why,
                writeFailure(path,
                    QStringLiteral("нет прав на запись ни в папку %1, ни в сам файл").arg(quotedPath(folderOf(path)))));
        }
        return fail(why, writeFailure(path, fileErrorReason(error)));
    }
    HandleDevice out(m_calls, handle, QIODevice::WriteOnly);
    QString writerReason;
    const bool done = write(out, &writerReason) && out.endHere() && out.syncToDisk() && out.finish();
    if (done)
        return true;
    out.close();
    if (!out.wroteAny())
        return fail(why, writeFailureOf(path, out, writerReason));
    const QString reason = out.failed() ? fileErrorReason(out.error()) : writerReason;
    return fail(why,
        QStringLiteral("Файл %1 записан не полностью, его содержимое неполное: %2")
            .arg(quotedPath(path), reason.isEmpty() ? QStringLiteral("запись прервана") : reason));
}

bool QtFiles::replaceCopy(const QString& path, const ContentWriter& write, QString* why)
{
    const Replacement replacement = replaceFile(path, write, why);
    if (replacement == Replacement::NotOnDisk) {
        FileError ignored;
        removeLeavingNothing(path, &ignored);
    }
    return replacement == Replacement::Done;
}

bool QtFiles::remove(const QString& path, QString* why)
{
    const auto failure = [&](const QString& reason) {
        return fail(why, QStringLiteral("Не удалось удалить файл %1: %2").arg(quotedPath(path), reason));
    };
    switch (m_calls.kindOf(path)) {
    case PathKind::Missing:
        return failure(fileErrorReason({FileError::Kind::NotFound, 0}));
    case PathKind::Folder:
        return failure(fileErrorReason({FileError::Kind::Folder, 0}));
    default:
        break;
    }
    FileError error;
    if (!removeLeavingNothing(path, &error))
        return failure(fileErrorReason(error));
    return true;
}

bool QtFiles::removeLeavingNothing(const QString& path, FileError* error)
{
    // A file that a player or a virus scanner has only just let go of may
    // refuse to go at the first attempt on Windows; one more try is enough.
    return m_calls.remove(path, error) || m_calls.remove(path, error);
}

} // namespace zornalit
