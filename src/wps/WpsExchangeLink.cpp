#include "wps/WpsExchangeLink.h"

#include <array>
#include <optional>
#include <utility>

#include "base/Format.h"
#include "base/Text.h"
#include "kernel/WpsRequest.h"

namespace wps {
namespace {

constexpr uint32_t kApNameUnits = 64;

} // namespace

void ExchangeLink::Listen(kernel::IWirelessKernel* service, ui::Poster poster) {
    m_service = service;
    m_poster = std::move(poster);
    if (m_service != nullptr) {
        m_service->AddReceiver(this);
        m_listening = true;
    }
}

void ExchangeLink::StartAbort() {
    if (m_abortStarted || m_service == nullptr) {
        return;
    }
    m_abortStarted = true;
    m_abortThread = std::thread([service = m_service] { service->WpsAbort(); });
}

void ExchangeLink::End(bool succeeded) {
    if (m_service == nullptr) {
        return;
    }
    if (succeeded) {
        StopListening();
        m_service->WpsStop();
    } else {
        m_service->Disconnect();
        m_service->WpsStop();
        StopListening();
    }
}

void ExchangeLink::EndBeforeExchange() {
    if (m_service == nullptr) {
        return;
    }
    m_service->WpsStop();
    StopListening();
}

void ExchangeLink::Release() {
    StopListening();
    if (m_abortThread.joinable()) {
        m_abortThread.join();
    }
}

void ExchangeLink::StopListening() {
    if (m_listening && m_service != nullptr) {
        m_service->RemoveReceiver(this);
    }
    m_listening = false;
}

std::u16string ExchangeLink::ApName() const {
    std::array<char16_t, kApNameUnits> name{};
    if (m_service != nullptr) {
        m_service->WpsGetApName(name.data(), kApNameUnits);
    }
    name.back() = 0;
    return std::u16string(base::FieldText(name.data(), name.size()));
}

void ExchangeLink::OnWKWPSStatus(uint32_t code) {
    m_poster.Post(kMsgStatus, code, 0);
}

void ExchangeLink::OnWKDeviceRemoved() {
    m_poster.Post(kMsgDeviceRemoved, 0, 0);
}

std::u16string ProgressTexts::For(uint32_t code, const ExchangeLink& link) const {
    switch (code) {
    case kernel::KWL_WPS_SCANNING:
        return discovery;
    case kernel::KWL_WPS_START_PROTOCOL:
        return exchanging;
    case kernel::KWL_WPS_ASSOCIATING: {
        // A translation may place the name itself; one whose conversions do not fit shows as it is.
        const std::u16string pattern = tryToConnect + u" ";
        const std::u16string apName = link.ApName();
        if (pattern.find(u'%') == std::u16string::npos) {
            return pattern + apName;
        }
        std::optional<std::u16string> text = base::TryFormat(pattern, {apName});
        return text ? *text : pattern;
    }
    default:
        return {};
    }
}

} // namespace wps
