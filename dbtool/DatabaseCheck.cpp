#include "DatabaseCheck.h"

#include "LookAlike.h"
#include "ShownText.h"
#include "lookup/Cp1251.h"
#include "lookup/HeaderLine.h"

#include <QStringList>

#include <cstring>

namespace zornalit::dbtool {

namespace {

// How many lines of one kind a finding names before it only counts them.
constexpr qsizetype namedLines = 5;

// The bytes a header, a terminator or a look-alike of a header can begin
// with.
QByteArray bytesThatMayMatter()
{
    return QByteArray(headerKeyword, 1) + blockTerminator + lookAlikeFirstBytes();
}

const LineScan::FirstBytes& firstBytesThatMayMatter()
{
    static const LineScan::FirstBytes bytes(bytesThatMayMatter());
    return bytes;
}

// The keyword as an editor saving UTF-8 writes it, and the byte order mark
// some editors put at the start of the file.
const QByteArray& utf8Keyword()
{
    static const QByteArray keyword = cp1251::decode(QByteArrayView(headerKeyword, headerKeywordLength)).toUtf8();
    return keyword;
}

const QByteArray& utf8ByteOrderMark()
{
    static const QByteArray mark("\xEF\xBB\xBF");
    return mark;
}

// The lines the check is handed while no header has been found: those that
// may matter, and those that may begin as the keyword saved in UTF-8. The
// others are only counted.
const LineScan::FirstBytes& firstBytesToLookAt()
{
    static const LineScan::FirstBytes bytes(
        bytesThatMayMatter() + utf8Keyword().front() + utf8ByteOrderMark().front());
    return bytes;
}

bool mayMatter(char first)
{
    return firstBytesThatMayMatter().contains(first);
}

// "строки 31" or "строк 31, 40, 52 и ещё 3"
QString lineList(const QList<qint64>& lines, qint64 count)
{
    QStringList names;
    for (const qint64 line : lines)
        names << QString::number(line);
    QString text = (count == 1 ? QStringLiteral("строки ") : QStringLiteral("строк "))
        + names.join(QStringLiteral(", "));
    if (count > lines.size())
        text += QStringLiteral(" и ещё %1").arg(count - lines.size());
    return text;
}

// A block from its header line to its terminator line, as it is being read.
struct OpenBlock {
    qint64 header = 0;
    // The start of the header line, copied without a call per block.
    std::array<char, shownHeaderBytes> text{};
    qsizetype textSize = 0;
    QByteArrayView shownHeader() const { return QByteArrayView(text.data(), textSize); }
    QList<qint64> innerHeaders; // the first few
    qint64 innerCount = 0;
};

class Checker {
public:
    explicit Checker(const StepCodes& codes)
        : m_index(codes)
    {
    }

    // Whether lines that begin as UTF-8 may still tell something: the hint
    // names the first of them, and only for a file with no header at all,
    // so once a header is found the usual description text is skipped
    // again, however it begins.
    bool looksForUtf8() const { return m_report.blocks == 0 && m_utf8Header == 0; }

    void take(const ScannedLine& scanned)
    {
        const qint64 number = scanned.number;
        const QByteArrayView line = scanned.start;
        if (scanned.lineFeeds > 0)
            lineFeeds(number, scanned.lineFeeds);
        if (scanned.unassigned > 0)
            add(Problem::UnassignedByte, number, [&scanned] {
                return QStringLiteral("байт 0x98 (в строке: %1): в Windows-1251 он не обозначает никакого знака")
                    .arg(scanned.unassigned);
            });

        if (looksForUtf8() && beginsWithUtf8Keyword(line))
            m_utf8Header = number;
        // Most lines are description text that no rule below is about.
        if (line.isEmpty() || !mayMatter(line.front()))
            return;
        if (beginsWithKeyword(line)) {
            header(number, line);
        } else if (endsBlock(line)) {
            if (m_block.header != 0)
                closeBlock(number - 1, false);
        } else {
            const QString reason = lookAlikeReason(line);
            if (!reason.isEmpty())
                add(Problem::LookAlike, number,
                    [&] { return QStringLiteral("%1 не заголовок: %2").arg(shownLine(line), reason); });
        }
    }

    // lines: how many the file has in all.
    CheckReport finish(qint64 lines)
    {
        m_lines = lines;
        if (m_block.header != 0)
            closeBlock(m_lines, true);
        if (m_lineFeeds > 0) {
            const QString how = m_lines == 1 ? QStringLiteral("в файле нет концов строк CR LF: он, видимо, сохранён с "
                                                              "концами LF, и программа видит в нём одну строку")
                                             : QStringLiteral("концы строк смешаны: LF без CR стоят в %1 из %2 строк")
                                                   .arg(m_lineFeedLines)
                                                   .arg(m_lines);
            Findings& list = m_report.findings[static_cast<int>(Problem::LineEnds)];
            list.first.prepend({0, QStringLiteral("всего LF без CR: %1; %2").arg(m_lineFeeds).arg(how)});
            ++list.count;
        }
        if (m_report.blocks == 0)
            add(Problem::Empty, 0, [this] {
                if (m_utf8Header != 0) {
                    return QStringLiteral("файл, видимо, сохранён в кодировке UTF-8 (строка %1 начинается со «СЕГМ» "
                                          "в UTF-8), а программа читает его в Windows-1251 и не видит ни одного "
                                          "заголовка: сохраните файл в кодировке Windows-1251")
                        .arg(m_utf8Header);
                }
                return m_lines == 0
                    ? QStringLiteral("файл пуст: ни одно описание не найдётся")
                    : QStringLiteral("в файле нет ни одного заголовка «СЕГМ»: ни одно описание не найдётся");
            });
        m_report.lines = m_lines;
        m_report.segments = m_index.segments();
        return m_report;
    }

private:
    // The text is made only for the findings that are kept: a large file
    // may repeat a header many thousand times.
    template <typename MakeText>
    void add(Problem kind, qint64 line, MakeText makeText)
    {
        Findings& list = m_report.findings[static_cast<int>(kind)];
        ++list.count;
        if (list.first.size() < keptFindings)
            list.first << Finding{line, makeText()};
    }

