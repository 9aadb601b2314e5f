#pragma once

#include "DecodedSound.h"
#include "platform/SoundFileBudget.h"

#include <QByteArray>
#include <QString>

namespace zornalit {

// The memory one sound may take while it is decoded: its file's bytes
// (soundFileBudgetBytes), held while they are read, and its samples as
// 32-bit floats. A sound that needs more is refused before the memory is
// taken, whatever its header says.
constexpr qint64 decodedSoundBudgetBytes = 16 * 1024 * 1024;

// Decodes a whole sound held in memory (any encoding libsndfile knows: PCM
// of any width, float, A-law, ADPCM, FLAC, …) into at most
// decodedSoundBudgetBytes of samples. False with a Russian reason that names
// no file.
bool decodeSound(const QByteArray& bytes, DecodedSound* sound, QString* reason);

// Reads a sound file of at most soundFileBudgetBytes and decodes it. The
// file is closed again before this returns. False with a Russian reason
// naming the file.
bool decodeSoundFile(const QString& path, DecodedSound* sound, QString* why);

} // namespace zornalit
