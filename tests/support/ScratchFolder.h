#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace zornalit::testing {

// A temporary folder standing in for the program folder, with plain Qt
// access to its files, apart from the code under test.
class ScratchFolder {
public:
    ScratchFolder() = default;
    explicit ScratchFolder(const QString& path)
        : m_path(path)
    {
    }

    // Written as the system writes paths, as the program names its files.
    QString path() const { return QDir::toNativeSeparators(m_path.isEmpty() ? m_dir.path() : m_path); }
    QString path(const QString& name) const { return QDir::toNativeSeparators(QDir(path()).filePath(name)); }

    bool write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Sets a file's modification time back, as if it had been written that
    // many seconds ago.
    bool age(const QString& name, int seconds) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadWrite)
            && file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-seconds), QFileDevice::FileModificationTime);
    }

    // Every entry, hidden ones included, sorted by name.
    QStringList entries() const
    {
        return QDir(path()).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace zornalit::testing
