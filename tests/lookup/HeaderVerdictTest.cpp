// The check's verdict on a header must agree with the lookup's own reading
// of it, whichever way the verdict was reached.

#include "lookup/HeaderVerdict.h"
#include "lookup/Cp1251.h"
#include "lookup/HeaderLine.h"
#include "lookup/QueryInput.h"

#include <gtest/gtest.h>

#include <random>

namespace zornalit {
namespace {

TEST(HeaderVerdict, AgreesWithTheLookupsReading)
{
    StepCodes codes;
    const QByteArray keyword = "\xD1\xC5\xC3\xCC";
    const QByteArray alphabet = " .01259AF1Gaz\xC0\xE0";
    std::mt19937 random(11);
    QByteArrayList lines = {keyword + " 5.3.", keyword + " 12.1F.", keyword + " 5.100.", keyword + " 12.3 .",
        keyword + " 5.1F", keyword + " 05.3.", keyword + "5.3.", keyword + " 5.", keyword};
    for (int i = 0; i < 20000; ++i) {
        QByteArray line = keyword;
        const int length = static_cast<int>(random() % 9);
        for (int k = 0; k < length; ++k)
            line += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
        lines << line;
    }

    for (const QByteArray& line : lines) {
        const HeaderFields fields = readHeaderFields(line);
        const QString step = cp1251::decode(trimmedStep(fields.step));
        const QueryBoxes asked{cp1251::decode(fields.segment), step};
        const QueryCheck check = normaliseQuery(asked, codes);

        const HeaderVerdict verdict = judgeHeader(line, codes);
        ASSERT_EQ(verdict.segment, fields.segment) << line.toStdString();
        ASSERT_EQ(verdict.stepPosition, codes.positionOf(step).value_or(-1)) << line.toStdString();
        ASSERT_EQ(verdict.askable, check.passed() && check.boxes == asked) << line.toStdString();
        if (!verdict.askable) {
            ASSERT_FALSE(verdict.reasons.isEmpty()) << line.toStdString();
        }
    }
}

} // namespace
} // namespace zornalit
