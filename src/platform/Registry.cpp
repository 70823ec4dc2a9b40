#include "platform/Registry.h"

namespace platform {

RegValue RegValue::String(std::u16string_view text) {
    RegValue v;
    v.type = kRegSz;
    v.data.reserve((text.size() + 1) * 2);
    for (char16_t c : text) {
        v.data.push_back(static_cast<uint8_t>(c & 0xFF));
        v.data.push_back(static_cast<uint8_t>(c >> 8));
    }
    v.data.push_back(0);
    v.data.push_back(0);
    return v;
}

RegValue RegValue::Dword(uint32_t value) {
    RegValue v;
    v.type = kRegDword;
    for (int i = 0; i < 4; ++i) {
        v.data.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    return v;
}

RegValue RegValue::Binary(std::vector<uint8_t> bytes) {
    RegValue v;
    v.type = kRegBinary;
    v.data = std::move(bytes);
    return v;
}

std::u16string RegDataToString(const std::vector<uint8_t>& data) {
    std::u16string text;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (c == 0) {
            break;
        }
        text.push_back(c);
    }
    return text;
}

long DecodeStringValue(const RegValue& value, std::u16string& out, size_t maxUnits) {
    if (value.type != kRegSz && value.type != kRegExpandSz) {
        return kErrorInvalidParameter;
    }
    out = RegDataToString(value.data);
    if (out.size() > maxUnits) {
        out.resize(maxUnits);
    }
    return kErrorSuccess;
}

long DecodeDwordValue(const RegValue& value, uint32_t& out) {
    if (value.type != kRegDword || value.data.size() != 4) {
        return kErrorInvalidParameter;
    }
    out = uint32_t{value.data[0]} | (uint32_t{value.data[1]} << 8) | (uint32_t{value.data[2]} << 16) |
          (uint32_t{value.data[3]} << 24);
    return kErrorSuccess;
}

long Registry::ReadString(uint32_t root, std::u16string_view key, std::u16string_view name,
                          std::u16string& out, size_t maxUnits) {
    RegValue value;
    long rc = ReadValue(root, key, name, value);
    return rc == kErrorSuccess ? DecodeStringValue(value, out, maxUnits) : rc;
}

long Registry::ReadDword(uint32_t root, std::u16string_view key, std::u16string_view name, uint32_t& out) {
    RegValue value;
    long rc = ReadValue(root, key, name, value);
    return rc == kErrorSuccess ? DecodeDwordValue(value, out) : rc;
}

long Registry::WriteString(uint32_t root, std::u16string_view key, std::u16string_view name,
                           std::u16string_view text) {
    return WriteValue(root, key, name, RegValue::String(text));
}

long Registry::WriteDword(uint32_t root, std::u16string_view key, std::u16string_view name, uint32_t value) {
    return WriteValue(root, key, name, RegValue::Dword(value));
}

} // namespace platform
