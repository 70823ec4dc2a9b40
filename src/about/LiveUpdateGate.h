// One live update at a time: the Update button and the background check share the update library's
// download state, so whichever comes second waits its turn instead of running beside the first.
#pragma once

#include <atomic>

namespace about {

class LiveUpdateGate {
public:
    // True when the caller now holds the gate; false when another live update holds it.
    bool TryClaim() {
        bool expected = false;
        return m_busy.compare_exchange_strong(expected, true);
    }
    void Release() { m_busy = false; }
    bool Busy() const { return m_busy.load(); }

private:
    std::atomic<bool> m_busy{false};
};

} // namespace about
