#include "mainwnd/ProfileFallback.h"

#include <mutex>

#include "app/AppGlobals.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "mainwnd/LinkStatus.h"
#include "profiles/ProfileStore.h"

namespace mainwnd {
namespace {

bool Ask(const std::function<bool()>& source) {
    return source && source();
}

// Whether the CurrentProfile is the one the table holds in slot 1, the slot a fallback from the selected
// profile would otherwise start with.
bool CurrentIsSlot1(int count) {
    std::lock_guard lock(profiles::ProfileStoreMutex());
    std::u16string_view name = base::FieldText(profiles::CurrentProfile.ConfigurationName);
    return !name.empty() && profiles::FindProfile(count, name) == 1;
}

} // namespace

std::optional<int> NextFallbackIndex(int current, int count, bool currentIsSlot1) {
    if (count <= 0) {
        return std::nullopt;
    }
    if (count == 1) {
        return 0;
    }
    if (current < 0) {
        return currentIsSlot1 && count > 2 ? 2 : 1;
    }
    int next = current + 1;
    return next < count ? next : 1;
}

ProfileFallbackSources ProgramFallbackSources(std::function<bool()> busy,
                                              std::function<bool()> wpsPushButtonRunning) {
    ProfileFallbackSources sources;
    sources.kernel = [] { return g_pnKernel; };
    sources.busy = std::move(busy);
    sources.wpsPushButtonRunning = std::move(wpsPushButtonRunning);
    sources.adapterPresent = [] { return DevicePresent.load(); };
    return sources;
}

ProfileFallback::ProfileFallback(ConnectRequests& requests, platform::Clock& clock,
                                 ProfileFallbackSources sources)
    : m_requests(requests), m_clock(clock), m_sources(std::move(sources)), m_lastGood(clock.TickCount()) {}

void ProfileFallback::Restart() {
    m_restart = true;
}

void ProfileFallback::ResetClock() {
    m_lastGood = m_clock.TickCount();
    m_misses = 0;
}

bool ProfileFallback::Skipped() const {
    if (Ask(m_sources.busy) || Ask(m_sources.wpsPushButtonRunning)) {
        return true;
    }
    // An ad-hoc network the user started waits for peers; having none is no reason to leave it.
    return m_requests.ProfileIndex() == kSelectedProfile &&
           profiles::CopyCurrentProfile().block.NetworkConnectType == kernel::kNetworkAdHoc;
}

uint32_t ProfileFallback::Step() {
    if (m_restart.exchange(false) || Skipped()) {
        ResetClock();
        return kFallbackPollMs;
    }
    if (m_clock.TickCount() - m_lastGood <= kFallbackGraceMs || !Ask(m_sources.adapterPresent)) {
        return kFallbackPollMs;
    }
    kernel::IWirelessKernel* kernel = m_sources.kernel ? m_sources.kernel() : nullptr;
    if (kernel == nullptr) {
        return kFallbackPollMs;
    }
    if (!IsNotAssociated(RefreshConnection(*kernel))) {
        ResetClock();
        return kFallbackPollMs;
    }
    if (++m_misses > kFallbackMissesAllowed) {
        FallBack();
    }
    return kFallbackPollMs;
}

void ProfileFallback::FallBack() {
    const int count = profiles::CountProfiles();
    const int current = m_requests.ProfileIndex();
    std::optional<int> next = NextFallbackIndex(current, count, current < 0 && CurrentIsSlot1(count));
    // The new attempt gets the same grace as any other before it is judged; without this the next
    // round would count one more miss and move on again before the library had even started.
    ResetClock();
    if (!next) {
        return;
    }
    base::Trace(base::Format(u"VX_GUI: no link, trying profile index %d", {*next}));
    m_requests.Raise(*next);
}

} // namespace mainwnd
