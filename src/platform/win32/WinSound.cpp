#include "platform/win32/WinSound.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace platform::win32 {

bool WinSound::PlayFile(std::u16string_view path) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        return false;
    }
    std::wstring file(path.begin(), path.end());
    // Played in the background: the caller is a window's thread, which must keep answering while the
    // sound runs. The multimedia library keeps its own copy of the name. Without SND_NODEFAULT a
    // missing file would ring the system's default sound instead of staying silent.
    return PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

} // namespace platform::win32
