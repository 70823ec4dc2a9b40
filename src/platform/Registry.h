// What the program asks of the registry. Roots are the platform's predefined key numbers; every key is
// opened in the 32-bit view, so the 32-bit and 64-bit programs share one store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

constexpr uint32_t kHkeyClassesRoot = 0x80000000;
constexpr uint32_t kHkeyCurrentUser = 0x80000001;
constexpr uint32_t kHkeyLocalMachine = 0x80000002;
constexpr uint32_t kHkeyUsers = 0x80000003;

// Registry value types (the platform's numbers).
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

// Results are the platform's error codes.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidParameter = 87;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

struct RegValue {
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;

    static RegValue String(std::u16string_view text); // REG_SZ with its terminator
    static RegValue Dword(uint32_t value);
    static RegValue Binary(std::vector<uint8_t> bytes);
};

// The values of one key as (name, value) pairs.
using RegValues = std::vector<std::pair<std::u16string, RegValue>>;

class Registry {
public:
    virtual ~Registry() = default;

    virtual long ReadValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                           RegValue& out) = 0;
    // Subkeys and values by index, in the order the platform returns them; kErrorNoMoreItems past the end.
    virtual long EnumSubKey(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name) = 0;
    virtual long EnumValue(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name,
                           RegValue* value) = 0;
    // Every subkey name, or every value with its data, of one key through a single open of the key, in
    // the order of the calls above. Opening a key is a trip to the registry's server each time: a caller
    // that wants a whole key asks for it here instead of value by value. On a failure part-way `out`
    // keeps what was read before it and the failure is returned; kErrorSuccess means the whole key.
    virtual long EnumSubKeys(uint32_t root, std::u16string_view key, std::vector<std::u16string>& out) = 0;
    virtual long ReadValues(uint32_t root, std::u16string_view key, RegValues& out) = 0;
    // Writing creates the key and its missing parents.
    virtual long WriteValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                            const RegValue& value) = 0;
    virtual long CreateKey(uint32_t root, std::u16string_view key) = 0;
    virtual long DeleteValue(uint32_t root, std::u16string_view key, std::u16string_view name) = 0;
    // Removes the key with everything under it.
    virtual long DeleteKeyTree(uint32_t root, std::u16string_view key) = 0;
    virtual bool KeyExists(uint32_t root, std::u16string_view key) = 0;

    // Typed reads. A value of another type reads as missing (kErrorFileNotFound is not returned for it:
    // the result is kErrorInvalidParameter so callers can tell, but all treat it as absent). Strings are
    // cut at their first zero unit and at maxUnits.
    long ReadString(uint32_t root, std::u16string_view key, std::u16string_view name, std::u16string& out,
                    size_t maxUnits = 255);
    long ReadDword(uint32_t root, std::u16string_view key, std::u16string_view name, uint32_t& out);
    long WriteString(uint32_t root, std::u16string_view key, std::u16string_view name,
                     std::u16string_view text);
    long WriteDword(uint32_t root, std::u16string_view key, std::u16string_view name, uint32_t value);
};

// Decodes the text of REG_SZ / REG_EXPAND_SZ data: little-endian units up to the first zero unit.
std::u16string RegDataToString(const std::vector<uint8_t>& data);

// The typed-read rules of ReadString / ReadDword applied to a value already read (from ReadValues):
// kErrorInvalidParameter for a value of another type, `out` then untouched.
long DecodeStringValue(const RegValue& value, std::u16string& out, size_t maxUnits = 255);
long DecodeDwordValue(const RegValue& value, uint32_t& out);

} // namespace platform
