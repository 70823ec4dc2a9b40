#include "mainwnd/ConnectWorker.h"

#include <vector>

#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "mainwnd/AnyNetworkChoice.h"
#include "mainwnd/ConnectMode.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/NetworkList.h"
#include "profiles/ProfileStore.h"

namespace mainwnd {
namespace {

// Keys and passphrases never reach the debug output, which any program of the session can read; the
// line only tells whether there was one.
std::u16string_view Masked(std::u16string_view secret) {
    return secret.empty() ? std::u16string_view() : std::u16string_view(u"********");
}

std::optional<uint8_t> ScannedRadioModes(const std::vector<kernel::BssEntry>& networks,
                                         std::u16string_view name) {
    for (const kernel::BssEntry& entry : networks) {
        if (base::FieldText(entry.ssid) == name) {
            return entry.radioModes;
        }
    }
    return std::nullopt;
}

} // namespace

void ConnectRequests::Raise(int profileIndex, bool conditional) {
    std::lock_guard lock(m_mutex);
    m_request.pending = true;
    m_request.profileIndex = profileIndex;
    m_request.conditional = conditional;
    ++m_request.serial;
}

void ConnectRequests::SelectProfile(int profileIndex) {
    std::lock_guard lock(m_mutex);
    m_request.profileIndex = profileIndex;
}

ConnectRequests::Request ConnectRequests::Current() const {
    std::lock_guard lock(m_mutex);
    return m_request;
}

bool ConnectRequests::Pending() const {
    std::lock_guard lock(m_mutex);
    return m_request.pending;
}

int ConnectRequests::ProfileIndex() const {
    std::lock_guard lock(m_mutex);
    return m_request.profileIndex;
}

void ConnectRequests::Clear(uint64_t serial) {
    std::lock_guard lock(m_mutex);
    if (m_request.serial == serial) {
        m_request.pending = false;
        m_request.conditional = false;
    }
}

void ConnectRequests::Clear() {
    std::lock_guard lock(m_mutex);
    m_request.pending = false;
    m_request.conditional = false;
}

void ConnectRequests::SetAutomaticMark() {
    std::lock_guard lock(m_mutex);
    m_automatic = true;
}

bool ConnectRequests::TakeAutomaticMark() {
    std::lock_guard lock(m_mutex);
    bool was = m_automatic;
    m_automatic = false;
    return was;
}

bool ConnectRequests::AutomaticMark() const {
    std::lock_guard lock(m_mutex);
    return m_automatic;
}

ConnectWorkerSources ProgramConnectSources(ui::Poster window) {
    ConnectWorkerSources sources;
    sources.kernel = [] { return g_pnKernel; };
    sources.window = std::move(window);
    sources.anyNetworkText = [] { return AnyNetworkText(); };
    sources.regionCode = [] { return CopyLinkRecords().adapter.regionCode; };
    return sources;
}

ConnectWorker::ConnectWorker(ConnectRequests& requests, ConnectWorkerSources sources)
    : m_requests(requests), m_sources(std::move(sources)) {}

uint32_t ConnectWorker::Step() {
    ConnectRequests::Request request = m_requests.Current();
    if (!request.pending) {
        m_accepted = false;
        return kConnectPollMs;
    }
    // The checks belong to the request, not to each round spent waiting for the survey.
    if (!m_accepted || m_acceptedSerial != request.serial) {
        if (!Accept(request)) {
            m_accepted = false;
            m_requests.Clear(request.serial);
            return kConnectPollMs;
        }
        m_accepted = true;
        m_acceptedSerial = request.serial;
    }
    if (!g_bScanDone) {
        return kScanWaitPollMs;
    }
    m_accepted = false;
    kernel::IWirelessKernel* kernel = m_sources.kernel ? m_sources.kernel() : nullptr;
    if (kernel != nullptr) {
        kernel::WirelessProfile profile = ProfileFor(request.profileIndex);
        if (std::optional<kernel::ConnectionBlock> block = Prepare(profile)) {
            Connect(*kernel, *block, profile);
        }
    }
    m_requests.Clear(request.serial);
    return kConnectPollMs;
}

bool ConnectWorker::Accept(const ConnectRequests::Request& request) {
    if (g_bZeroConfig) {
        return false; // Windows owns the adapter: connecting is its business
    }
    if (!m_sources.kernel || m_sources.kernel() == nullptr) {
        return false;
    }
    if (request.conditional && (CopyLinkRecords().connection.flags & kernel::kConnectionNotAssociated) == 0) {
        return false; // only meant to pick the adapter up when it has no link
    }
    return true;
}

kernel::WirelessProfile ConnectWorker::ProfileFor(int profileIndex) const {
    if (profileIndex >= 0 && static_cast<size_t>(profileIndex) < profiles::kProfileSlots) {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        const kernel::WirelessProfile& stored = profiles::ProfileTable[profileIndex];
        if (stored.ConfigurationName[0] != u'\0') {
            return stored;
        }
    }
    if (profileIndex != kSelectedProfile) {
        // A slot emptied since the index was chosen (profile deleted, table reloaded): an all-zero
        // record would connect with no security settings at all.
        base::Trace(
            base::Format(u"VX_GUI: no stored profile at index %d, using the current one", {profileIndex}));
    }
    return profiles::CopyCurrentProfile();
}

std::optional<kernel::ConnectionBlock> ConnectWorker::Prepare(kernel::WirelessProfile profile) {
    const std::vector<kernel::BssEntry> networks = networks::CopyNetworkList();
    std::u16string name(base::FieldText(profile.NetworkName));
    const std::u16string anyText = m_sources.anyNetworkText ? m_sources.anyNetworkText() : std::u16string();
    if (name.empty() || name == anyText) {
        std::optional<kernel::BssEntry> chosen = ChooseAnyNetwork(networks);
        if (!chosen) {
            base::Trace(u"VX_GUI: no open network in range for the any-network profile");
            return std::nullopt;
        }
        name = std::u16string(base::FieldText(chosen->ssid));
    }

    kernel::ConnectionBlock& block = profile.block;
    if (block.NetworkConnectType == kernel::kNetworkAdHoc && block.adHocChannel == 0) {
        const bool band11a = block.adHocMode == kernel::KWL_FLAG_WIRELESS_MODE_802_11A;
        const uint32_t region = m_sources.regionCode ? m_sources.regionCode() : 0;
        block.adHocChannel = m_rotation.Next(OrderByUse(AdHocCandidates(band11a, region), networks), band11a);
    } else if (block.NetworkConnectType == kernel::kNetworkInfrastructure) {
        ConnectMode mode =
            ChooseConnectMode(profile.wirelessModes, block.adHocMode, ScannedRadioModes(networks, name));
        block.adHocMode =
            m_requests.TakeAutomaticMark() ? kernel::KWL_FLAG_WIRELESS_MODE_AUTO : mode.modeWord;
        if (mode.bandMode) {
            g_bBandMode = *mode.bandMode;
        }
        if (mode.ht5G) {
            g_bHtAllowed5G = *mode.ht5G;
        }
        if (mode.ht24G) {
            g_bHtAllowed24G = *mode.ht24G;
        }
    }
    base::CopyToField(block.ssid, name);
    return block;
}

void ConnectWorker::Connect(kernel::IWirelessKernel& kernel, kernel::ConnectionBlock& block,
                            const kernel::WirelessProfile& profile) {
    g_bInternetReachable = false;
    base::Trace(u"**Before trigger Connect **");
    const bool wep = (block.securityFlags & kernel::kCipherWep) != 0;
    std::u16string_view passphrase =
        wep ? base::FieldText(profile.wepPassphrase) : base::FieldText(block.psk);
    std::u16string line =
        base::Format(u"Network Name = %s, Sec = %u, passphrase = %s",
                     {base::FieldText(block.ssid), block.securityFlags, Masked(passphrase)});
    if (wep) {
        std::u16string_view key =
            block.defaultKey < 4 ? base::FieldText(block.wepKeys[block.defaultKey]) : std::u16string_view();
        line +=
            base::Format(u", keyIdex = %d, keyValue = %s", {static_cast<int>(block.defaultKey), Masked(key)});
    }
    base::Trace(line);
    kernel.ConnectWithBlock(&block);
    base::Trace(u"**Exit trigger Connect**");
    m_sources.window.Post(kMsgConnectStarted);
}

} // namespace mainwnd
