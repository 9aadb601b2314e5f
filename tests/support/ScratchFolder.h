#pragma once

#include <QByteArray>
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
    explicit ScratchFolder(const QString& path) : m_path(path) {}

    QString path() const { return m_path.isEmpty() ? m_dir.path() : m_path; }
    QString path(const QString& name) const { return QDir(path()).filePath(name); }

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

    // Every entry, hidden ones included, sorted by name.
    QStringList entries() const
    {
        return QDir(path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                      QDir::Name);
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace zornalit::testing