    void lineFeeds(qint64 number, qint64 count)
    {
        m_lineFeeds += count;
        ++m_lineFeedLines;
        add(Problem::LineEnds, number, [&] {
            return QStringLiteral(
                "LF без CR: %1 — программа не кончает на них строку, и всё это для неё одна строка %2")
                .arg(count)
                .arg(number);
        });
    }

    void header(qint64 number, QByteArrayView line)
    {
        const HeaderIndex::Placed placed = m_index.add(number, line);
        const auto shown = [line] { return shownLine(line); };
        const auto reasons = [&placed] { return placed.verdict.reasons.join(QStringLiteral("; ")); };
        if (!placed.verdict.askable) {
            add(Problem::UnaskableHeader, number,
                [&] { return QStringLiteral("%1 никогда не найдётся: %2").arg(shown(), reasons()); });
        } else if (!placed.verdict.reasons.isEmpty()) {
            add(Problem::MisreadHeader, number,
                [&] { return QStringLiteral("%1 читается не так, как написан: %2").arg(shown(), reasons()); });
        }
        if (placed.verdict.askable && !placed.first) {
            add(Problem::RepeatedHeader, number, [&] {
                return QStringLiteral(
                    "%1 повторяет заголовок строки %2: программа всегда показывает блок строки %2, а этот — никогда")
                    .arg(shown())
                    .arg(placed.firstHeader->line);
            });
        }

        if (m_block.header == 0) {
            ++m_report.blocks;
            m_block.header = number;
            m_block.textSize = std::min(line.size(), shownHeaderBytes);
            std::memcpy(m_block.text.data(), line.data(), static_cast<std::size_t>(m_block.textSize));
            return;
        }
        const bool ownBlock = placed.first;
        add(Problem::HeaderInBody, number, [&] {
            return QStringLiteral("%1 стоит внутри описания блока строки %2: там он показывается как текст%3")
                .arg(shown())
                .arg(m_block.header)
                .arg(ownBlock ? QStringLiteral(", и поиск находит его ещё и как отдельный блок") : QString());
        });
        if (m_block.innerHeaders.size() < namedLines)
            m_block.innerHeaders << number;
        ++m_block.innerCount;
    }

    // last: the last line of the description, before its terminator or at
    // the end of the file.
    void closeBlock(qint64 last, bool atEnd)
    {
        const bool swallows = m_block.innerCount > 0;
        m_block.header = swallows || atEnd ? m_block.header : 0;
        if (m_block.header == 0)
            return;
        const QString span = QStringLiteral("строки %1–%2").arg(m_block.header + 1).arg(last);
        const QString shown = shownLine(m_block.shownHeader());
        if (swallows) {
            add(Problem::MissingTerminator, m_block.header, [&] {
                return QStringLiteral("%1 не закрыт строкой «@» до заголовка строки %2: его описание захватывает %3, "
                                      "с заголовком %4")
                    .arg(shown)
                    .arg(m_block.innerHeaders.front())
                    .arg(span, lineList(m_block.innerHeaders, m_block.innerCount));
            });
        } else {
            add(Problem::MissingTerminator, m_block.header, [&] {
                if (last == m_block.header)
                    return QStringLiteral("%1 не закрыт строкой «@»: на нём кончается файл").arg(shown);
                return QStringLiteral("%1 не закрыт строкой «@» до конца файла: его описание захватывает %2")
                    .arg(shown, span);
            });
        }
        m_block.header = 0;
        m_block.innerHeaders.clear();
        m_block.innerCount = 0;
    }

    HeaderIndex m_index;
    CheckReport m_report;
    OpenBlock m_block;
    qint64 m_lines = 0;
    qint64 m_lineFeeds = 0;
    qint64 m_lineFeedLines = 0;
    qint64 m_utf8Header = 0; // the first line that begins with the keyword in UTF-8
};

} // namespace

bool beginsWithUtf8Keyword(QByteArrayView line)
{
    if (line.startsWith(utf8ByteOrderMark()))
        line = line.sliced(utf8ByteOrderMark().size());
    return line.startsWith(utf8Keyword());
}

qint64 CheckReport::problemCount() const
{
    qint64 count = 0;
    for (const Findings& list : findings)
        count += list.count;
    return count;
}

CheckReport checkDatabase(QIODevice& database, const StepCodes& codes, qsizetype chunkBytes)
{
    Checker checker(codes);
    LineScan reader(database, chunkBytes);
    const LineScan::FirstBytes& usual = firstBytesThatMayMatter();
    const LineScan::FirstBytes& withUtf8 = firstBytesToLookAt();
    while (const ScannedLine* line = reader.nextNotable(checker.looksForUtf8() ? withUtf8 : usual))
        checker.take(*line);
    CheckReport report = checker.finish(reader.linesRead());
    if (reader.failed()) {
        report.readFailed = true;
        report.error = reader.errorString();
    }
    return report;
}

} // namespace zornalit::dbtool
