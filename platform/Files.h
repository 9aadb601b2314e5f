#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>

namespace zornalit {

// Byte-level file access. Every failure comes back as false or nullptr with
// a Russian sentence in *why that names the file, ready for a message box.
class Files {
public:
    // Produces a new content into out, checking every write; false with a
    // Russian reason in *why when it could not.
    using ContentWriter = std::function<bool(QIODevice& out, QString* why)>;
    // What stands against a file of the given size, or nothing.
    using SizeCheck = std::function<QString(qint64 size)>;

    virtual ~Files() = default;

    // Opens a regular file for sequential reading. Directories, FIFOs and
    // devices are refused without ever blocking on them.
    virtual std::unique_ptr<QIODevice> openForReading(const QString& path, QString* why) = 0;

    // Replaces the whole content of path with what write produces. Either the
    // complete new content is in place, or the old file is left byte-identical
    // (except for the documented in-place fallback of a read-only folder).
    // A link at path is replaced itself; what it points to is never written.
    virtual bool replaceContents(const QString& path, const ContentWriter& write, QString* why) = 0;

    // The same, for content already at hand.
    bool replaceContents(const QString& path, const QByteArray& bytes, QString* why);

    // Copies a whole file, replacing the target (never writing through a
    // link at the target) if it exists. The source's size goes to sizeCheck
    // before anything is written, and the count of bytes read so far again
    // before each further piece is written, so that a source that grows
    // meanwhile is never copied past what the check allows. A refusal names
    // the source.
    bool copyReplacing(const QString& from, const QString& to, const SizeCheck& sizeCheck, QString* why);

    // Removes a file, or a link itself, never what it points to. The
    // program removes only its own files: a read-only mark does not keep one.
    virtual bool remove(const QString& path, QString* why) = 0;

protected:
    // Puts a copy in place. A copy exists only to be used at once, so a file
    // layer that can tell a copy is in place but not lasting on the disk
    // removes it rather than leave it behind; and a read-only mark on the
    // old copy does not keep it.
    virtual bool replaceCopy(const QString& path, const ContentWriter& write, QString* why)
    {
        return replaceContents(path, write, why);
    }
};

// Writes all of bytes to out; false with the device's reason otherwise.
bool writeAllTo(QIODevice& out, const QByteArray& bytes, QString* why);

// Copies what is left to read of source (read from sourcePath) to out, in
// pieces. Before each piece is written, stopAt (if given) is told how many
// bytes have been read so far, and a sentence it gives stops the copy with
// that sentence. False with a Russian sentence in *why otherwise.
bool copyAllTo(QIODevice& source, const QString& sourcePath, QIODevice& out, QString* why,
    const std::function<QString(qint64 copied)>& stopAt = {});

} // namespace zornalit
