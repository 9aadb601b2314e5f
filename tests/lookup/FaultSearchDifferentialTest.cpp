// Compares the one-pass search with the plain model of the lookup that tries
// one step after another over the whole file (support/ModelLookup.h), on
// many random databases and queries.

#include "lookup/Cp1251.h"
#include "lookup/FaultSearch.h"
#include "support/CopiedBlock.h"
#include "support/ModelLookup.h"
#include "support/RandomFaultDatabase.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace zornalit {
namespace {

TEST(FaultSearchDifferential, OnePassEqualsStepByStepPasses)
{
    StepCodes codes;
    const std::uint32_t firstSeed = 20240601;
    const int databases = 4000;

    for (int n = 0; n < databases; ++n) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(n);
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = random.make(codes);
        const qsizetype chunk = random.below(2) == 0 ? LineScan::defaultChunkBytes : 1 + random.below(16);

        for (int q = 0; q < 4; ++q) {
            const QString segment = random.segment();
            const QString step = random.step(codes);
            const testing::ModelOutcome expected = testing::modelLookup(bytes, segment, step, codes);
            QStringList expectedBlock;
            for (const QByteArrayView line : expected.block)
                expectedBlock << cp1251::decode(line);

            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            const SearchOutcome actual = searchFaults(buffer, {segment, step}, codes, chunk);

            QStringList block;
            if (actual.result == SearchOutcome::Result::Found) {
                for (const QByteArray& line : testing::copiedBlock(bytes, actual.blockStart, chunk))
                    block << cp1251::decode(line);
            }
            const bool same = actual.result
                    == (expected.found ? SearchOutcome::Result::Found : SearchOutcome::Result::NotFound)
                && actual.foundStep == expected.step && block == expectedBlock;
            ASSERT_TRUE(same) << "seed " << seed << ", query " << q << ": segment \"" << segment << "\" step " << step
                              << ", chunk " << chunk << "; model found " << expected.found << " step " << expected.step
                              << " with " << expectedBlock.size() << " lines, search found "
                              << (actual.result == SearchOutcome::Result::Found) << " step " << actual.foundStep
                              << " with " << block.size() << " lines";
        }
    }
}

} // namespace
} // namespace zornalit
