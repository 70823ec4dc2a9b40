#include "platform/win32/WinText.h"

#include <cfgmgr32.h>
#include <setupapi.h>

#include "platform/win32/WinAppPlatform.h"

namespace platform::win32 {

std::vector<UsbDevice> WinUsbDevices::Present() {
    std::vector<UsbDevice> devices;
    HDEVINFO list = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (list == INVALID_HANDLE_VALUE) {
        return devices;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(list, index, &device); ++index) {
        // Room for a long list; only its first string is used.
        wchar_t ids[1024] = {};
        DWORD type = 0;
        if (!SetupDiGetDeviceRegistryPropertyW(list, &device, SPDRP_HARDWAREID, &type,
                                               reinterpret_cast<PBYTE>(ids), sizeof ids - 2 * sizeof(wchar_t),
                                               nullptr)) {
            continue;
        }
        ULONG status = 0;
        ULONG problem = 0;
        CONFIGRET result = CM_Get_DevNode_Status(&status, &problem, device.DevInst, 0);
        devices.push_back({U(ids), static_cast<uint32_t>(result)});
    }
    SetupDiDestroyDeviceInfoList(list);
    return devices;
}

} // namespace platform::win32
