#include "lookup/FaultLookup.h"

#include "fakes/FakePlatform.h"
#include "support/DatabaseLines.h"
#include "support/TrickleDevice.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::databaseLines;
using testing::FakePlatform;
using testing::ShownMessage;
using testing::win;

const QString inputError = QStringLiteral("Ошибка!");
const QString notFound = QStringLiteral("К сожалению, описание этого типа повреждения не обнаружено");
const QString databasePath = testing::programFile("SEGM_WIN_ALL.txt");
const QString reportPath = testing::programFile("SegmInfo.txt");

const QByteArray exampleDatabase = databaseLines(QStringList{u"Неисправности АТСКЭ"_qs} + testing::exampleBlockLines());

const QByteArray exampleReport = databaseLines({
    u"СЕГМ 5.3."_qs,
    u"Обрыв шины управления"_qs,
    QString(),
    u"Проверьте платы в кассете"_qs,
});

class FaultLookup : public ::testing::Test {
protected:
    FaultLookup() { fake.files.contents.insert(databasePath, exampleDatabase); }

    QueryBoxes press(const QString& segment, const QString& step)
    {
        return runFaultLookup(fake.platform(), codes, {segment, step});
    }

    QList<ShownMessage> messages() const { return fake.messages.shown; }
    QByteArray report() const { return fake.files.contents.value(reportPath); }

    void expectOneMessage(const QString& prompt, MessageStyle style, const QString& title)
    {
        ASSERT_EQ(messages().size(), 1);
        EXPECT_EQ(messages()[0].prompt, prompt);
        EXPECT_EQ(messages()[0].style, style);
        EXPECT_EQ(messages()[0].title, title);
    }

    FakePlatform fake;
    StepCodes codes;
};

TEST_F(FaultLookup, InputErrorsStopBeforeTheDatabase)
{
    const QueryBoxes boxes = press("0a", "1g");
    EXPECT_EQ(boxes, (QueryBoxes{"A", "1G"}));
    expectOneMessage(QStringLiteral("Недопустимый номер шага"), MessageStyle::Error, inputError);
    EXPECT_FALSE(fake.journal.join('\n').contains("read")) << fake.journal.join('\n');
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
}

TEST_F(FaultLookup, AHitWritesTheReportAndOpensIt)
{
    EXPECT_EQ(press("05", "03"), (QueryBoxes{"5", "3"}));
    EXPECT_EQ(report(), exampleReport);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(fake.journal, (QStringList{"read " + databasePath, "replace " + reportPath, "viewer " + reportPath}));
}

TEST_F(FaultLookup, AFallbackHitLeavesTheStepAsked)
{
    EXPECT_EQ(press("5", "7"), (QueryBoxes{"5", "7"}));
    EXPECT_EQ(report(), exampleReport);

    EXPECT_EQ(press("12", "1b"), (QueryBoxes{"12", "1B"}));
    EXPECT_EQ(report(), databaseLines({u"СЕГМ 12.1A."_qs, u"Сбой таймера"_qs}));
    EXPECT_EQ(fake.viewer.opened, (QStringList{reportPath, reportPath}));
}

TEST_F(FaultLookup, NotFoundNamesTheQueryAndKeepsTheReport)
{
    fake.files.contents.insert(reportPath, "earlier report\r\n");
    EXPECT_EQ(press("12", "3"), (QueryBoxes{"12", "3"}));
    expectOneMessage(notFound, MessageStyle::Plain, QStringLiteral("СЕГМ 12.3."));
    EXPECT_EQ(report(), "earlier report\r\n");
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
    EXPECT_FALSE(fake.journal.join('\n').contains("replace"));

    fake.messages.shown.clear();
    EXPECT_EQ(press("7", "1f"), (QueryBoxes{"7", "1F"}));
    expectOneMessage(notFound, MessageStyle::Plain, QStringLiteral("СЕГМ 7.1F."));

    fake.messages.shown.clear();
    press("5", "0");
    expectOneMessage(notFound, MessageStyle::Plain, QStringLiteral("СЕГМ 5.0."));
}

TEST_F(FaultLookup, ALaterHitReplacesTheReportWhole)
{
    press("5", "3");
    press("12", "1A");
    EXPECT_EQ(report(), databaseLines({u"СЕГМ 12.1A."_qs, u"Сбой таймера"_qs}));
}

TEST_F(FaultLookup, AMissingOrUnreadableDatabaseIsReported)
{
    fake.files.contents.insert(reportPath, "earlier report\r\n");
    fake.files.contents.remove(databasePath);
    EXPECT_EQ(press("5", "07"), (QueryBoxes{"5", "7"}));
    fake.files.contents.insert(databasePath, exampleDatabase);
    fake.files.unreadable.insert(databasePath);
    EXPECT_EQ(press("5", "3"), (QueryBoxes{"5", "3"}));

    ASSERT_EQ(messages().size(), 2);
    for (const ShownMessage& message : messages()) {
        EXPECT_EQ(message.style, MessageStyle::Error);
        EXPECT_EQ(message.title, inputError);
        EXPECT_TRUE(message.prompt.contains(databasePath)) << message.prompt;
    }
    EXPECT_EQ(report(), "earlier report\r\n");
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
}

