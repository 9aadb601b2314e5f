// The Windows half of the system file calls, on a real disk: what only the
// Win32 calls decide (sharing, link counts, write times, reparse points).
// Built for Windows only; the POSIX half has its own tests beside this one.
#include "platform/files/QtFiles.h"
#include "platform/files/SystemFileCalls.h"

#include "support/FileLinks.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#ifdef Q_OS_WIN

#include <windows.h>

namespace zornalit {
namespace {

using testing::ScratchFolder;

const wchar_t* wide(const QString& path)
{
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

// A handle of another program on the file: it reads and writes, but lets
// no one delete or rename the file meanwhile.
HANDLE holdWithoutDeleteSharing(const QString& path)
{
    return ::CreateFileW(wide(path), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A handle of another program that shares the file with no one.
HANDLE holdAlone(const QString& path)
{
    return ::CreateFileW(
        wide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool markReadOnly(const QString& path)
{
    return ::SetFileAttributesW(wide(path), FILE_ATTRIBUTE_READONLY);
}

bool isReadOnly(const QString& path)
{
    const DWORD attributes = ::GetFileAttributesW(wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Wine follows a symbolic link even when asked to open the link itself.
bool underWine()
{
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

// Sets the file's last write back by seconds, as if left there long ago.
void age(const QString& path, int seconds)
{
    const HANDLE file = ::CreateFileW(wide(path), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    ticks.QuadPart -= ULONGLONG(seconds) * 10'000'000ULL;
    const FILETIME then{ticks.LowPart, ticks.HighPart};
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &then));
    ::CloseHandle(file);
}

class WindowsFileCalls : public ::testing::Test {
protected:
    ScratchFolder m_folder;
    SystemFileCalls m_calls;
    FileError m_error;
};

TEST_F(WindowsFileCalls, ARewriteInPlaceRefusesAFileWithASecondName)
{
    ScratchFolder outside;
    ASSERT_TRUE(outside.write(QStringLiteral("target.txt"), "elsewhere"));
    const QString report = m_folder.path(QStringLiteral("SegmInfo.txt"));
    if (!testing::makeHardLink(outside.path(QStringLiteral("target.txt")), report))
        GTEST_SKIP() << "this file system makes no hard links";

    EXPECT_LT(m_calls.openForRewrite(report, &m_error), 0);
    EXPECT_EQ(m_error.kind, FileError::Kind::HardLinked);
    EXPECT_EQ(outside.read(QStringLiteral("target.txt")), QByteArray("elsewhere"));

    ASSERT_TRUE(m_folder.write(QStringLiteral("alone.txt"), "alone"));
    const int handle = m_calls.openForRewrite(m_folder.path(QStringLiteral("alone.txt")), &m_error);
    EXPECT_GE(handle, 0);
    EXPECT_TRUE(handle < 0 || m_calls.close(handle, &m_error));
}

// The rename replaces the old file in one step, and fails, leaving it, while
// another program holds the old one without delete sharing.
TEST_F(WindowsFileCalls, TheRenameReplacesTheOldFileUnlessItIsHeld)
{
    const QString report = m_folder.path(QStringLiteral("SegmInfo.txt"));
    const QString temporary = m_folder.path(QStringLiteral("SegmInfo.txt.00abcd.tmp"));
    ASSERT_TRUE(m_folder.write(QStringLiteral("SegmInfo.txt"), "old"));
    const int handle = m_calls.createNew(temporary, &m_error);
    ASSERT_GE(handle, 0);
    EXPECT_LT(m_calls.createNew(temporary, &m_error), 0);
    EXPECT_EQ(m_error.kind, FileError::Kind::AlreadyExists);
    ASSERT_TRUE(m_calls.write(handle, "new", 3, &m_error));
    ASSERT_TRUE(m_calls.sync(handle, &m_error));
    ASSERT_TRUE(m_calls.close(handle, &m_error));

    const HANDLE held = holdWithoutDeleteSharing(report);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(m_calls.rename(temporary, report, &m_error));
    EXPECT_EQ(m_error.kind, FileError::Kind::NoPermission);
    EXPECT_TRUE(m_calls.renamesRefusedWhileHeld());
    ::CloseHandle(held);
    EXPECT_EQ(m_folder.read(QStringLiteral("SegmInfo.txt")), QByteArray("old"));

    EXPECT_TRUE(m_calls.rename(temporary, report, &m_error));
    EXPECT_TRUE(m_calls.syncFolder(m_folder.path(), &m_error));
    EXPECT_EQ(m_folder.read(QStringLiteral("SegmInfo.txt")), QByteArray("new"));
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("SegmInfo.txt")});
}

// A leftover goes only when no one has it open and it has not been written
// for the time asked, and never less than the moment between a writer's
// close and its rename.
TEST_F(WindowsFileCalls, ALeftoverGoesOnlyWhenNoOneHoldsItAndItIsQuiet)
{
    const QString name = QStringLiteral("SegmInfo.txt.0f0f0f.tmp");
    const QString leftover = m_folder.path(name);
    ASSERT_TRUE(m_folder.write(name, "left"));
    EXPECT_FALSE(m_calls.removeUnused(leftover, 0, &m_error));
    age(leftover, 3600);

    const HANDLE held = holdWithoutDeleteSharing(leftover);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(m_calls.removeUnused(leftover, 0, &m_error));
    ::CloseHandle(held);
    EXPECT_FALSE(m_calls.removeUnused(leftover, 2 * 3600, &m_error));
    EXPECT_EQ(m_folder.entries(), QStringList{name});

    EXPECT_TRUE(m_calls.removeUnused(leftover, 600, &m_error));
    EXPECT_TRUE(m_folder.entries().isEmpty());
}

// What a link at a leftover's name points to always stays. Windows opens
// the link itself, which goes; Wine follows it whatever it is asked, and
// the handle, named for the target, is left alone, link and all.
TEST_F(WindowsFileCalls, ALinkAtALeftoversNameGoesAndItsTargetStays)
{
    ScratchFolder outside;
    ASSERT_TRUE(outside.write(QStringLiteral("secret.txt"), "outside"));
    age(outside.path(QStringLiteral("secret.txt")), 3600);
    const QString link = m_folder.path(QStringLiteral("Ostatsa.wav"));
    if (!testing::makeSymbolicLink(outside.path(QStringLiteral("secret.txt")), link))
        GTEST_SKIP() << testing::noSymbolicLinks;

    // Nor does the target lose a read-only mark through the link.
    ASSERT_TRUE(markReadOnly(outside.path(QStringLiteral("secret.txt"))));
    EXPECT_TRUE(m_calls.clearReadOnly(link, &m_error));
    EXPECT_TRUE(isReadOnly(outside.path(QStringLiteral("secret.txt"))));

    const bool removed = m_calls.removeUnused(link, 600, &m_error);
    EXPECT_EQ(outside.read(QStringLiteral("secret.txt")), QByteArray("outside"));
    EXPECT_EQ(outside.entries(), QStringList{QStringLiteral("secret.txt")});
    EXPECT_EQ(removed, !underWine());
    EXPECT_EQ(m_folder.entries().isEmpty(), !underWine());
    ::SetFileAttributesW(wide(outside.path(QStringLiteral("secret.txt"))), FILE_ATTRIBUTE_NORMAL);
}

// A file another program holds without sharing is told as in use, not as
// one the program has no rights to, whichever call meets it.
TEST_F(WindowsFileCalls, AFileHeldWithoutSharingIsInUseOnEveryPath)
{
    const QString report = m_folder.path(QStringLiteral("SegmInfo.txt"));
    ASSERT_TRUE(m_folder.write(QStringLiteral("SegmInfo.txt"), "old"));
    const HANDLE held = holdAlone(report);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_LT(m_calls.openForReading(report, &m_error), 0);
    EXPECT_EQ(m_error.kind, FileError::Kind::Busy) << m_error.number;
    m_error = {};
    EXPECT_LT(m_calls.openForRewrite(report, &m_error), 0);
    EXPECT_EQ(m_error.kind, FileError::Kind::Busy) << m_error.number;
    m_error = {};
    EXPECT_FALSE(m_calls.remove(report, &m_error));
    EXPECT_EQ(m_error.kind, FileError::Kind::Busy) << m_error.number;

    QtFiles files;
    QString why;
    EXPECT_FALSE(files.replaceContents(report, QByteArray("new"), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("файл занят другой программой"))) << why;
    EXPECT_FALSE(why.contains(QStringLiteral("нет прав"))) << why;
    ::CloseHandle(held);
    EXPECT_EQ(m_folder.read(QStringLiteral("SegmInfo.txt")), QByteArray("old"));
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("SegmInfo.txt")});
}

// A viewer or a scanner holding the report (sharing reading and writing,
// not its removal) refuses the rename; the report is written in place.
TEST_F(WindowsFileCalls, AReportHeldByAViewerIsStillWritten)
{
    const QString report = m_folder.path(QStringLiteral("SegmInfo.txt"));
    ASSERT_TRUE(m_folder.write(QStringLiteral("SegmInfo.txt"), "an old report, longer than the new one"));
    const HANDLE held = holdWithoutDeleteSharing(report);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    QtFiles files;
    QString why;
    EXPECT_TRUE(files.replaceContents(report, QByteArray("new report"), &why)) << why;
    ::CloseHandle(held);
    EXPECT_EQ(m_folder.read(QStringLiteral("SegmInfo.txt")), QByteArray("new report"));
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("SegmInfo.txt")});
}

// Someone marked the program's copies read-only: they are still replaced,
// removed, and cleaned away.
TEST_F(WindowsFileCalls, ReadOnlyCopiesAreReplacedRemovedAndCleaned)
{
    ASSERT_TRUE(m_folder.write(QStringLiteral("statsa.dll"), "RIFF the sound"));
    ASSERT_TRUE(m_folder.write(QStringLiteral("Ostatsa.wav"), "RIFF an old copy"));
    ASSERT_TRUE(markReadOnly(m_folder.path(QStringLiteral("Ostatsa.wav"))));
    QtFiles files;
    QString why;
    EXPECT_TRUE(files.copyReplacing(
        m_folder.path(QStringLiteral("statsa.dll")), m_folder.path(QStringLiteral("Ostatsa.wav")),
        [](qint64) { return QString(); }, &why))
        << why;
    EXPECT_EQ(m_folder.read(QStringLiteral("Ostatsa.wav")), QByteArray("RIFF the sound"));

    ASSERT_TRUE(markReadOnly(m_folder.path(QStringLiteral("Ostatsa.wav"))));
    EXPECT_TRUE(files.remove(m_folder.path(QStringLiteral("Ostatsa.wav")), &why)) << why;

    ASSERT_TRUE(m_folder.write(QStringLiteral("Mgnoven.wav"), "RIFF left behind"));
    age(m_folder.path(QStringLiteral("Mgnoven.wav")), 3600);
    ASSERT_TRUE(markReadOnly(m_folder.path(QStringLiteral("Mgnoven.wav"))));
    EXPECT_TRUE(m_calls.removeUnused(m_folder.path(QStringLiteral("Mgnoven.wav")), 600, &m_error));
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("statsa.dll")});
}

TEST_F(WindowsFileCalls, AFolderAtALeftoversNameStays)
{
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("Mgnoven.wav")));
    age(m_folder.path(QStringLiteral("Mgnoven.wav")), 3600);
    EXPECT_FALSE(m_calls.removeUnused(m_folder.path(QStringLiteral("Mgnoven.wav")), 600, &m_error));
    EXPECT_EQ(m_folder.entries(), QStringList{QStringLiteral("Mgnoven.wav")});
}

} // namespace
} // namespace zornalit

#endif
