// Events of the wireless service library, called on the library's own thread for every added receiver.
// The slot order is the binary contract with the library.
#pragma once

#include <cstdint>

namespace kernel {

class INotificationReceiver {
public:
    virtual void OnWKDeviceLoaded() = 0;                     // 0: adapter arrived
    virtual void OnWKDeviceRemoved() = 0;                    // 1: adapter gone
    virtual void OnWKReserved2() = 0;                        // 2
    virtual void OnWKReserved3() = 0;                        // 3
    virtual void OnWKZeroCfgChanged(uint8_t flag) = 0;       // 4: 1 Windows owns the adapter
    virtual void OnWKRadioChanged(uint8_t on) = 0;           // 5
    virtual void OnWKSiteSurveyBegun() = 0;                  // 6: also for surveys the service starts itself
    virtual void OnWKSiteSurveyed() = 0;                     // 7: the survey ended; the list can be read
    virtual void OnWKAdapterChanged() = 0;                   // 8: state-change notice
    virtual void OnWKAssociationChanged() = 0;               // 9: state-change notice (association)
    virtual void OnWKAddressChanged() = 0;                   // 10: state-change notice (address)
    virtual void OnWKQuietRefresh() = 0;                     // 11: status records changed, nothing to show
    virtual void OnWKInternetChanged(uint8_t reachable) = 0; // 12
    virtual void OnWKLinkNotice(uint32_t value) = 0;         // 13: link quality moved
    virtual void OnWKReserved14() = 0;                       // 14
    virtual void OnWKRateChanged() = 0;                      // 15: state-change notice
    virtual void OnWKChannelChanged() = 0;                   // 16: state-change notice
    virtual void OnWKWPSStatus(uint32_t code) = 0;           // 17: WPS progress, kernel/WpsRequest.h codes

protected:
    ~INotificationReceiver() = default;
};

// Receivers handle a few events; this base gives the others their empty bodies.
class NotificationReceiverBase : public INotificationReceiver {
public:
    void OnWKDeviceLoaded() override {}
    void OnWKDeviceRemoved() override {}
    void OnWKReserved2() override {}
    void OnWKReserved3() override {}
    void OnWKZeroCfgChanged(uint8_t) override {}
    void OnWKRadioChanged(uint8_t) override {}
    void OnWKSiteSurveyBegun() override {}
    void OnWKSiteSurveyed() override {}
    void OnWKAdapterChanged() override {}
    void OnWKAssociationChanged() override {}
    void OnWKAddressChanged() override {}
    void OnWKQuietRefresh() override {}
    void OnWKInternetChanged(uint8_t) override {}
    void OnWKLinkNotice(uint32_t) override {}
    void OnWKReserved14() override {}
    void OnWKRateChanged() override {}
    void OnWKChannelChanged() override {}
    void OnWKWPSStatus(uint32_t) override {}

protected:
    ~NotificationReceiverBase() = default;
};

} // namespace kernel
