// Compares the one-pass search with a plain model of the lookup that tries
// one step after another, reading the whole file again for each, on many
// random databases and queries.

#include "lookup/Cp1251.h"
#include "lookup/FaultSearch.h"
#include "support/CopiedBlock.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <random>

namespace zornalit {
namespace {

struct ModelOutcome {
    bool found = false;
    QString step;
    QStringList block;
};

// Lines as the rules give them: CR LF or a lone CR ends a line, a lone LF
// does not, and a line end at the end of the file starts no further line.
QStringList modelLines(const QByteArray& bytes)
{
    QStringList lines;
    QByteArray current;
    bool pending = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            lines << cp1251::decode(current);
            current.clear();
            pending = false;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current += bytes[i];
            pending = true;
        }
    }
    if (pending)
        lines << cp1251::decode(current);
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

class RandomDatabase {
public:
    explicit RandomDatabase(std::uint32_t seed) : m_random(seed) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    template <typename T>
    const T& pick(const QList<T>& choices) { return choices[below(static_cast<int>(choices.size()))]; }

    QString segment() { return pick(segments); }
    QString step(const StepCodes& codes) { return below(4) == 0 ? pick(lowSteps) : codes.at(below(StepCodes::count)); }

    QByteArray make(const StepCodes& codes)
    {
        QByteArray bytes;
        const int lineCount = below(40);
        for (int i = 0; i < lineCount; ++i) {
            bytes += line(codes);
            bytes += pick(lineEnds);
        }
        if (below(3) == 0)
            bytes += line(codes); // no line end at the end of the file
        return bytes;
    }

private:
    QByteArray line(const StepCodes& codes)
    {
        switch (below(8)) {
        case 0:
        case 1:
        case 2: {
            QString header = pick(keywords) + pick(spacers) + segment() + pick(dots);
            const QString step = below(5) == 0 ? pick(oddSteps) : this->step(codes);
            header += step + (below(4) == 0 ? QString() : pick(dots));
            if (below(5) == 0)
                header += QStringLiteral(" описание");
            return cp1251::encode(header).value();
        }
        case 3:
            return "@" + junk(below(3));
        case 4:
            return {};
        default:
            // Now and then a line longer than the part of it a header is read from.
            return below(10) == 0 ? junk(17 + below(64)) : junk(below(12));
        }
    }

    QByteArray junk(int length)
    {
        QByteArray bytes;
        for (int i = 0; i < length; ++i) {
            char byte = static_cast<char>(below(256));
            if (byte == '\r')
                byte = '@';
            bytes += byte;
        }
        return bytes;
    }

    std::mt19937 m_random;

    const QStringList segments{"5", "12", "A", "1", "05", " ", "."};
    const QStringList lowSteps{"0", "1", "2", "3"};
    const QStringList oddSteps{" 3", "3 ", "1a", "", "20", "  ", "1\n", "0"};
    const QStringList keywords{u"СЕГМ"_qs, u"СЕГМ"_qs, u"СЕГМ"_qs, u"сегм"_qs, u"CEГM"_qs, u"СЕГ"_qs};
    const QStringList spacers{" ", " ", "", "  "};
    const QStringList dots{".", ".", ".", " ", ""};
    const QList<QByteArray> lineEnds{"\r\n", "\r\n", "\r\n", "\r", "\n", "\n\r"};
};

TEST(FaultSearchDifferential, OnePassEqualsStepByStepPasses)
{
    StepCodes codes;
    codes.fill();
    const std::uint32_t firstSeed = 20240601;
    const int databases = 4000;

    for (int n = 0; n < databases; ++n) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(n);
        RandomDatabase random(seed);
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
