#pragma once

// The lookup's rules written plainly, apart from the code under test, for
// the tests that check the search against them: a header's fields read by
// position from the decoded line, and the steps tried one pass each, best
// first, over the whole file.

#include "lookup/Cp1251.h"
#include "lookup/StepCodes.h"
#include "support/ModelLines.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace zornalit::testing {

struct ModelLine {
    QByteArrayView bytes;
    QString segment; // of a header; empty otherwise
    QString step;    // without the spaces around it
};

inline QByteArrayView withoutSpaces(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

// A header begins with "СЕГМ"; the segment is position 6, or 6 and 7 when
// position 7 holds no "."; the step the two characters after the segment's
// dot, or one when a "." follows it.
inline ModelLine modelLine(QByteArrayView line)
{
    ModelLine model{line, {}, {}};
    if (line.size() < 4 || line.first(4) != QByteArrayView("\xD1\xC5\xC3\xCC"))
        return model;
    const auto mid = [&](qsizetype from, qsizetype count) {
        return from >= line.size() ? QByteArrayView() : line.sliced(from, std::min(count, line.size() - from));
    };
    const bool narrow = line.size() > 6 && line[6] == '.';
    QByteArrayView step = mid(narrow ? 7 : 8, 2);
    if (step.size() == 2 && step[1] == '.')
        step = step.first(1);
    model.segment = cp1251::decode(mid(5, narrow ? 1 : 2));
    model.step = cp1251::decode(withoutSpaces(step));
    return model;
}

inline QList<ModelLine> modelHeaderLines(QByteArrayView bytes)
{
    QList<ModelLine> lines;
    for (const QByteArrayView line : modelLines(bytes))
        lines << modelLine(line);
    return lines;
}

// The steps tried, best first: the one asked for, every lower code down to
// "0", then "1" once more.
inline QStringList modelSteps(const QString& step, const StepCodes& codes)
{
    int position = -1;
    for (int p = 0; p < StepCodes::count; ++p) {
        if (codes.at(p) == step)
            position = p;
    }
    QStringList steps;
    for (int p = position; p >= 0; --p)
        steps << codes.at(p);
    steps << QStringLiteral("1");
    return steps;
}

struct ModelOutcome {
    bool found = false;
    QString step;
    // The block: its header line and every line after it up to the first
    // that begins with "@".
    QList<QByteArrayView> block;
};

// One pass over the whole database for each step in turn; the first header
// of the segment and the step ends the walk.
inline ModelOutcome modelLookup(
    QByteArrayView database, const QString& segment, const QString& step, const StepCodes& codes)
{
    const QList<ModelLine> lines = modelHeaderLines(database);
    for (const QString& tried : modelSteps(step, codes)) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].segment != segment || lines[i].step != tried)
                continue;
            ModelOutcome outcome{true, tried, {lines[i].bytes}};
            for (qsizetype k = i + 1; k < lines.size() && !lines[k].bytes.startsWith('@'); ++k)
                outcome.block << lines[k].bytes;
            return outcome;
        }
    }
    return {};
}

} // namespace zornalit::testing
