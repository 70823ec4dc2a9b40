// What the two WPS process pages (103 and 105/106) share in dealing with the service. The link is the
// page's receiver: service events arrive on the library's thread and are only posted to the page.
// WpsAbort may block inside the service, so it runs on a thread of the link's own that the page joins
// before it goes: nothing is left running and nothing is ever terminated. And the exchange ends in the
// one order the service expects.
#pragma once

#include <cstdint>
#include <string>
#include <thread>

#include "kernel/INotificationReceiver.h"
#include "kernel/IWirelessKernel.h"
#include "ui/Poster.h"

namespace wps {

class ExchangeLink final : public kernel::NotificationReceiverBase {
public:
    // Posted to the page: a status (wParam = code) and the adapter's removal.
    static constexpr uint32_t kMsgStatus = 0x8070;
    static constexpr uint32_t kMsgDeviceRemoved = 0x8071;

    ExchangeLink() = default;
    ~ExchangeLink() { Release(); }
    ExchangeLink(const ExchangeLink&) = delete;
    ExchangeLink& operator=(const ExchangeLink&) = delete;

    // Starts listening to `service` (nothing without one); events reach the page through `poster`.
    void Listen(kernel::IWirelessKernel* service, ui::Poster poster);

    // WpsAbort once, on the link's thread; later calls do nothing.
    void StartAbort();
    bool AbortStarted() const { return m_abortStarted; }

    // The page closes after the exchange ran: after a success it stops listening and then the exchange;
    // otherwise the adapter lets go of the network first and the page listens until the exchange has
    // stopped (Disconnect, WpsStop, RemoveReceiver).
    void End(bool succeeded);
    // The page closes before any exchange was asked for: WpsStop, RemoveReceiver.
    void EndBeforeExchange();
    // The page is going, however it went: no longer listening, and the abort's thread joined.
    void Release();

    // The access point's name as the service reports it during the association.
    std::u16string ApName() const;

    void OnWKWPSStatus(uint32_t code) override;
    void OnWKDeviceRemoved() override;

private:
    void StopListening();

    kernel::IWirelessKernel* m_service = nullptr;
    ui::Poster m_poster;
    bool m_listening = false;
    bool m_abortStarted = false;
    std::thread m_abortThread;
};

// The status line both process pages show while the exchange runs, from their translated texts; empty
// for a code that does not change it.
struct ProgressTexts {
    std::u16string discovery;
    std::u16string exchanging;
    std::u16string tryToConnect;

    std::u16string For(uint32_t code, const ExchangeLink& link) const;
};

} // namespace wps
