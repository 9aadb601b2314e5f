#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>

namespace zornalit {

// Produces a new content into out, checking every write; false with a
// Russian reason in *why when it could not.
using ContentWriter = std::function<bool(QIODevice& out, QString* why)>;

// Byte-level file access. Every failure comes back as false or nullptr with
// a Russian sentence in *why that names the file, ready for a message box.
class Files {
public:
    virtual ~Files() = default;

    // Opens a regular file for sequential reading. Directories, FIFOs and
    // devices are refused without ever blocking on them.
    virtual std::unique_ptr<QIODevice> openForReading(const QString& path, QString* why) = 0;

    // Replaces the whole content of path. Either the new content is in place
    // or the old file is left exactly as it was.
    virtual bool replaceContents(const QString& path, const QByteArray& bytes, QString* why) = 0;

    // Replaces the whole content of path with what write produces, without
    // holding it in memory. Either the complete new content is in place, or
    // the old file is left exactly as it was.
    virtual bool replaceContents(const QString& path, const ContentWriter& write, QString* why) = 0;

    // Copies a whole file, replacing the target if it exists.
    virtual bool copyReplacing(const QString& from, const QString& to, QString* why) = 0;

    virtual bool remove(const QString& path, QString* why) = 0;

    virtual bool exists(const QString& path) const = 0;
};

} // namespace zornalit
