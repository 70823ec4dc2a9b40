#include "kernel/WpsRequest.h"

namespace kernel {

const char16_t* WpsStatusName(uint32_t code) {
    static const char16_t* const kEapNames[8] = {u"KWL_WPS_EAP_M1", u"KWL_WPS_EAP_M2", u"KWL_WPS_EAP_M3",
                                                 u"KWL_WPS_EAP_M4", u"KWL_WPS_EAP_M5", u"KWL_WPS_EAP_M6",
                                                 u"KWL_WPS_EAP_M7", u"KWL_WPS_EAP_M8"};
    if (code >= KWL_WPS_EAP_M1 && code <= KWL_WPS_EAP_M8 && code % 0x10 == 0) {
        return kEapNames[(code - KWL_WPS_EAP_M1) / 0x10];
    }
    switch (code) {
    case WPS_ST_HW_BUTTON:
        return u"WPS_ST_HW_BUTTON";
    case WPS_ST_HW_CANCEL:
        return u"WPS_ST_HW_CANCEL";
    case KWL_WPS_STARTING:
        return u"KWL_WPS_STARTING";
    case KWL_WPS_SCANNING:
        return u"KWL_WPS_SCANNING";
    case KWL_WPS_SCANNED:
        return u"KWL_WPS_SCANNED";
    case KWL_WPS_ASSOCIATING:
        return u"KWL_WPS_ASSOCIATING";
    case KWL_WPS_ASSOCIATED:
        return u"KWL_WPS_ASSOCIATED";
    case KWL_WPS_START_PROTOCOL:
        return u"KWL_WPS_START_PROTOCOL";
    case KWL_WPS_CARD_RESTARTING:
        return u"KWL_WPS_CARD_RESTARTING";
    case KWL_WPS_CARD_RESTARTED:
        return u"KWL_WPS_CARD_RESTARTED";
    case KWL_WPS_SUCCESS:
        return u"KWL_WPS_SUCCESS";
    case KWL_WPS_FAILURE:
        return u"KWL_WPS_FAILURE";
    case KWL_WPS_CANCELLED:
        return u"KWL_WPS_CANCELLED";
    case KWL_WPS_TIMEOUT:
        return u"KWL_WPS_TIMEOUT";
    case KWL_WPS_NO_AP_FOUND:
        return u"KWL_WPS_NO_AP_FOUND";
    case KWL_WPS_MANY_APS_IN_PB_MODE:
        return u"KWL_WPS_MANY_APS_IN_PB_MODE";
    default:
        return nullptr;
    }
}

} // namespace kernel
