#include "CommandTexts.h"

#include "ShownText.h"
#include "lookup/Cp1251.h"

#include <QStringList>

namespace zornalit::dbtool {

namespace {

QString headingOf(Problem kind)
{
    switch (kind) {
    case Problem::LineEnds:
        return QStringLiteral("Концы строк");
    case Problem::UnaskableHeader:
        return QStringLiteral("Заголовки, которые никогда не найдутся");
    case Problem::MisreadHeader:
        return QStringLiteral("Заголовки, которые читаются не так, как написаны");
    case Problem::RepeatedHeader:
        return QStringLiteral("Повторы заголовков");
    case Problem::HeaderInBody:
        return QStringLiteral("Заголовки внутри описаний");
    case Problem::MissingTerminator:
        return QStringLiteral("Блоки без строки «@»");
    case Problem::LookAlike:
        return QStringLiteral("Строки, похожие на заголовки");
    case Problem::UnassignedByte:
        return QStringLiteral("Байт 0x98");
    case Problem::Empty:
        return QStringLiteral("Пустая база");
    }
    return {};
}

QString segmentName(const QByteArray& segment)
{
    return cp1251::decode(segment);
}

QString stepsOf(const SegmentHeaders& segment, const StepCodes& codes)
{
    QStringList steps;
    for (int position = 0; position < StepCodes::count; ++position) {
        if (segment.steps[position].exists())
            steps << codes.at(position);
    }
    return steps.join(QStringLiteral(", "));
}

} // namespace

QString checkText(const CheckReport& report, const StepCodes& codes)
{
    QString text;
    for (int kind = 0; kind < problemKinds; ++kind) {
        const Findings& findings = report.findings[kind];
        if (findings.count == 0)
            continue;
        text += QStringLiteral("%1 (%2):\n").arg(headingOf(static_cast<Problem>(kind))).arg(findings.count);
        for (const Finding& finding : findings.first) {
            text += finding.line == 0 ? QStringLiteral("  %1\n").arg(finding.text)
                                      : QStringLiteral("  строка %1: %2\n").arg(finding.line).arg(finding.text);
        }
        if (findings.count > findings.first.size())
            text += QStringLiteral("  … и ещё %1\n").arg(findings.count - findings.first.size());
        text += u'\n';
    }

    const qint64 problems = report.problemCount();
    text += problems == 0 ? QStringLiteral("Замечаний нет.\n") : QStringLiteral("Итого замечаний: %1.\n").arg(problems);
    text += QStringLiteral("Строк: %1, блоков: %2, сегментов: %3.\n")
                .arg(report.lines)
                .arg(report.blocks)
                .arg(report.segments.size());
    if (!report.segments.isEmpty()) {
        text += QStringLiteral("Шаги по сегментам:\n");
        for (const SegmentHeaders& segment : report.segments)
            text += QStringLiteral("  %1: %2\n").arg(segmentName(segment.segment), stepsOf(segment, codes));
    }
    return text;
}

QString coverageText(const CoverageTable& table, const StepCodes& codes)
{
    if (table.segments.isEmpty())
        return QStringLiteral("В базе нет ни одного заголовка, который можно найти.\n");
    QString text;
    for (const SegmentCoverage& segment : table.segments) {
        text += QStringLiteral("Сегмент %1\n  Шаг  Что показывает программа\n").arg(segmentName(segment.segment));
        for (int position = 0; position < StepCodes::count; ++position) {
            const FirstHeader& shown = segment.shown[position];
            const QString what = shown.exists() ? shownText(shown.text) : QStringLiteral("не найдено");
            text += QStringLiteral("  %1 %2\n").arg(codes.at(position), -4).arg(what);
        }
        text += u'\n';
    }
    return text;
}

QString foundBlockText(const FoundBlock& block)
{
    QString text = QStringLiteral("строка %1: %2\n").arg(block.header).arg(block.headerText);
    if (!block.unreachable.isEmpty())
        text += QStringLiteral("  (%1)\n").arg(block.unreachable);
    for (const MatchedLine& line : block.lines)
        text += QStringLiteral("  %1: %2\n").arg(line.line).arg(line.text);
    if (block.matchedLines > block.lines.size())
        text += QStringLiteral("  … и ещё %1 строк(и)\n").arg(block.matchedLines - block.lines.size());
    return text + u'\n';
}

QString reportText(QByteArrayView report)
{
    QString text = cp1251::decode(report);
    text.remove(u'\r');
    return text;
}

} // namespace zornalit::dbtool
