#pragma once

#include <QString>

namespace zornalit {

// What stands behind the multimedia control: open a sound file, play it,
// close it. Either play() returns at once, and sounds queued one after
// another play in turn, each to its end, even when their files are deleted
// after close(); or it returns when the sound has ended. Either way a file
// may be deleted as soon as it is closed.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Opens the file for playing; false with a reason naming the file.
    virtual bool open(const QString& path, QString* why) = 0;
    // Plays the opened sound on the default audio output.
    virtual bool play(QString* why) = 0;
    // Releases the file.
    virtual void close() = 0;
};

} // namespace zornalit
