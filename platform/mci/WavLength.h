#pragma once

#include <QString>
#include <QtGlobal>

class QIODevice;

namespace zornalit {

// How long a WAV file plays, worked out from its own chunks rather than from
// the byte rate its header declares: a header whose byte rate lies makes
// Windows' waveaudio device report a length far from the one it then plays.
struct WavLength {
    // Whole milliseconds, rounded up; meaningful only when problem is empty.
    qint64 milliseconds = 0;
    // Why the length cannot be told, in words to follow a sentence that
    // names the file; empty when it can.
    QString problem;
};

// The most chunks looked at before the format and the sound data must have
// been found: every chunk costs a read, and a file of a million tiny chunks
// must not keep the window waiting while they are walked.
constexpr int wavChunksLooked = 64;

// Reads the length of the WAV file in a random-access device open for
// reading, from its position 0. It reads at most a few kilobytes whatever
// the file holds: the chunks' headers, the format and the sample count,
// skipping everything else by seeking.
//
// Samples of a fixed size (PCM, floats, A-law, mu-law, also inside the
// extensible format) play for the data's bytes divided by the block size,
// divided by the sample rate; the block size must agree with the channels
// and the sample width. A compressed sound must give its sample count in a
// "fact" chunk; it plays for the longer of that count at its rate and of its
// data at its declared byte rate. Sizes running past the end of the file
// count only what is in the file; a chunk of odd size is followed by a pad
// byte, or by none where a careless writer left it out.
WavLength wavLength(QIODevice& file);

} // namespace zornalit
