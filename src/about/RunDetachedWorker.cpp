#include <thread>

#include "about/LiveUpdateServices.h"
#include "app/AppGlobals.h"

namespace about {

void RunDetachedWorker(std::function<void()> job) {
    // Detached: a download blocked on a silent server must not hold the dialog (or the program) that
    // no longer wants its answer.
    std::thread([work = std::move(job)] {
        if (platform::SystemInfo* system = AppSystem()) {
            system->LowerCurrentThreadPriority();
        }
        work();
    }).detach();
}

} // namespace about
