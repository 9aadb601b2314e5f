// Every fault a maintainer can make is planted in a small database and must
// be reported, with its line, under its kind; a sound database is clean.

#include "dbtool/DatabaseCheck.h"
#include "support/DatabaseLines.h"
#include "support/FailingDevice.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

namespace zornalit::dbtool {
namespace {

using testing::databaseLines;

CheckReport check(const QByteArray& bytes, qsizetype chunk = LineScan::defaultChunkBytes)
{
    StepCodes codes;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return checkDatabase(buffer, codes, chunk);
}

QList<qint64> linesOf(const CheckReport& report, Problem kind)
{
    QList<qint64> lines;
    for (const Finding& finding : report.of(kind).first)
        lines << finding.line;
    return lines;
}

// A sound block of segment 5 step 3 around each planted line keeps the rest
// of the database clean.
const QStringList soundStart = {u"Описания неисправностей"_qs, u"СЕГМ 5.3."_qs, u"Обрыв шины"_qs, u"@"_qs};

TEST(DatabaseCheck, SoundDatabaseIsClean)
{
    const CheckReport report = check(databaseLines(soundStart
        + QStringList{u"СЕГМ 12.1A. Сбой таймера"_qs, QString(), u"Сегмент 12: проверьте кассету"_qs, u"@ конец"_qs,
            u"СЕГМ 12.3 ."_qs, u"@"_qs, u"СЕГМ 5.1F"_qs, u"@"_qs}));
    EXPECT_EQ(report.problemCount(), 0);
    EXPECT_EQ(report.lines, 12);
    EXPECT_EQ(report.blocks, 4);
    ASSERT_EQ(report.segments.size(), 2);
    EXPECT_EQ(report.segments[0].segment, "5");
    EXPECT_TRUE(report.segments[0].steps[3].exists());
    EXPECT_TRUE(report.segments[0].steps[31].exists());
    EXPECT_EQ(report.segments[1].segment, "12");
    EXPECT_EQ(report.segments[1].steps[26].line, 5);
    EXPECT_EQ(report.segments[1].steps[3].line, 9);
}

TEST(DatabaseCheck, SampleDatabaseIsClean)
{
    QFile sample(QStringLiteral(ZORNALIT_SOURCE_DIR "/data/SEGM_WIN_ALL.txt"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    StepCodes codes;
    const CheckReport report = checkDatabase(sample, codes);
    for (const Findings& findings : report.findings) {
        for (const Finding& finding : findings.first)
            ADD_FAILURE() << "line " << finding.line << ": " << finding.text;
    }
    EXPECT_EQ(report.problemCount(), 0);
    EXPECT_GT(report.blocks, 0);
}

TEST(DatabaseCheck, LineFeedsWithoutCarriageReturns)
{
    const QByteArray lfOnly = databaseLines(soundStart, "\n");
    const CheckReport whole = check(lfOnly);
    EXPECT_EQ(whole.lines, 1);
    EXPECT_EQ(linesOf(whole, Problem::LineEnds), (QList<qint64>{0, 1}));
    EXPECT_TRUE(whole.of(Problem::LineEnds).first[0].text.contains(u"сохранён с концами LF"));
    EXPECT_EQ(whole.of(Problem::Empty).count, 1); // the keyword is mid-line: no header at all

    const QByteArray mixed = databaseLines(soundStart) + databaseLines({u"СЕГМ 6.1."_qs, u"текст"_qs}, "\n")
        + databaseLines({u"@"_qs});
    const CheckReport report = check(mixed);
    EXPECT_EQ(linesOf(report, Problem::LineEnds), (QList<qint64>{0, 5}));
    EXPECT_TRUE(report.of(Problem::LineEnds).first[0].text.contains(u"смешаны"));
}

TEST(DatabaseCheck, HeadersNoQueryCanAsk)
{
    const CheckReport report = check(databaseLines(soundStart
        + QStringList{
            u"СЕГМ 123.4."_qs, u"@"_qs, // line 5: a segment of three characters
            u"СЕГМ 5.20."_qs, u"@"_qs,  // line 7: a step outside the table
            u"СЕГМ 05.3."_qs, u"@"_qs,  // line 9: a leading zero
            u"СЕГМ a.3."_qs, u"@"_qs,   // line 11: lower case
            u"СЕГМ 5.1a."_qs, u"@"_qs,  // line 13: lower-case step
            u"СЕГМ5.3."_qs, u"@"_qs,    // line 15: no space after the keyword
            u"СЕГМ 5."_qs, u"@"_qs,     // line 17: no step
        }));
    EXPECT_EQ(linesOf(report, Problem::UnaskableHeader), (QList<qint64>{5, 7, 9, 11, 13, 15, 17}));
    const auto text = [&](int i) { return report.of(Problem::UnaskableHeader).first[i].text; };
    EXPECT_TRUE(text(0).contains(u"длиннее двух знаков"));
    EXPECT_TRUE(text(1).contains(u"не из таблицы шагов"));
    EXPECT_TRUE(text(2).contains(u"ведущий ноль"));
    EXPECT_TRUE(text(3).contains(u"строчные буквы"));
    EXPECT_TRUE(text(5).contains(u"нет пробела"));
    EXPECT_EQ(report.problemCount(), 7);
}

TEST(DatabaseCheck, HeadersReadOtherwiseThanWritten)
{
    const CheckReport report = check(databaseLines(soundStart
        + QStringList{
            u"СЕГМ 5.100."_qs, u"@"_qs, // read as step 10
            u"СЕГМ 5 .4."_qs, u"@"_qs,  // read as segment "5 "
        }));
    EXPECT_EQ(linesOf(report, Problem::MisreadHeader), (QList<qint64>{5, 7}));
    EXPECT_TRUE(report.of(Problem::MisreadHeader).first[0].text.contains(u"шаг «10»"));
    EXPECT_EQ(report.problemCount(), 2);
}

TEST(DatabaseCheck, RepeatedHeadersNameTheOneThatWins)
{
    const CheckReport report = check(
        databaseLines(soundStart + QStringList{u"СЕГМ 5.3. второй раз"_qs, u"@"_qs, u"СЕГМ 5.3 ."_qs, u"@"_qs}));
    EXPECT_EQ(linesOf(report, Problem::RepeatedHeader), (QList<qint64>{5, 7}));
    EXPECT_TRUE(report.of(Problem::RepeatedHeader).first[1].text.contains(u"строки 2"));
    EXPECT_EQ(report.problemCount(), 2);
}

TEST(DatabaseCheck, ForgottenTerminatorSwallowsTheNextBlock)
{
    const CheckReport report = check(databaseLines(soundStart
        + QStringList{
            u"СЕГМ 6.1."_qs, u"текст"_qs, QString(), // line 5: its "@" is missing
            u"СЕГМ 6.2."_qs, u"текст"_qs, u"@"_qs,   // line 8, inside the block of line 5
        }));
    EXPECT_EQ(linesOf(report, Problem::MissingTerminator), (QList<qint64>{5}));
    EXPECT_TRUE(report.of(Problem::MissingTerminator).first[0].text.contains(u"строки 6–9"));
    EXPECT_EQ(linesOf(report, Problem::HeaderInBody), (QList<qint64>{8}));
    EXPECT_TRUE(report.of(Problem::HeaderInBody).first[0].text.contains(u"отдельный блок"));
    EXPECT_EQ(report.problemCount(), 2);
}

TEST(DatabaseCheck, BlockRunningToTheEndOfTheFile)
{
    const CheckReport report = check(databaseLines(soundStart + QStringList{u"СЕГМ 7.1."_qs, u"a"_qs, u"b"_qs}));
    EXPECT_EQ(linesOf(report, Problem::MissingTerminator), (QList<qint64>{5}));
    EXPECT_TRUE(report.of(Problem::MissingTerminator).first[0].text.contains(u"до конца файла"));

    const CheckReport lastLine = check(databaseLines({u"СЕГМ 7.1."_qs}));
    EXPECT_EQ(linesOf(lastLine, Problem::MissingTerminator), (QList<qint64>{1}));
    EXPECT_TRUE(lastLine.of(Problem::MissingTerminator).first[0].text.contains(u"кончается файл"));
}

TEST(DatabaseCheck, LookAlikeKeywords)
{
    const CheckReport report = check(databaseLines(soundStart
        + QStringList{
            u"CEГM 5.4."_qs,              // line 5: Latin C, E, M
            u"сегм 5.5."_qs,              // line 6: lower case
            u" СЕГМ 5.6."_qs,             // line 7: a space before it
            u"Сегмент 5 описан выше."_qs, // prose, not a header
        }));
    EXPECT_EQ(linesOf(report, Problem::LookAlike), (QList<qint64>{5, 6, 7}));
    EXPECT_TRUE(report.of(Problem::LookAlike).first[0].text.contains(u"латинские буквы C, E, M"));
    EXPECT_TRUE(report.of(Problem::LookAlike).first[1].text.contains(u"строчные"));
    EXPECT_EQ(report.problemCount(), 3);
}

// The check passes over lines by their first byte: a look-alike must be
// found whichever form of the first letter, or indentation, it begins with.
TEST(DatabaseCheck, LookAlikesWhateverTheyBeginWith)
{
    for (const QString& line :
        {u"Сегм 5.4."_qs, u"сЕГМ 5.4."_qs, u"CЕГМ 5.4."_qs, u"cЕГМ 5.4."_qs, u" СЕГМ 5.4."_qs, u"\tСЕГМ 5.4."_qs}) {
        const CheckReport report = check(databaseLines(soundStart + QStringList{line}));
        EXPECT_EQ(linesOf(report, Problem::LookAlike), (QList<qint64>{5})) << line;
    }
}

TEST(DatabaseCheck, UnassignedByte)
{
    QByteArray bytes = databaseLines(soundStart);
    bytes.insert(bytes.indexOf("\r\n@"), "\x98\x98");
    const CheckReport report = check(bytes);
    EXPECT_EQ(linesOf(report, Problem::UnassignedByte), (QList<qint64>{3}));
    EXPECT_TRUE(report.of(Problem::UnassignedByte).first[0].text.contains(u"в строке: 2"));
}

TEST(DatabaseCheck, EmptyDatabase)
{
    EXPECT_EQ(linesOf(check({}), Problem::Empty), (QList<qint64>{0}));
    EXPECT_EQ(check(databaseLines({u"только заголовок файла"_qs})).of(Problem::Empty).count, 1);
}

// Notepad saves a new file as UTF-8: the check says so, rather than that
// there is no header, whether or not the file begins with a byte order mark.
TEST(DatabaseCheck, ADatabaseSavedAsUtf8IsToldAsSuch)
{
    for (const QByteArray& start : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        const QByteArray utf8 = start + u"Неисправности\r\nСЕГМ 5.3.\r\nОбрыв шины\r\n@\r\n"_qs.toUtf8();
        const CheckReport report = check(utf8);
        ASSERT_EQ(report.of(Problem::Empty).count, 1);
        const QString text = report.of(Problem::Empty).first[0].text;
        EXPECT_TRUE(text.contains(u"UTF-8") && text.contains(u"строка 2") && text.contains(u"Windows-1251"))
            << text;
    }
    EXPECT_TRUE(beginsWithUtf8Keyword("\xEF\xBB\xBF\xD0\xA1\xD0\x95\xD0\x93\xD0\x9C 1.1."));
    EXPECT_FALSE(beginsWithUtf8Keyword("\xD1\xC5\xC3\xCC 1.1."));
    EXPECT_FALSE(beginsWithUtf8Keyword(" \xD0\xA1\xD0\x95\xD0\x93\xD0\x9C"));
    // A file in Windows-1251 with no header keeps its own finding.
    const QString plain = check(databaseLines({u"только заголовок файла"_qs})).of(Problem::Empty).first[0].text;
    EXPECT_FALSE(plain.contains(u"UTF-8")) << plain;
}

TEST(DatabaseCheck, KeepsOnlyTheFirstFindingsOfAKind)
{
    QStringList lines = soundStart;
    for (int i = 0; i < 3 * keptFindings; ++i)
        lines << u"СЕГМ 5.3."_qs << u"@"_qs;
    const CheckReport report = check(databaseLines(lines), 7);
    EXPECT_EQ(report.of(Problem::RepeatedHeader).count, 3 * keptFindings);
    EXPECT_EQ(report.of(Problem::RepeatedHeader).first.size(), keptFindings);
}

// A read that fails, in the first chunk, part-way or after several chunks,
// is reported as such, never as a database checked clean.
TEST(DatabaseCheck, AFailedReadIsReportedAtAnyPoint)
{
    QStringList lines = soundStart;
    for (int block = 0; block < 10000; ++block)
        lines << u"СЕГМ 5.3."_qs << u"Обрыв шины"_qs << u"@"_qs;
    const QByteArray bytes = databaseLines(lines);
    ASSERT_GT(bytes.size(), 3 * LineScan::defaultChunkBytes);
    StepCodes codes;
    for (const qint64 failAt : {qint64(0), qint64(100), LineScan::defaultChunkBytes + 7, bytes.size() - 1}) {
        testing::FailingDevice device(bytes, failAt);
        const CheckReport report = checkDatabase(device, codes);
        EXPECT_TRUE(report.readFailed) << "failing at " << failAt;
        EXPECT_EQ(report.error, u"сбой чтения"_qs);
    }
    testing::FailingDevice whole(bytes, bytes.size());
    EXPECT_FALSE(checkDatabase(whole, codes).readFailed);
}

} // namespace
} // namespace zornalit::dbtool
