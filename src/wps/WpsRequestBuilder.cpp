#include "wps/WpsRequestBuilder.h"

#include <algorithm>
#include <cstring>

#include "base/Text.h"

namespace wps {

namespace {

kernel::WpsRequest Blank(uint16_t method, const kernel::ConnectionBlock& block) {
    kernel::WpsRequest request;
    std::memset(&request, 0, sizeof(request)); // padding too: the record goes to the service as bytes
    request.method = method;
    request.marker = kRequestMarker;
    request.blockValue = block.adHocChannel;
    return request;
}

kernel::WpsRequest PinRequest(uint16_t method, std::u16string_view pin, std::u16string_view selectedSsid,
                              const kernel::ConnectionBlock& block) {
    kernel::WpsRequest request = Blank(method, block);
    base::CopyToField(request.pin, pin);
    base::CopyToField(request.ssid, selectedSsid);
    std::copy(std::begin(block.BSSID), std::end(block.BSSID), request.bssid);
    return request;
}

} // namespace

kernel::WpsRequest PushButtonRequest(const kernel::ConnectionBlock& block) {
    return Blank(kernel::kWpsMethodPushButton, block);
}

kernel::WpsRequest AdapterPinRequest(std::u16string_view pin, std::u16string_view selectedSsid,
                                     const kernel::ConnectionBlock& block) {
    return PinRequest(kernel::kWpsMethodAdapterPin, pin, selectedSsid, block);
}

kernel::WpsRequest ApPinRequest(std::u16string_view pin, std::u16string_view selectedSsid,
                                const kernel::ConnectionBlock& block, const RegistrarValues& registrar) {
    kernel::WpsRequest request = PinRequest(kernel::kWpsMethodApPin, pin, selectedSsid, block);
    base::CopyToField(request.newSsid, registrar.ssid);
    request.newSecurity = kRegistrarSecurity;
    request.newFlags = kRegistrarFlags;
    base::CopyToField(request.newPassphrase, registrar.passphrase);
    return request;
}

} // namespace wps
