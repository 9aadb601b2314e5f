#pragma once

// Recording stand-ins for every platform service. Each one writes what it
// was asked to do into one shared journal, so tests can check the order of
// operations across services, and each can be told to fail.

#include "platform/Platform.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QSet>
#include <QString>
#include <QDir>
#include <QStringList>

#include <functional>

namespace zornalit::testing {

using Journal = QStringList;

// The fake program folder, written as the system writes folders.
inline const QString fakeProgramFolder = QDir::toNativeSeparators(QStringLiteral("/program"));

// A file of the fake program folder, as the program names it.
inline QString programFile(const QString& name)
{
    return fakeProgramFolder + ProgramFolder::separator + name;
}

class FakeProgramFolder : public ProgramFolder {
public:
    QString folder = fakeProgramFolder;
    QString path() const override { return folder; }
};

struct ShownMessage {
    QString prompt;
    MessageStyle style;
    QString title;
};

class FakeMessageBox : public MessageBox {
public:
    explicit FakeMessageBox(Journal& journal)
        : m_journal(journal)
    {
    }
    void show(const QString& prompt, MessageStyle style, const QString& title) override;

    QList<ShownMessage> shown;
    // Runs while the message is "on screen", before show() returns.
    std::function<void(const ShownMessage&)> whileShown;

private:
    Journal& m_journal;
};

class FakeTextViewer : public TextViewer {
public:
    explicit FakeTextViewer(Journal& journal)
        : m_journal(journal)
    {
    }
    LaunchOutcome open(const QString& path) override;

    QStringList opened;
    bool failing = false;
    QString tried = QStringLiteral("notepad.exe");

private:
    Journal& m_journal;
};

// An in-memory file system keyed by full path.
class FakeFiles : public Files {
public:
    explicit FakeFiles(Journal& journal)
        : m_journal(journal)
    {
    }

    using Files::replaceContents;
    std::unique_ptr<QIODevice> openForReading(const QString& path, QString* why) override;
    bool replaceContents(const QString& path, const ContentWriter& write, QString* why) override;
    bool remove(const QString& path, QString* why) override;
    // Whether the fake folder holds path.
    bool exists(const QString& path) const;

    QHash<QString, QByteArray> contents;
    QSet<QString> unreadable; // opening or copying from these fails
    QSet<QString> unwritable; // replacing, copying onto or removing these fails

private:
    Journal& m_journal;
};

class FakeBitmaps : public Bitmaps {
public:
    explicit FakeBitmaps(Journal& journal)
        : m_journal(journal)
    {
    }
    QImage loadUnreported(const QString& path, QString& problem) override;
    void report(const QString& path, const QString& problem) override;

    QStringList loaded;
    // The paths whose failure was told, in the order told.
    QStringList reported;
    // Images to hand out by path; any other path loads as a null image.
    QHash<QString, QImage> images;

private:
    Journal& m_journal;
};

class FakeClipboard : public Clipboard {
public:
    explicit FakeClipboard(Journal& journal)
        : m_journal(journal)
    {
    }
    void clear() override;
    void setPlainText(const QString& text) override;

    // What the clipboard holds now; a test may seed it with an image.
    bool holdsImage = false;
    bool holdsText = false;
    QString text;

private:
    Journal& m_journal;
};

class FakeSoundDevice : public SoundDevice {
public:
    // fileExists tells whether a sound file is there to be opened.
    using FileExists = std::function<bool(const QString& path)>;
    FakeSoundDevice(Journal& journal, FileExists fileExists)
        : m_journal(journal)
        , m_fileExists(std::move(fileExists))
    {
    }
    bool open(const QString& path, QString* why) override;
    bool play(QString* why) override;
    void close() override;

    // Paths that fail to open (as an undecodable file would).
    QSet<QString> undecodable;
    // Paths of the sounds queued for playing, in order.
    QStringList played;
    // Runs at every open, before the file is looked at.
    std::function<void(const QString&)> whenOpening;

private:
    Journal& m_journal;
    FileExists m_fileExists;
    QString m_open;
};

class FakePlatform {
public:
    FakePlatform();

    Platform platform();
    QString path(const QString& name) const { return folder.fileNamed(name); }

    Journal journal;
    FakeProgramFolder folder;
    FakeMessageBox messages{journal};
    FakeTextViewer viewer{journal};
    FakeFiles files{journal};
    FakeBitmaps bitmaps{journal};
    FakeClipboard clipboard{journal};
    FakeSoundDevice sound{journal, [this](const QString& path) { return files.exists(path); }};
};

} // namespace zornalit::testing
