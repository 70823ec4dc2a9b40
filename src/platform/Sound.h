// Sound files played to mark an event, such as the Internet becoming reachable.
#pragma once

#include <string_view>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing the sound file at `path` and returns at once; a sound still playing is cut off.
    // False when playing could not start (no such file, no sound device). A missing file stays silent
    // rather than playing the system's default sound.
    virtual bool PlayFile(std::u16string_view path) = 0;
};

} // namespace platform
