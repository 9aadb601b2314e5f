#include "reference/Documents.h"

#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

using namespace zornalit;
using namespace zornalit::testing;

namespace {

struct Row {
    int tab;
    const char* file;
};

const Row documentRows[] = {
    {1, "TipOb.txt"},
    {2, "MicroTest.txt"},
    {3, "Obr_IT.txt"},
    {4, "BG_VVK_YVP.txt"},
    {5, "YSK.txt"},
    {8, "YTP.txt"},
};

} // namespace

TEST(DocumentTable, EachDocumentTabNamesItsFile)
{
    for (const Row& row : documentRows)
        EXPECT_EQ(documentOfTab(row.tab), QString::fromLatin1(row.file)) << row.tab;
}

TEST(DocumentTable, TabsWithoutADocumentNameNothing)
{
    for (int tab : {-1, 0, 6, 7, 9, 100})
        EXPECT_FALSE(documentOfTab(tab).has_value()) << tab;
}

TEST(OpenDocument, HandsTheFullPathToTheViewerEvenForAMissingFile)
{
    FakePlatform fake;
    fake.folder.folder = QStringLiteral("/opt/Program Folder; $HOME \"x\"");
    EXPECT_TRUE(openDocument(fake.platform(), QStringLiteral("TipOb.txt")));
    ASSERT_EQ(fake.viewer.opened.size(), 1);
    EXPECT_EQ(fake.viewer.opened.first(), fake.path(QStringLiteral("TipOb.txt")));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(OpenDocument, AnEditorThatCannotStartIsReportedWithWhatWasTried)
{
    FakePlatform fake;
    fake.viewer.failing = true;
    fake.viewer.tried = QStringLiteral("notepad.exe, gedit, xdg-open");
    EXPECT_FALSE(openDocument(fake.platform(), QStringLiteral("YSK.txt")));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    const ShownMessage& message = fake.messages.shown.first();
    EXPECT_EQ(message.style, MessageStyle::Error);
    EXPECT_EQ(message.title, QStringLiteral("Ошибка!"));
    EXPECT_TRUE(message.prompt.contains(fake.path(QStringLiteral("YSK.txt"))));
    EXPECT_TRUE(message.prompt.contains(QStringLiteral("notepad.exe, gedit, xdg-open")));
}

TEST(ReadmeButton, OpensTheReadmeOnEveryPress)
{
    FakePlatform fake;
    EXPECT_TRUE(openReadme(fake.platform()));
    EXPECT_EQ(fake.viewer.opened, QStringList{fake.path(QStringLiteral("Readme.txt"))});

    // A second press opens a second editor.
    EXPECT_TRUE(openReadme(fake.platform()));
    EXPECT_EQ(fake.viewer.opened.size(), 2);
}

TEST(ReadmeButton, SaysWhenTheEditorCannotStart)
{
    FakePlatform fake;
    fake.viewer.failing = true;
    EXPECT_FALSE(openReadme(fake.platform()));
    EXPECT_EQ(fake.messages.shown.size(), 1);
}

TEST(LinkCopy, ClearsEverythingFirstThenLeavesTheCaptionAlone)
{
    FakePlatform fake;
    fake.clipboard.holdsImage = true;
    fake.clipboard.holdsText = true;
    fake.clipboard.text = QStringLiteral("old");

    const QString address = QStringLiteral("http://www.example.org/kvant/");
    copyLink(fake.clipboard, address);
    EXPECT_FALSE(fake.clipboard.holdsImage);
    EXPECT_EQ(fake.clipboard.text, address);
    EXPECT_EQ(
        fake.journal, (QStringList{QStringLiteral("clipboard clear"), QStringLiteral("clipboard text ") + address}));

    copyLink(fake.clipboard, address);
    EXPECT_EQ(fake.clipboard.text, address);
}
