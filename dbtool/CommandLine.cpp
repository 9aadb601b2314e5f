#include "CommandLine.h"

#include "CommandTexts.h"
#include "Coverage.h"
#include "DatabaseCheck.h"
#include "DatabaseFile.h"
#include "QueryLookup.h"
#include "WordSearch.h"
#include "lookup/FaultFiles.h"
#include "platform/FileErrorText.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace zornalit::dbtool {

namespace {

const QString helpText = QStringLiteral(
    "Использование: zornalit-db [параметры] КОМАНДА [АРГУМЕНТЫ]\n"
    "Проверяет базу описаний неисправностей по тем же правилам, по которым её читает Зорналит.\n"
    "\n"
    "Команды:\n"
    "  check                  найти всё, из-за чего описание не находится или находится не то;\n"
    "                         код выхода 0 — замечаний нет, 1 — есть замечания, 2 — файл не прочитать\n"
    "  coverage               для каждого сегмента показать, какой блок программа выдаёт\n"
    "                         на каждый из 32 шагов; код выхода 0, или 2 — файл не прочитать\n"
    "  lookup СЕГМЕНТ ШАГ     найти описание, как его находит окно программы, и вывести его;\n"
    "                         код выхода 0 — найдено, 1 — не найдено, 2 — неверный запрос,\n"
    "                         3 — базу не прочитать\n"
    "  search СЛОВО…          найти блоки, в строках которых есть все слова (без учёта регистра,\n"
    "                         «ё» равно «е»); код выхода 0 — найдено, 1 — ничего не найдено,\n"
    "                         2 — файл не прочитать\n"
    "\n"
    "Параметры:\n"
    "  --database ФАЙЛ        база описаний; без параметра — SEGM_WIN_ALL.txt рядом с программой\n"
    "  --raw                  (lookup) вывести ровно те байты, что программа пишет в SegmInfo.txt\n"
    "                         (Windows-1251, CR LF), а не текст UTF-8\n"
    "  -h, --help             показать эту справку\n"
    "  -v, --version          показать версию\n");

int usageError(const Terminal& terminal, const QString& why)
{
    terminal.complain(QStringLiteral("zornalit-db: %1\nСправка: zornalit-db --help\n").arg(why));
    return exitUsage;
}

class Commands {
public:
    Commands(const QCommandLineParser& parser, const QString& database, const Terminal& terminal)
        : m_parser(parser)
        , m_path(database)
        , m_terminal(terminal)
    {
    }

    int run(const QString& command, const QStringList& arguments)
    {
        if (command == u"check" && arguments.isEmpty())
            return check();
        if (command == u"coverage" && arguments.isEmpty())
            return coverage();
        if (command == u"lookup" && arguments.size() == 2)
            return lookup(arguments[0], arguments[1]);
        if (command == u"search" && !arguments.isEmpty())
            return search(arguments);
        if (command == u"check" || command == u"coverage")
            return usage(QStringLiteral("у команды %1 нет аргументов").arg(command));
        if (command == u"lookup")
            return usage(QStringLiteral("команде lookup нужны два аргумента: сегмент и шаг"));
        if (command == u"search")
            return usage(QStringLiteral("команде search нужно хотя бы одно слово"));
        return usage(QStringLiteral("неизвестная команда «%1»").arg(command));
    }

private:
    int usage(const QString& why) const { return usageError(m_terminal, why); }

    std::unique_ptr<QIODevice> open() const
    {
        QString why;
        std::unique_ptr<QIODevice> file = openDatabase(m_path, &why);
        if (!file)
            m_terminal.complain(why + u'\n');
        return file;
    }

    int unreadable(const QString& error) const
    {
        m_terminal.complain(readFailure(m_path, error) + u'\n');
        return exitUnreadable;
    }

