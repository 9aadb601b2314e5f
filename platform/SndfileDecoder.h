#pragma once

#include "DecodedSound.h"

#include <QString>

namespace zornalit {

// Sounds longer than this are refused rather than decoded into memory.
constexpr int longestSoundSeconds = 600;

// Reads and decodes a whole sound file (any encoding libsndfile knows:
// PCM of any width, float, A-law, ADPCM, …). The file is closed again
// before this returns. False with a Russian reason naming the file.
bool decodeSoundFile(const QString& path, DecodedSound* sound, QString* why);

} // namespace zornalit
