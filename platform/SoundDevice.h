#pragma once

#include <QString>

namespace zornalit {

// What stands behind the multimedia control: open a sound file, play it,
// close it. play() returns at once; sounds queued one after another play in
// turn, each to its end, even when their files are deleted after close().
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Reads and decodes the whole file; false with a reason naming the file.
    virtual bool open(const QString& path, QString* why) = 0;
    // Queues the opened sound on the default audio output.
    virtual bool play(QString* why) = 0;
    // Releases the file.
    virtual void close() = 0;
};

} // namespace zornalit