    // Opens the database, reads it with read and shows the outcome with show;
    // a database that cannot be opened or read ends the command either way.
    template <typename Read, typename Show>
    int withDatabase(Read read, Show show) const
    {
        const std::unique_ptr<QIODevice> file = open();
        if (!file)
            return exitUnreadable;
        const auto outcome = read(*file);
        if (outcome.readFailed)
            return unreadable(outcome.error);
        return show(outcome);
    }

    int check() const
    {
        return withDatabase([this](QIODevice& file) { return checkDatabase(file, m_codes); },
            [this](const CheckReport& report) {
                m_terminal.print(
                    QStringLiteral("База: %1\n\n").arg(QDir::toNativeSeparators(m_path)) + checkText(report, m_codes));
                return report.problemCount() == 0 ? exitClean : exitProblems;
            });
    }

    int coverage() const
    {
        return withDatabase([this](QIODevice& file) { return coverDatabase(file, m_codes); },
            [this](const CoverageTable& table) {
                m_terminal.print(coverageText(table, m_codes));
                return exitClean;
            });
    }

    int lookup(const QString& segment, const QString& step) const
    {
        const bool raw = m_parser.isSet(QStringLiteral("raw"));
        const ReportSink report = [this, raw](QByteArrayView bytes) {
            if (raw)
                m_terminal.out(bytes);
            else
                m_terminal.print(reportText(bytes));
        };
        const LookupAnswer answer = lookUpQuery(m_path, {segment, step}, m_codes, report);
        if (answer.status != LookupStatus::Found)
            m_terminal.complain(answer.message + u'\n');
        return static_cast<int>(answer.status);
    }

    int search(const QStringList& words) const
    {
        for (const QString& word : words) {
            if (word.trimmed().isEmpty())
                return usage(QStringLiteral("пустое слово для поиска"));
        }
        const auto print = [this](const FoundBlock& block) { m_terminal.print(foundBlockText(block)); };
        return withDatabase([&](QIODevice& file) { return searchWords(file, words, m_codes, print); },
            [this](const WordSearchSummary& summary) {
                if (summary.found == 0) {
                    m_terminal.complain(QStringLiteral("Ни в одном блоке нет всех этих слов.\n"));
                    return exitNothingFound;
                }
                m_terminal.print(QStringLiteral("Найдено блоков: %1.\n").arg(summary.found));
                return exitFound;
            });
    }

    const QCommandLineParser& m_parser;
    QString m_path;
    const Terminal& m_terminal;
    StepCodes m_codes;
};

} // namespace

int runCommandLine(const QStringList& arguments, const QString& programFolder, const Terminal& terminal)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("показать справку"));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("показать версию"));
    const QCommandLineOption database(
        QStringLiteral("database"), QStringLiteral("база описаний"), QStringLiteral("ФАЙЛ"));
    const QCommandLineOption raw(QStringLiteral("raw"), QStringLiteral("вывести байты отчёта"));
    parser.addOptions({help, version, database, raw});
    parser.addPositionalArgument(QStringLiteral("КОМАНДА"), QStringLiteral("check, coverage, lookup или search"));

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usageError(
                terminal, QStringLiteral("неизвестный параметр «%1»").arg(parser.unknownOptionNames().front()));
        return usageError(terminal, QStringLiteral("после --database нужно имя файла"));
    }
    if (parser.isSet(help)) {
        terminal.print(helpText);
        return exitClean;
    }
    if (parser.isSet(version)) {
        terminal.print(QStringLiteral("zornalit-db %1\n").arg(QCoreApplication::applicationVersion()));
        return exitClean;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(terminal, QStringLiteral("не указана команда"));
    const QString command = positional.takeFirst();
    if (parser.isSet(raw) && command != u"lookup")
        return usageError(terminal, QStringLiteral("параметр --raw относится только к команде lookup"));
    const QString path = parser.isSet(database) ? parser.value(database) : programFolder + u'/' + faultDatabaseFileName;
    return Commands(parser, path, terminal).run(command, positional);
}

} // namespace zornalit::dbtool
