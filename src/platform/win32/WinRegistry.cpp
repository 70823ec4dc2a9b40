#include "platform/win32/WinRegistry.h"

#include <algorithm>

#include "platform/win32/WinText.h"

namespace platform::win32 {
namespace {

// Every key in the 32-bit view: the 32-bit and 64-bit builds share one store.
constexpr REGSAM kView = KEY_WOW64_32KEY;

class OpenKey {
public:
    OpenKey(uint32_t root, std::u16string_view path, REGSAM access) {
        std::u16string p(path);
        m_rc = RegOpenKeyExW(RootKey(root), W(p), 0, access | kView, &m_key);
    }
    ~OpenKey() {
        if (m_rc == ERROR_SUCCESS) {
            RegCloseKey(m_key);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    long rc() const { return m_rc; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
    long m_rc;
};

} // namespace

long WinRegistry::ReadValue(uint32_t root, std::u16string_view key, std::u16string_view name, RegValue& out) {
    OpenKey k(root, key, KEY_READ);
    if (k.rc() != ERROR_SUCCESS) {
        return k.rc();
    }
    std::u16string n(name);
    DWORD type = 0;
    DWORD size = 0;
    long rc = RegQueryValueExW(k.get(), W(n), nullptr, &type, nullptr, &size);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    // The value may grow between the two calls; try again a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        out.data.assign(size, 0);
        rc = RegQueryValueExW(k.get(), W(n), nullptr, &type, out.data.data(), &size);
        if (rc != ERROR_MORE_DATA) {
            break;
        }
    }
    if (rc == ERROR_SUCCESS) {
        out.data.resize(size);
        out.type = type;
    }
    return rc;
}

long WinRegistry::EnumSubKey(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name) {
    OpenKey k(root, key, KEY_READ);
    if (k.rc() != ERROR_SUCCESS) {
        return k.rc();
    }
    wchar_t buffer[256] = {};
    long rc = RegEnumKeyW(k.get(), index, buffer, 256);
    if (rc == ERROR_SUCCESS) {
        name = U(buffer);
    }
    return rc;
}

long WinRegistry::EnumValue(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name,
                            RegValue* value) {
    OpenKey k(root, key, KEY_READ);
    if (k.rc() != ERROR_SUCCESS) {
        return k.rc();
    }
    wchar_t buffer[16384];
    DWORD nameUnits = 16384;
    DWORD type = 0;
    DWORD size = 0;
    long rc = RegEnumValueW(k.get(), index, buffer, &nameUnits, nullptr, &type, nullptr, &size);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    name = U(buffer, nameUnits);
    if (value != nullptr) {
        value->type = type;
        value->data.assign(size, 0);
        nameUnits = 16384;
        rc = RegEnumValueW(k.get(), index, buffer, &nameUnits, nullptr, &type, value->data.data(), &size);
        value->data.resize(size);
    }
    return rc;
}

long WinRegistry::EnumSubKeys(uint32_t root, std::u16string_view key, std::vector<std::u16string>& out) {
    out.clear();
    OpenKey k(root, key, KEY_READ);
    if (k.rc() != ERROR_SUCCESS) {
        return k.rc();
    }
    // Key names have at most 255 units.
    wchar_t buffer[256];
    for (DWORD index = 0;; ++index) {
        DWORD units = 256;
        long rc = RegEnumKeyExW(k.get(), index, buffer, &units, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) {
            return ERROR_SUCCESS;
        }
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
        out.push_back(U(buffer, units));
    }
}

long WinRegistry::ReadValues(uint32_t root, std::u16string_view key, RegValues& out) {
    out.clear();
    OpenKey k(root, key, KEY_READ);
    if (k.rc() != ERROR_SUCCESS) {
        return k.rc();
    }
    // Buffers sized once for the longest name and data, so that each value takes one call.
    DWORD longestName = 0;
    DWORD longestData = 0;
    long rc = RegQueryInfoKeyW(k.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &longestName, &longestData, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    // Value names have at most 16383 units. The data buffer is never empty: a call with no buffer
    // would report a value that has grown as read.
    constexpr DWORD kNameUnits = 16384;
    std::vector<wchar_t> name(std::min(longestName + 1, kNameUnits));
    std::vector<uint8_t> data(std::max<DWORD>(longestData, 16));
    // A value written while the key is read may outgrow the buffers; they grow a bounded number of
    // times, so a key that keeps growing cannot hold the reader forever.
    int growths = 0;
    for (DWORD index = 0;;) {
        DWORD nameUnits = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        rc = RegEnumValueW(k.get(), index, name.data(), &nameUnits, nullptr, &type, data.data(), &size);
        if (rc == ERROR_NO_MORE_ITEMS) {
            return ERROR_SUCCESS;
        }
        if (rc == ERROR_MORE_DATA && ++growths <= 8) {
            name.resize(kNameUnits);
            data.resize(std::max<size_t>(size, data.size() * 2));
            continue;
        }
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
        RegValue value;
        value.type = type;
        value.data.assign(data.begin(), data.begin() + std::min<size_t>(size, data.size()));
        out.emplace_back(U(name.data(), nameUnits), std::move(value));
        ++index;
    }
}

long WinRegistry::WriteValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                             const RegValue& value) {
    std::u16string p(key);
    HKEY h = nullptr;
    long rc =
        RegCreateKeyExW(RootKey(root), W(p), 0, nullptr, 0, KEY_SET_VALUE | kView, nullptr, &h, nullptr);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    std::u16string n(name);
    rc = RegSetValueExW(h, W(n), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
    RegCloseKey(h);
    return rc;
}

long WinRegistry::CreateKey(uint32_t root, std::u16string_view key) {
    std::u16string p(key);
    HKEY h = nullptr;
    long rc = RegCreateKeyExW(RootKey(root), W(p), 0, nullptr, 0, KEY_READ | kView, nullptr, &h, nullptr);
    if (rc == ERROR_SUCCESS) {
        RegCloseKey(h);
    }
    return rc;
}

long WinRegistry::DeleteValue(uint32_t root, std::u16string_view key, std::u16string_view name) {
    OpenKey k(root, key, KEY_SET_VALUE);
    if (k.rc() != ERROR_SUCCESS) {
        return k.rc();
    }
    std::u16string n(name);
    return RegDeleteValueW(k.get(), W(n));
}

long WinRegistry::DeleteKeyTree(uint32_t root, std::u16string_view key) {
    // Children first, then the key itself through its parent, all in the 32-bit view.
    for (;;) {
        std::u16string child;
        long rc = EnumSubKey(root, key, 0, child);
        if (rc == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
        std::u16string childPath(key);
        childPath += u"\\";
        childPath += child;
        rc = DeleteKeyTree(root, childPath);
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
    }
    std::u16string path(key);
    size_t slash = path.find_last_of(u'\\');
    std::u16string parent = slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
    std::u16string leaf = slash == std::u16string::npos ? path : path.substr(slash + 1);
    HKEY parentKey = RootKey(root);
    HKEY opened = nullptr;
    if (!parent.empty()) {
        long rc = RegOpenKeyExW(RootKey(root), W(parent), 0, KEY_ALL_ACCESS | kView, &opened);
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
        parentKey = opened;
    }
    long rc = RegDeleteKeyExW(parentKey, W(leaf), kView, 0);
    if (opened != nullptr) {
        RegCloseKey(opened);
    }
    return rc;
}

bool WinRegistry::KeyExists(uint32_t root, std::u16string_view key) {
    OpenKey k(root, key, KEY_READ);
    return k.rc() == ERROR_SUCCESS;
}

} // namespace platform::win32
