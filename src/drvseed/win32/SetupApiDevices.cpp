#include "drvseed/win32/SetupApiDevices.h"

#include <iphlpapi.h>

#include "platform/win32/WinText.h"

namespace drvseed::win32 {
namespace {

using platform::win32::RootKey;
using platform::win32::U;
using platform::win32::W;

// {4D36E972-E325-11CE-BFC1-08002BE10318}, the network adapter class.
constexpr GUID kNetClass = {0x4D36E972, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

// A device's driver key, open for the length of one read or write.
class DriverKey {
public:
    DriverKey(HDEVINFO set, SP_DEVINFO_DATA* device) {
        if (device != nullptr) {
            m_key = SetupDiOpenDevRegKey(set, device, DICS_FLAG_GLOBAL, 0, DIREG_DRV,
                                         KEY_QUERY_VALUE | KEY_SET_VALUE);
            m_error = m_key == INVALID_HANDLE_VALUE ? static_cast<long>(GetLastError()) : ERROR_SUCCESS;
            if (m_key == INVALID_HANDLE_VALUE && m_error == ERROR_SUCCESS) {
                m_error = ERROR_FILE_NOT_FOUND;
            }
        }
    }
    ~DriverKey() {
        if (m_key != INVALID_HANDLE_VALUE) {
            RegCloseKey(m_key);
        }
    }
    DriverKey(const DriverKey&) = delete;
    DriverKey& operator=(const DriverKey&) = delete;

    HKEY get() const { return m_key; }
    long error() const { return m_error; }

private:
    HKEY m_key = static_cast<HKEY>(INVALID_HANDLE_VALUE);
    long m_error = ERROR_INVALID_PARAMETER;
};

} // namespace

SetupApiDevices::~SetupApiDevices() {
    Release();
}

void SetupApiDevices::Release() {
    if (m_set != INVALID_HANDLE_VALUE) {
        SetupDiDestroyDeviceInfoList(m_set);
        m_set = INVALID_HANDLE_VALUE;
    }
    m_devices.clear();
}

SP_DEVINFO_DATA* SetupApiDevices::Device(size_t device) {
    return device < m_devices.size() ? &m_devices[device] : nullptr;
}

size_t SetupApiDevices::RefreshDevices() {
    Release();
    m_set = SetupDiGetClassDevsW(&kNetClass, nullptr, nullptr, DIGCF_PRESENT);
    if (m_set == INVALID_HANDLE_VALUE) {
        return 0;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA data{};
        data.cbSize = sizeof data;
        if (!SetupDiEnumDeviceInfo(m_set, index, &data)) {
            break;
        }
        m_devices.push_back(data);
    }
    return m_devices.size();
}

long SetupApiDevices::ReadDriverString(size_t device, std::u16string_view name, std::u16string& out,
                                       size_t maxUnits) {
    DriverKey key(m_set, Device(device));
    if (key.error() != ERROR_SUCCESS) {
        return key.error();
    }
    std::vector<wchar_t> buffer(maxUnits + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(maxUnits * sizeof(wchar_t));
    DWORD type = 0;
    std::u16string n(name);
    long rc =
        RegQueryValueExW(key.get(), W(n), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return ERROR_INVALID_DATA;
    }
    // The stored text need not carry its terminator; the buffer's spare unit is one.
    out = U(buffer.data(), wcsnlen(buffer.data(), std::min<size_t>(bytes / sizeof(wchar_t), maxUnits)));
    return ERROR_SUCCESS;
}

long SetupApiDevices::WriteDriverValue(size_t device, std::u16string_view name,
                                       const platform::RegValue& value) {
    DriverKey key(m_set, Device(device));
    if (key.error() != ERROR_SUCCESS) {
        return key.error();
    }
    std::u16string n(name);
    return RegSetValueExW(key.get(), W(n), 0, value.type, value.data.data(),
                          static_cast<DWORD>(value.data.size()));
}

std::u16string SetupApiDevices::DeviceDescription(size_t device) {
    SP_DEVINFO_DATA* data = Device(device);
    if (data == nullptr) {
        return {};
    }
    wchar_t buffer[512] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(m_set, data, SPDRP_DEVICEDESC, &type,
                                           reinterpret_cast<BYTE*>(buffer), sizeof buffer - sizeof(wchar_t),
                                           nullptr)) {
        return {};
    }
    return U(buffer);
}

long SetupApiDevices::SetStateChangeParams(size_t device, DeviceState state) {
    SP_DEVINFO_DATA* data = Device(device);
    if (data == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    SP_PROPCHANGE_PARAMS params{};
    params.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
    params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
    params.StateChange = state == DeviceState::Disable ? DICS_DISABLE : DICS_ENABLE;
    params.Scope = DICS_FLAG_CONFIGSPECIFIC;
    params.HwProfile = 0;
    if (!SetupDiSetClassInstallParamsW(m_set, data, &params.ClassInstallHeader, sizeof params)) {
        return static_cast<long>(GetLastError());
    }
    return ERROR_SUCCESS;
}

long SetupApiDevices::CallPropertyChangeInstaller(size_t device) {
    SP_DEVINFO_DATA* data = Device(device);
    if (data == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (!SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, m_set, data)) {
        return static_cast<long>(GetLastError());
    }
    return ERROR_SUCCESS;
}

std::vector<std::u16string> SetupApiDevices::IpAdapterNames() {
    std::vector<std::u16string> names;
    ULONG size = 0;
    if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) {
        return names;
    }
    // The list may grow between the two calls.
    std::vector<uint8_t> buffer;
    DWORD rc = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && rc == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.assign(size, 0);
        rc = GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size);
    }
    if (rc != ERROR_SUCCESS) {
        return names;
    }
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()); adapter != nullptr;
         adapter = adapter->Next) {
        // Adapter names are GUID texts, 7-bit ASCII.
        std::u16string name;
        for (const char* c = adapter->AdapterName;
             *c != '\0' && c < adapter->AdapterName + sizeof adapter->AdapterName; ++c) {
            name.push_back(static_cast<char16_t>(static_cast<unsigned char>(*c)));
        }
        names.push_back(std::move(name));
    }
    return names;
}

long SetupApiDevices::WriteMachineValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                                        const platform::RegValue& value) {
    std::u16string k(key);
    HKEY handle = nullptr;
    long rc = RegCreateKeyExW(RootKey(root), W(k), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    std::u16string n(name);
    rc =
        RegSetValueExW(handle, W(n), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
    RegCloseKey(handle);
    return rc;
}

std::u16string SetupApiDevices::ErrorText(long code) {
    wchar_t* text = nullptr;
    DWORD units = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string message = units != 0 && text != nullptr ? U(text, units) : std::u16string();
    if (text != nullptr) {
        LocalFree(text);
    }
    return message;
}

} // namespace drvseed::win32
