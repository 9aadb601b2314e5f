#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace zornalit {

// The path the waveaudio device is given for a file, or why there is none.
struct MciPath {
    QString path;
    // Why no path reaches the device, in words to follow a sentence that
    // names the file; empty when path is set.
    QString problem;
};

// Windows' waveaudio device may take the path through the ANSI code page,
// where letters outside it turn into question marks and the file is then
// "not found". A path that comes through the code page unchanged is given
// as it is; otherwise its short (8.3) form, when it has one that comes
// through; otherwise none. survivesCodePage tells whether a path comes
// through unchanged; shortPath is the path's short form, if the file system
// gives one (with short names turned off it is the long path again).
MciPath mciPath(const QString& path, const std::optional<QString>& shortPath,
    const std::function<bool(const QString&)>& survivesCodePage);

} // namespace zornalit
