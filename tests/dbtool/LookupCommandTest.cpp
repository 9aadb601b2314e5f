// The command-line lookup must answer as the window does: the same report
// bytes, or the same message, for random databases and queries.

#include "lookup/FaultLookup.h"
#include "dbtool/QueryLookup.h"
#include "fakes/FakePlatform.h"
#include "lookup/FaultFiles.h"
#include "support/RandomFaultDatabase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace zornalit::dbtool {
namespace {

struct WindowAnswer {
    QByteArray report; // empty when nothing was written
    QStringList messages;
};

WindowAnswer askWindow(const QByteArray& database, const QueryBoxes& typed, const StepCodes& codes)
{
    testing::FakePlatform fake;
    fake.files.contents.insert(fake.path(faultDatabaseFileName), database);
    runFaultLookup(fake.platform(), codes, typed);
    WindowAnswer answer{fake.files.contents.value(fake.path(faultReportFileName)), {}};
    for (const testing::ShownMessage& message : fake.messages.shown)
        answer.messages << message.title + QStringLiteral(": ") + message.prompt;
    return answer;
}

ReportSink collectInto(QByteArray& report)
{
    return [&report](QByteArrayView bytes) { report += bytes; };
}

TEST(LookupCommand, AnswersAsTheWindowOnRandomDatabases)
{
    StepCodes codes;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(faultDatabaseFileName);

    for (std::uint32_t seed = 20240601; seed < 20240601 + 600; ++seed) {
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = random.make(codes);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();

        for (int q = 0; q < 4; ++q) {
            // Typed as an operator might: lower case, leading zeros, too long.
            QString segment = random.segment();
            QString step = random.step(codes);
            if (random.below(4) == 0)
                step = step.toLower();
            if (random.below(6) == 0)
                step = u'0' + step;
            const WindowAnswer window = askWindow(bytes, {segment, step}, codes);
            QByteArray report;
            const LookupAnswer answer = lookUpQuery(path, {segment, step}, codes, collectInto(report));

            const auto context = [&] {
                return QStringLiteral("seed %1, segment \"%2\" step \"%3\"").arg(seed).arg(segment, step);
            };
            EXPECT_EQ(report, window.report) << context();
            switch (answer.status) {
            case ExitStatus::Found:
                EXPECT_TRUE(window.messages.isEmpty()) << context();
                break;
            case ExitStatus::NotFound:
                EXPECT_EQ(QStringList{answer.message}, window.messages) << context();
                break;
            case ExitStatus::InvalidQuery:
                ASSERT_EQ(window.messages.size(), 1) << context();
                EXPECT_EQ(window.messages[0], QStringLiteral("Ошибка!: ") + answer.message) << context();
                break;
            case ExitStatus::LookupUnreadable:
            case ExitStatus::OutputFailed:
            case ExitStatus::NoProgramFolder:
                ADD_FAILURE() << context() << ": " << answer.message;
                break;
            }
        }
    }
}

TEST(LookupCommand, UnreadableDatabase)
{
    const ReportSink ignored = [](QByteArrayView) {};
    StepCodes codes;
    QTemporaryDir folder;
    const LookupAnswer missing = lookUpQuery(folder.filePath(u"нет.txt"_qs), {u"5"_qs, u"3"_qs}, codes, ignored);
    EXPECT_EQ(missing.status, ExitStatus::LookupUnreadable);
    EXPECT_TRUE(missing.message.contains(u"файл не найден"));
    EXPECT_EQ(lookUpQuery(folder.path(), {u"5"_qs, u"3"_qs}, codes, ignored).status, ExitStatus::LookupUnreadable);
    // The query is judged first, as in the window.
    EXPECT_EQ(lookUpQuery(folder.path(), {u"5"_qs, u"1G"_qs}, codes, ignored).status, ExitStatus::InvalidQuery);
}

} // namespace
} // namespace zornalit::dbtool
