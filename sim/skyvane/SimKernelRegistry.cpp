// The registry writes the program makes through the service: real writes, keys created as needed.
#include "skyvane/SimKernel.h"

namespace skyvane {

namespace {

bool KnownHive(uint32_t hive) {
    return hive >= platform::kHkeyClassesRoot && hive <= platform::kHkeyUsers;
}

std::u16string Arg(const char16_t* text) {
    return text ? Quote(text) : std::u16string(u"null");
}

} // namespace

int32_t SimKernel::RegSetString(const char16_t* keyPath, const char16_t* valueName, const char16_t* text,
                                uint32_t hive, uint32_t reserved) {
    m_log.Add(u"RegSetString hive=" + Hex(hive) + u" key=" + Arg(keyPath) + u" name=" + Arg(valueName) +
              u" text=" + Arg(text) + u" reserved=" + Dec(reserved));
    if (keyPath == nullptr || valueName == nullptr || text == nullptr || !KnownHive(hive) ||
        m_services.registry == nullptr) {
        return 0;
    }
    long error = m_services.registry->WriteString(hive, keyPath, valueName, text);
    return RegResult(u"RegSetString", keyPath, error, 1, 0);
}

int32_t SimKernel::RegSetDword(const char16_t* keyPath, const char16_t* valueName, uint32_t value,
                               uint32_t hive, uint32_t reserved) {
    m_log.Add(u"RegSetDword hive=" + Hex(hive) + u" key=" + Arg(keyPath) + u" name=" + Arg(valueName) +
              u" value=" + Dec(value) + u" reserved=" + Dec(reserved));
    if (keyPath == nullptr || valueName == nullptr || !KnownHive(hive) || m_services.registry == nullptr) {
        return 0;
    }
    long error = m_services.registry->WriteDword(hive, keyPath, valueName, value);
    return RegResult(u"RegSetDword", keyPath, error, 1, 0);
}

int32_t SimKernel::RegDeleteKeyTree(const char16_t* keyPath, uint32_t hive, uint32_t reserved) {
    m_log.Add(u"RegDeleteKeyTree hive=" + Hex(hive) + u" key=" + Arg(keyPath) + u" reserved=" +
              Dec(reserved));
    // An empty path would name the whole hive.
    if (keyPath == nullptr || keyPath[0] == 0 || !KnownHive(hive) || m_services.registry == nullptr) {
        return static_cast<int32_t>(platform::kErrorInvalidParameter);
    }
    long error = m_services.registry->DeleteKeyTree(hive, keyPath);
    return RegResult(u"RegDeleteKeyTree", keyPath, error, 0, static_cast<int32_t>(error));
}

int32_t SimKernel::RegDeleteNamedValue(const char16_t* keyPath, const char16_t* valueName, uint32_t hive,
                                       uint32_t reserved) {
    m_log.Add(u"RegDeleteNamedValue hive=" + Hex(hive) + u" key=" + Arg(keyPath) + u" name=" +
              Arg(valueName) + u" reserved=" + Dec(reserved));
    if (keyPath == nullptr || valueName == nullptr || !KnownHive(hive) || m_services.registry == nullptr) {
        return static_cast<int32_t>(platform::kErrorInvalidParameter);
    }
    long error = m_services.registry->DeleteValue(hive, keyPath, valueName);
    return RegResult(u"RegDeleteNamedValue", keyPath, error, 0, static_cast<int32_t>(error));
}

int32_t SimKernel::GrantKeyAccess(const char16_t* keyPath, uint32_t reserved, uint32_t hive) {
    m_log.Add(u"GrantKeyAccess hive=" + Hex(hive) + u" key=" + Arg(keyPath) + u" reserved=" + Dec(reserved));
    if (keyPath == nullptr || !KnownHive(hive) || m_services.registry == nullptr) {
        return 0;
    }
    bool ok = m_services.grantKeyAccess ? m_services.grantKeyAccess(hive, keyPath)
                                        : m_services.registry->KeyExists(hive, keyPath);
    return RegResult(u"GrantKeyAccess", keyPath, ok ? platform::kErrorSuccess : platform::kErrorFileNotFound,
                     1, 0);
}

int32_t SimKernel::RegResult(const char16_t* op, const char16_t* keyPath, long error, int32_t success,
                             int32_t failure) {
    if (error == platform::kErrorSuccess) {
        return success;
    }
    Note(std::u16string(op) + u" " + Quote(keyPath) + u" failed with error " +
         Dec(static_cast<uint64_t>(error)));
    return failure;
}

} // namespace skyvane
