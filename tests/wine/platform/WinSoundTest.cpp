// Sound files through the multimedia library: playing never holds the calling thread, not even for a
// file that is not there (where the system's default sound would otherwise ring).
#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include "platform/win32/WinSound.h"

using platform::win32::WinSound;

namespace {

TEST(WinSound, MissingFileReturnsAndTheNextPlayIsNotHeldUp) {
    WinSound sound;
    // Either answer is right for a missing file; what matters is that the calls come back.
    sound.PlayFile(u"C:\\no such folder\\ConnectToInternet.WAV");
    sound.PlayFile(u"C:\\no such folder\\ConnectToInternet.WAV");
    EXPECT_FALSE(sound.PlayFile(u""));
    EXPECT_FALSE(sound.PlayFile(std::u16string(u"a.wav\0b", 7)));
    PlaySoundW(nullptr, nullptr, 0);
}

} // namespace
