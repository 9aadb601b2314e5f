// Exit statuses and where each command writes, through the whole command line.

#include "dbtool/CommandLine.h"
#include "lookup/FaultFiles.h"
#include "support/DatabaseLines.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace zornalit::dbtool {
namespace {

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        database(testing::databaseLines({u"СЕГМ 5.3."_qs, u"Обрыв шины"_qs, u"@"_qs}));
    }

    void database(const QByteArray& bytes, const QString& name = faultDatabaseFileName)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    int run(QStringList arguments)
    {
        out.clear();
        err.clear();
        arguments.prepend(QStringLiteral("zornalit-db"));
        const Terminal terminal{
            [this](QByteArrayView bytes) { out += bytes; }, [this](QByteArrayView bytes) { err += bytes; }};
        return runCommandLine(arguments, folder.path(), terminal);
    }

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }

    QTemporaryDir folder;
    QByteArray out;
    QByteArray err;
};

TEST_F(CommandLine, Check)
{
    EXPECT_EQ(run({u"check"_qs}), 0);
    EXPECT_TRUE(outText().contains(u"Замечаний нет."));
    EXPECT_TRUE(outText().contains(u"5: 3"));

    database(testing::databaseLines({u"СЕГМ 5.3."_qs, u"@"_qs, u"СЕГМ 5.3."_qs, u"@"_qs}), u"faults.txt"_qs);
    EXPECT_EQ(run({u"check"_qs, u"--database"_qs, folder.filePath(u"faults.txt"_qs)}), 1);
    EXPECT_TRUE(outText().contains(u"строка 3: «СЕГМ 5.3.» повторяет заголовок строки 1"));

    EXPECT_EQ(run({u"check"_qs, u"--database"_qs, folder.filePath(u"нет.txt"_qs)}), 2);
    EXPECT_TRUE(errText().contains(u"файл не найден"));
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(CommandLine, Coverage)
{
    EXPECT_EQ(run({u"coverage"_qs}), 0);
    EXPECT_TRUE(outText().contains(u"  2    не найдено\n"));
    EXPECT_TRUE(outText().contains(u"  1F   СЕГМ 5.3.\n"));
    EXPECT_EQ(run({u"coverage"_qs, u"--database"_qs, folder.path()}), 2);
}

TEST_F(CommandLine, Lookup)
{
    EXPECT_EQ(run({u"lookup"_qs, u"05"_qs, u"1f"_qs}), 0);
    EXPECT_EQ(outText(), u"СЕГМ 5.3.\nОбрыв шины\n"_qs);
    EXPECT_EQ(run({u"lookup"_qs, u"--raw"_qs, u"5"_qs, u"3"_qs}), 0);
    EXPECT_EQ(out, testing::databaseLines({u"СЕГМ 5.3."_qs, u"Обрыв шины"_qs}));

    EXPECT_EQ(run({u"lookup"_qs, u"5"_qs, u"2"_qs}), 1);
    EXPECT_EQ(errText(), u"СЕГМ 5.2.: К сожалению, описание этого типа повреждения не обнаружено\n"_qs);
    EXPECT_TRUE(out.isEmpty());

    EXPECT_EQ(run({u"lookup"_qs, u"5"_qs, u"1G"_qs}), 2);
    EXPECT_EQ(errText(), u"Недопустимый номер шага\n"_qs);
    EXPECT_EQ(run({u"lookup"_qs, u"123"_qs, u"1"_qs}), 2);
    EXPECT_EQ(errText(), u"Номер сегмента не может состоять из трёх знаков\n"_qs);

    EXPECT_EQ(run({u"lookup"_qs, u"--database"_qs, folder.filePath(u"нет.txt"_qs), u"5"_qs, u"3"_qs}), 3);
    EXPECT_EQ(run({u"lookup"_qs, u"5"_qs}), 2);
}

TEST_F(CommandLine, Search)
{
    EXPECT_EQ(run({u"search"_qs, u"ШИНЫ"_qs}), 0);
    EXPECT_TRUE(outText().startsWith(u"строка 1: СЕГМ 5.3.\n  2: Обрыв шины\n"));
    EXPECT_EQ(run({u"search"_qs, u"шины"_qs, u"таймер"_qs}), 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(run({u"search"_qs}), 2);
    EXPECT_EQ(run({u"search"_qs, u"шины"_qs, u"--database"_qs, folder.path()}), 2);
}

TEST_F(CommandLine, HelpVersionAndMistakes)
{
    EXPECT_EQ(run({u"--help"_qs}), 0);
    EXPECT_TRUE(outText().startsWith(u"Использование: zornalit-db"));
    for (const int status : {0, 1, 2, 3, 4, 5})
        EXPECT_TRUE(outText().contains(QStringLiteral("%1 — ").arg(status)))
            << "exit status " << status << " explained";
    EXPECT_EQ(run({u"--version"_qs}), 0);
    EXPECT_TRUE(outText().startsWith(u"zornalit-db "));

    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({u"repair"_qs}), 2);
    EXPECT_TRUE(errText().contains(u"неизвестная команда «repair»"));
    EXPECT_EQ(run({u"check"_qs, u"--fast"_qs}), 2);
    EXPECT_TRUE(errText().contains(u"неизвестный параметр «fast»"));
    EXPECT_EQ(run({u"check"_qs, u"--raw"_qs}), 2);
    EXPECT_EQ(run({u"check"_qs, u"--database"_qs}), 2);
}

} // namespace
} // namespace zornalit::dbtool
