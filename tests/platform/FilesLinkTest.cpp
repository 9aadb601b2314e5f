#include "platform/SoundFileBudget.h"
#include "platform/files/QtFiles.h"

#include "support/FileLinks.h"
#include "support/ScratchFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::ScratchFolder;

const QByteArray outsideBytes("a file outside the program folder\n");
const QByteArray sound("RIFF\x24\x00\x00\x00WAVEfmt ", 16);

// A program folder whose report or sound copy is a link to a file elsewhere,
// or to nothing at all.
class QtFilesLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testing::symbolicLinksWork(m_program.path()))
            GTEST_SKIP() << testing::noSymbolicLinks;
        ASSERT_TRUE(m_outside.write(QStringLiteral("secret.txt"), outsideBytes));
        ASSERT_TRUE(m_program.write(QStringLiteral("statsa.dll"), sound));
        ASSERT_TRUE(m_program.write(QStringLiteral("noven.dll"), sound + "second"));
    }

    QString outside(const QString& name) const { return m_outside.path(name); }

    void link(const QString& name, const QString& target) const
    {
        ASSERT_TRUE(testing::makeSymbolicLink(target, m_program.path(name)));
    }

    // The entry at name is now a regular file of its own with these bytes.
    void expectPlainFile(const QString& name, const QByteArray& bytes) const
    {
        const QFileInfo info(m_program.path(name));
        EXPECT_FALSE(info.isSymLink()) << name;
        EXPECT_EQ(m_program.read(name), bytes) << name;
    }

    ScratchFolder m_outside;
    ScratchFolder m_program;
    QtFiles m_files;
    QString m_why;
};

TEST_F(QtFilesLinks, TheReportReplacesALinkAndLeavesItsTargetAlone)
{
    link(QStringLiteral("SegmInfo.txt"), outside(QStringLiteral("secret.txt")));
    ASSERT_TRUE(m_files.replaceContents(m_program.path(QStringLiteral("SegmInfo.txt")), "report\r\n", &m_why)) << m_why;
    expectPlainFile(QStringLiteral("SegmInfo.txt"), "report\r\n");
    EXPECT_EQ(m_outside.read(QStringLiteral("secret.txt")), outsideBytes);
}

TEST_F(QtFilesLinks, ADanglingLinkNeverGetsItsTargetCreated)
{
    link(QStringLiteral("SegmInfo.txt"), outside(QStringLiteral("planted.txt")));
    ASSERT_TRUE(m_files.replaceContents(m_program.path(QStringLiteral("SegmInfo.txt")), "report\r\n", &m_why)) << m_why;
    expectPlainFile(QStringLiteral("SegmInfo.txt"), "report\r\n");
    EXPECT_FALSE(QFileInfo::exists(outside(QStringLiteral("planted.txt"))));
    EXPECT_EQ(m_outside.entries(), QStringList{QStringLiteral("secret.txt")});
}

TEST_F(QtFilesLinks, SoundCopiesReplaceLinksAndRemovingThemLeavesTheTargets)
{
    link(QStringLiteral("Ostatsa.wav"), outside(QStringLiteral("secret.txt")));
    link(QStringLiteral("Mgnoven.wav"), outside(QStringLiteral("planted.wav")));
    const struct {
        const char* stored;
        const char* copy;
    } copies[] = {{"statsa.dll", "Ostatsa.wav"}, {"noven.dll", "Mgnoven.wav"}};

    for (const auto& pair : copies) {
        const QString copy = QString::fromLatin1(pair.copy);
        ASSERT_TRUE(m_files.copyReplacing(
            m_program.path(QString::fromLatin1(pair.stored)), m_program.path(copy), soundFileSizeProblem, &m_why))
            << m_why;
        expectPlainFile(copy, m_program.read(QString::fromLatin1(pair.stored)));
    }
    for (const auto& pair : copies)
        EXPECT_TRUE(m_files.remove(m_program.path(QString::fromLatin1(pair.copy)), &m_why)) << m_why;

    EXPECT_EQ(m_outside.entries(), QStringList{QStringLiteral("secret.txt")});
    EXPECT_EQ(m_outside.read(QStringLiteral("secret.txt")), outsideBytes);
    EXPECT_EQ(m_program.entries(), (QStringList{QStringLiteral("noven.dll"), QStringLiteral("statsa.dll")}));
}

// In a folder that takes new files, a hard link at the report's or a copy's
// name is replaced by the new file; the other name keeps its bytes.
TEST_F(QtFilesLinks, AHardLinkIsReplacedAndItsOtherNameKeepsItsBytes)
{
    for (const char* name : {"SegmInfo.txt", "Ostatsa.wav"})
        ASSERT_TRUE(testing::makeHardLink(outside(QStringLiteral("secret.txt")), m_program.path(QLatin1String(name))));

    ASSERT_TRUE(m_files.replaceContents(m_program.path(QStringLiteral("SegmInfo.txt")), "report\r\n", &m_why)) << m_why;
    ASSERT_TRUE(m_files.copyReplacing(m_program.path(QStringLiteral("statsa.dll")),
        m_program.path(QStringLiteral("Ostatsa.wav")), soundFileSizeProblem, &m_why))
        << m_why;

    expectPlainFile(QStringLiteral("SegmInfo.txt"), "report\r\n");
    expectPlainFile(QStringLiteral("Ostatsa.wav"), sound);
    EXPECT_EQ(m_outside.read(QStringLiteral("secret.txt")), outsideBytes);
}

TEST_F(QtFilesLinks, RemovingALinkRemovesTheLinkOnly)
{
    link(QStringLiteral("Ostatsa.wav"), outside(QStringLiteral("secret.txt")));
    link(QStringLiteral("Mgnoven.wav"), outside(QStringLiteral("nothing.wav")));
    EXPECT_TRUE(m_files.remove(m_program.path(QStringLiteral("Ostatsa.wav")), &m_why)) << m_why;
    EXPECT_TRUE(m_files.remove(m_program.path(QStringLiteral("Mgnoven.wav")), &m_why)) << m_why;
    EXPECT_EQ(m_outside.read(QStringLiteral("secret.txt")), outsideBytes);
    EXPECT_EQ(m_program.entries(), (QStringList{QStringLiteral("noven.dll"), QStringLiteral("statsa.dll")}));
}

} // namespace
} // namespace zornalit
