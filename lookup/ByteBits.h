#pragma once

// Where one byte value stands among 64 bytes, as the bits of a word: the
// line readers find line ends and rare bytes 64 bytes at a time this way.

#include <QtGlobal>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZORNALIT_SSE2 1
#endif

namespace zornalit {

// Bit i tells whether bytes[i] equals byte, for the bytes from bytes to end,
// at most 64.
inline quint64 bitsOf(const char* bytes, const char* end, char byte)
{
    quint64 bits = 0;
    for (int i = 0; bytes + i < end; ++i)
        bits |= static_cast<quint64>(bytes[i] == byte) << i;
    return bits;
}

// The same for 64 bytes.
inline quint64 bitsOf(const char* bytes, char byte)
{
#ifdef ZORNALIT_SSE2
    const __m128i wanted = _mm_set1_epi8(byte);
    quint64 bits = 0;
    for (int offset = 0; offset < 64; offset += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + offset));
        bits |= static_cast<quint64>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)))) << offset;
    }
    return bits;
#else
    return bitsOf(bytes, bytes + 64, byte);
#endif
}

} // namespace zornalit
