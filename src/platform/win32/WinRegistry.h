#pragma once

#include "platform/Registry.h"

namespace platform::win32 {

class WinRegistry final : public Registry {
public:
    long ReadValue(uint32_t root, std::u16string_view key, std::u16string_view name, RegValue& out) override;
    long EnumSubKey(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name) override;
    long EnumValue(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name,
                   RegValue* value) override;
    long EnumSubKeys(uint32_t root, std::u16string_view key, std::vector<std::u16string>& out) override;
    long ReadValues(uint32_t root, std::u16string_view key, RegValues& out) override;
    long WriteValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                    const RegValue& value) override;
    long CreateKey(uint32_t root, std::u16string_view key) override;
    long DeleteValue(uint32_t root, std::u16string_view key, std::u16string_view name) override;
    long DeleteKeyTree(uint32_t root, std::u16string_view key) override;
    bool KeyExists(uint32_t root, std::u16string_view key) override;
};

} // namespace platform::win32
