// Feeds arbitrary file bytes to the sound decoding and checks that what it
// gives stays within the sound memory budget and is a well-formed sound.
// Run with a malloc limit above the budget, so that taking more memory than
// the budget allows, anywhere, is a finding.

#include "platform/sound/SndfileDecoder.h"

#include <QByteArray>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "the sound decoding broke a rule: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zornalit;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    DecodedSound sound;
    QString reason;
    if (!decodeSound(bytes, &sound, &reason)) {
        check(!reason.isEmpty(), "a refusal without a reason");
        for (const QChar c : reason)
            check(!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')), "a reason that is not in Russian");
        check(sound.samples.empty(), "a refused sound was given out");
        return 0;
    }
    check(sound.channels >= 1 && sound.channels <= 64, "a channel count out of range");
    check(sound.sampleRate >= 1, "a sample rate out of range");
    check(qint64(sound.samples.size()) * qint64(sizeof(float)) <= decodedSoundBudgetBytes, "beyond the budget");
    check(sound.samples.size() % std::size_t(sound.channels) == 0, "a frame cut short");
    return 0;
}
