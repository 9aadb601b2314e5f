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

// The help; every exit status in it is the enum's own number.
QString helpText()
{
    const auto code = [](ExitStatus status) { return QString::number(exitCode(status)); };
    return QStringLiteral("Использование: zornalit-db [параметры] КОМАНДА [АРГУМЕНТЫ]\n"
                          "Проверяет базу описаний неисправностей по тем же правилам, по которым её читает Зорналит.\n"
                          "\n"
                          "Команды:\n"
                          "  check                  найти всё, из-за чего описание не находится или находится не то;\n")
        + QStringLiteral("                         код выхода %1 — замечаний нет, %2 — есть замечания, %3 — файл не "
                         "прочитать\n")
              .arg(code(ExitStatus::Clean), code(ExitStatus::Problems), code(ExitStatus::Unreadable))
        + QStringLiteral("  coverage               для каждого сегмента показать, какой блок программа выдаёт\n")
        + QStringLiteral("                         на каждый из 32 шагов; код выхода %1, или %2 — файл не прочитать\n")
              .arg(code(ExitStatus::Clean), code(ExitStatus::Unreadable))
        + QStringLiteral("  lookup СЕГМЕНТ ШАГ     найти описание, как его находит окно программы, и вывести его;\n")
        + QStringLiteral("                         код выхода %1 — найдено, %2 — не найдено, %3 — неверный запрос,\n"
                         "                         %4 — базу не прочитать\n")
              .arg(code(ExitStatus::Found), code(ExitStatus::NotFound), code(ExitStatus::InvalidQuery),
                  code(ExitStatus::LookupUnreadable))
        + QStringLiteral(
            "  search СЛОВО…          найти блоки, в строках которых есть все слова (без учёта регистра,\n")
        + QStringLiteral("                         «ё» равно «е»); код выхода %1 — найдено, %2 — ничего не найдено,\n"
                         "                         %3 — файл не прочитать\n")
              .arg(code(ExitStatus::Found), code(ExitStatus::NotFound), code(ExitStatus::Unreadable))
        + QStringLiteral(
            "\n"
            "Параметры:\n"
            "  --database ФАЙЛ        база описаний; без параметра — SEGM_WIN_ALL.txt рядом с программой\n"
            "  --raw                  (lookup) вывести ровно те байты, что программа пишет в SegmInfo.txt\n"
            "                         (Windows-1251, CR LF), а не текст UTF-8\n"
            "  -h, --help             показать эту справку\n"
            "  -v, --version          показать версию\n"
            "\n")
        + QStringLiteral("Любая команда может завершиться и с кодом %1 — результат не удалось вывести\n"
                         "(например, диск заполнен), или %2 — не удалось определить папку программы\n")
              .arg(code(ExitStatus::OutputFailed), code(ExitStatus::NoProgramFolder));
}

ExitStatus usageError(const Terminal& terminal, const QString& why)
{
    terminal.complain(QStringLiteral("zornalit-db: %1\nСправка: zornalit-db --help\n").arg(why));
    return ExitStatus::Usage;
}

class Commands {
public:
    Commands(const QCommandLineParser& parser, const QString& database, const Terminal& terminal)
        : m_parser(parser)
        , m_path(database)
        , m_terminal(terminal)
    {
    }

    ExitStatus run(const QString& command, const QStringList& arguments)
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
    ExitStatus usage(const QString& why) const { return usageError(m_terminal, why); }

    std::unique_ptr<QIODevice> open() const
    {
        QString why;
        std::unique_ptr<QIODevice> file = openDatabase(m_path, &why);
        if (!file)
            m_terminal.complain(why + u'\n');
        return file;
    }

    ExitStatus unreadable(const QString& error) const
    {
        m_terminal.complain(readFailure(m_path, error) + u'\n');
        return ExitStatus::Unreadable;
    }

    // Opens the database, reads it with read and shows the outcome with show;
    // a database that cannot be opened or read ends the command either way.
    template <typename Read, typename Show>
    ExitStatus withDatabase(Read read, Show show) const
    {
        const std::unique_ptr<QIODevice> file = open();
        if (!file)
            return ExitStatus::Unreadable;
        const auto outcome = read(*file);
        if (outcome.readFailed)
            return unreadable(outcome.error);
        return show(outcome);
    }

    ExitStatus check() const
    {
        return withDatabase([this](QIODevice& file) { return checkDatabase(file, m_codes); },
            [this](const CheckReport& report) {
                m_terminal.print(
                    QStringLiteral("База: %1\n\n").arg(QDir::toNativeSeparators(m_path)) + checkText(report, m_codes));
                return report.problemCount() == 0 ? ExitStatus::Clean : ExitStatus::Problems;
            });
    }

    ExitStatus coverage() const
    {
        return withDatabase([this](QIODevice& file) { return coverDatabase(file, m_codes); },
            [this](const CoverageTable& table) {
                m_terminal.print(coverageText(table, m_codes));
                return ExitStatus::Clean;
            });
    }

    ExitStatus lookup(const QString& segment, const QString& step) const
    {
        const bool raw = m_parser.isSet(QStringLiteral("raw"));
        const ReportSink report = [this, raw](QByteArrayView bytes) {
            if (raw)
                m_terminal.out(bytes);
            else
                m_terminal.print(reportText(bytes));
        };
        const LookupAnswer answer = lookUpQuery(m_path, {segment, step}, m_codes, report);
        if (answer.status != ExitStatus::Found)
            m_terminal.complain(answer.message + u'\n');
        return answer.status;
    }

    ExitStatus search(const QStringList& words) const
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
                    return ExitStatus::NotFound;
                }
                m_terminal.print(QStringLiteral("Найдено блоков: %1.\n").arg(summary.found));
                return ExitStatus::Found;
            });
    }

    const QCommandLineParser& m_parser;
    QString m_path;
    const Terminal& m_terminal;
    StepCodes m_codes;
};

ExitStatus runCommand(const QStringList& arguments, const QString& programFolder, const Terminal& terminal)
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
        terminal.print(helpText());
        return ExitStatus::Clean;
    }
    if (parser.isSet(version)) {
        terminal.print(QStringLiteral("zornalit-db %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitStatus::Clean;
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

} // namespace

int runCommandLine(const QStringList& arguments, const QString& programFolder, const Terminal& terminal)
{
    return exitCode(runCommand(arguments, programFolder, terminal));
}

} // namespace zornalit::dbtool
