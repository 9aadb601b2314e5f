#include "HeaderLine.h"

#include <cstring>

namespace zornalit {

bool beginsWithKeyword(QByteArrayView line)
{
    return line.size() >= headerKeywordLength && std::memcmp(line.data(), headerKeyword, headerKeywordLength) == 0;
}

QByteArrayView trimmedStep(QByteArrayView step)
{
    while (!step.isEmpty() && step.front() == ' ')
        step = step.sliced(1);
    while (!step.isEmpty() && step.back() == ' ')
        step.chop(1);
    return step;
}

} // namespace zornalit
