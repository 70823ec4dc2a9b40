// Private messages of the main window that other processes and the start-up threads post to it.
#pragma once

#include <cstdint>

// A second copy started with "-setProfile": read "ChangeProfile" and select that profile.
constexpr uint32_t kMsgChangeProfile = 0x812E;
// The close watcher: run the exit sequence.
constexpr uint32_t kMsgExitProgram = 0x8069;
