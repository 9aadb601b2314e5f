// Compares the one-pass search with a plain model of the lookup that tries
// one step after another, reading the whole file again for each, on many
// random databases and queries.

#include "lookup/Cp1251.h"
#include "lookup/FaultSearch.h"
#include "support/CopiedBlock.h"
#include "support/ModelLines.h"
#include "support/RandomFaultDatabase.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace zornalit {
namespace {

struct ModelOutcome {
    bool found = false;
    QString step;
    QStringList block;
};

QStringList modelLines(const QByteArray& bytes)
{
    QStringList lines;
    for (const QByteArrayView line : testing::modelLines(bytes))
        lines << cp1251::decode(line);
    return lines;
}

QString withoutSpaces(QString text)
{
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

bool modelHit(const QString& line, const QString& segment, const QString& step)
{
    if (line.mid(0, 4) != u"СЕГМ")
        return false;
    const bool narrow = line.mid(6, 1) == u".";
    const QString segmentField = narrow ? line.mid(5, 1) : line.mid(5, 2);
    QString stepField = line.mid(narrow ? 7 : 8, 2);
    if (stepField.size() == 2 && stepField[1] == u'.')
        stepField = stepField.left(1);
    return segmentField == segment && withoutSpaces(stepField) == withoutSpaces(step);
}

ModelOutcome modelLookup(const QByteArray& bytes, const QString& segment, const QString& askedStep,
                         const StepCodes& codes)
{
    QString step = askedStep;
    bool fellBackToOne = false;
    for (;;) {
        // One pass, from the first line of the file.
        const QStringList lines = modelLines(bytes);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!modelHit(lines[i], segment, step))
                continue;
            ModelOutcome outcome{true, step, {lines[i]}};
            for (qsizetype k = i + 1; k < lines.size() && !lines[k].startsWith(u'@'); ++k)
                outcome.block << lines[k];
            return outcome;
        }
        if (fellBackToOne)
            return {};
        if (withoutSpaces(step) == u"0") {
            step = QStringLiteral("1");
            fellBackToOne = true;
        } else {
            step = codes.at(codes.positionOf(withoutSpaces(step)).value() - 1);
        }
    }
}

TEST(FaultSearchDifferential, OnePassEqualsStepByStepPasses)
{
    StepCodes codes;
    const std::uint32_t firstSeed = 20240601;
    const int databases = 4000;

    for (int n = 0; n < databases; ++n) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(n);
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = random.make(codes);
        const qsizetype chunk = random.below(2) == 0 ? LineReader::defaultChunkBytes : 1 + random.below(16);

        for (int q = 0; q < 4; ++q) {
            const QString segment = random.segment();
            const QString step = random.step(codes);
            const ModelOutcome expected = modelLookup(bytes, segment, step, codes);

            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            const SearchOutcome actual = searchFaults(buffer, {segment, step}, codes, chunk);

            QStringList block;
            if (actual.result == SearchOutcome::Result::Found) {
                for (const QByteArray& line : testing::copiedBlock(bytes, actual.blockStart, chunk))
                    block << cp1251::decode(line);
            }
            const bool same = actual.result == (expected.found ? SearchOutcome::Result::Found
                                                                : SearchOutcome::Result::NotFound)
                && actual.foundStep == expected.step && block == expected.block;
            ASSERT_TRUE(same) << "seed " << seed << ", query " << q << ": segment \"" << segment.toStdString()
                              << "\" step " << step.toStdString() << ", chunk " << chunk
                              << "; model found " << expected.found << " step " << expected.step.toStdString()
                              << " with " << expected.block.size() << " lines, search found "
                              << (actual.result == SearchOutcome::Result::Found) << " step "
                              << actual.foundStep.toStdString() << " with " << block.size() << " lines";
        }
    }
}

} // namespace
} // namespace zornalit
