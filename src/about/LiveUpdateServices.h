// What the live update asks of the platform: the update library, starting the installer, the calendar
// for the time of the last check, worker threads for the library's blocking calls and the program's own
// Internet test. The program's set comes from ProgramLiveUpdateServices(); tests build their own.
#pragma once

#include <functional>
#include <memory>

#include "about/UpdateLibrary.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/WallClock.h"

namespace about {

struct LiveUpdateServices {
    // Loads the library for one live-update object; never null.
    std::function<std::shared_ptr<UpdateLibrary>()> openLibrary;
    platform::Shell* shell = nullptr;
    platform::WallClock* calendar = nullptr;
    // Runs a job on a worker of lowest priority that nobody waits for: a blocking library call may
    // outlive the dialog that started it (the job holds what it needs).
    std::function<void(std::function<void()>)> runWorker;
    // The program's own Internet test (a name lookup; a failure holds the caller a second).
    std::function<bool()> internetReachableNow;
    // Whether the About page runs the background check on a thread of its own (tests step it).
    bool backgroundThread = true;
    // Reads the downloaded installer to compare it with what the server announced.
    platform::FileSystem* files = nullptr;
};

// The program's services; on a system without the update library it loads nothing.
LiveUpdateServices& ProgramLiveUpdateServices();

// Runs `job` on a detached thread at the lowest priority (the program's runWorker).
void RunDetachedWorker(std::function<void()> job);

} // namespace about
