#pragma once

// Small random fault databases full of near-misses: headers with odd
// spacing, look-alike keywords, odd steps, stray terminators, every kind of
// line end and random bytes. The same seed gives the same database.

#include "lookup/Cp1251.h"
#include "lookup/StepCodes.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <random>

namespace zornalit::testing {

class RandomFaultDatabase {
public:
    explicit RandomFaultDatabase(std::uint32_t seed)
        : m_random(seed)
    {
    }

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    template <typename T>
    const T& pick(const QList<T>& choices)
    {
        return choices[below(static_cast<int>(choices.size()))];
    }

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

} // namespace zornalit::testing