TEST_F(FaultLookup, AReportThatCannotBeWrittenStaysAsItWas)
{
    fake.files.contents.insert(reportPath, "earlier report\r\n");
    fake.files.unwritable.insert(reportPath);
    EXPECT_EQ(press("5", "7"), (QueryBoxes{"5", "7"}));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].style, MessageStyle::Error);
    EXPECT_EQ(messages()[0].title, inputError);
    EXPECT_TRUE(messages()[0].prompt.contains(reportPath)) << messages()[0].prompt;
    EXPECT_EQ(report(), "earlier report\r\n");
    EXPECT_TRUE(fake.viewer.opened.isEmpty()) << "no editor for a report that was not written";
}

TEST_F(FaultLookup, AnEditorThatCannotStartIsReported)
{
    fake.viewer.failing = true;
    fake.viewer.tried = QStringLiteral("notepad.exe, gedit");
    EXPECT_EQ(press("5", "3"), (QueryBoxes{"5", "3"}));
    EXPECT_EQ(report(), exampleReport);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].style, MessageStyle::Error);
    EXPECT_TRUE(messages()[0].prompt.contains(reportPath));
    EXPECT_TRUE(messages()[0].prompt.contains("notepad.exe, gedit"));
}

TEST_F(FaultLookup, ALongBlockIsCopiedWhole)
{
    QStringList lines{u"СЕГМ 5.3."_qs};
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("строка %1").arg(i);
    fake.files.contents.insert(databasePath, databaseLines(lines + QStringList{"@", "after"}));
    press("5", "3");
    EXPECT_EQ(report(), databaseLines(lines));
}

TEST_F(FaultLookup, ADatabaseEndingInsideTheBlockGivesEverythingToItsEnd)
{
    fake.files.contents.insert(databasePath, win(u"intro\rСЕГМ 5.3.\r\nодна\r\n\r\nпоследняя"_qs));
    EXPECT_EQ(press("5", "3"), (QueryBoxes{"5", "3"}));
    EXPECT_EQ(report(), databaseLines({u"СЕГМ 5.3."_qs, u"одна"_qs, QString(), u"последняя"_qs}));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(fake.viewer.opened, QStringList{reportPath});
}

// A database file that tells whether it is still open.
class WatchedDevice : public testing::TrickleDevice {
public:
    WatchedDevice(QByteArray bytes, int& openDevices)
        : TrickleDevice(std::move(bytes), noLimit, Access::RandomAccess)
        , m_openDevices(openDevices)
    {
        ++m_openDevices;
    }
    ~WatchedDevice() override { --m_openDevices; }

private:
    int& m_openDevices;
};

class WatchedFiles : public testing::FakeFiles {
public:
    using FakeFiles::FakeFiles;
    std::unique_ptr<QIODevice> openForReading(const QString& path, QString*) override
    {
        auto device = std::make_unique<WatchedDevice>(contents.value(path), openDevices);
        if (failing)
            device->endFailure = QStringLiteral("ошибка ввода-вывода");
        return device;
    }
    using FakeFiles::replaceContents;
    bool replaceContents(const QString& path, const ContentWriter& write, QString* why) override
    {
        openAtReplace = openDevices;
        return FakeFiles::replaceContents(path, write, why);
    }

    bool failing = false;
    int openDevices = 0;
    int openAtReplace = -1;
};

TEST_F(FaultLookup, TheReportIsCopiedFromTheOpenDatabaseWhichIsThenClosed)
{
    WatchedFiles files(fake.journal);
    files.contents.insert(databasePath, exampleDatabase);
    const Platform platform{fake.folder, fake.messages, fake.viewer, files, fake.bitmaps, fake.clipboard, fake.sound};
    runFaultLookup(platform, codes, {"5", "7"});
    EXPECT_EQ(files.openAtReplace, 1) << "the block is copied from the database it was found in";
    EXPECT_EQ(files.openDevices, 0);
    EXPECT_EQ(files.contents.value(reportPath), exampleReport);
}

TEST_F(FaultLookup, AReadErrorIsReportedNotTakenForNotFound)
{
    WatchedFiles files(fake.journal);
    files.failing = true;
    files.contents.insert(databasePath, exampleDatabase);
    const Platform platform{fake.folder, fake.messages, fake.viewer, files, fake.bitmaps, fake.clipboard, fake.sound};
    EXPECT_EQ(runFaultLookup(platform, codes, {"7", "1F"}), (QueryBoxes{"7", "1F"}));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].style, MessageStyle::Error);
    EXPECT_TRUE(messages()[0].prompt.contains(databasePath));
    EXPECT_TRUE(messages()[0].prompt.contains(QStringLiteral("ошибка ввода-вывода")));
    EXPECT_FALSE(files.contents.contains(reportPath));
    EXPECT_EQ(files.openDevices, 0);
}

TEST_F(FaultLookup, AReadErrorWhileCopyingTheBlockKeepsTheOldReport)
{
    WatchedFiles files(fake.journal);
    files.failing = true;
    files.contents.insert(databasePath, win(u"СЕГМ 5.3.\r\nодна\r\nдве"_qs));
    files.contents.insert(reportPath, "old report");
    const Platform platform{fake.folder, fake.messages, fake.viewer, files, fake.bitmaps, fake.clipboard, fake.sound};
    runFaultLookup(platform, codes, {"5", "3"});
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].style, MessageStyle::Error);
    EXPECT_TRUE(messages()[0].prompt.contains(databasePath));
    EXPECT_EQ(files.contents.value(reportPath), "old report");
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
    EXPECT_EQ(files.openDevices, 0);
}

} // namespace
} // namespace zornalit
