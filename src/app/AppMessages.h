// Private messages of the main window that other processes and the start-up threads post to it.
#pragma once

#include <cstdint>

// A second copy started with "-setProfile": read "ChangeProfile" and select that profile.
constexpr uint32_t kMsgChangeProfile = 0x812E;
// The close watcher: run the exit sequence.
constexpr uint32_t kMsgExitProgram = 0x8069;
// The show watcher: show the main window unless it is busy. The window shows itself on its own thread;
// a worker that showed it would wait for that thread, which clean-up may be blocking. Outside the
// numbers the main window and its pages already give a meaning.
constexpr uint32_t kMsgShowMainWindow = 0x8140;
