// In-memory registry. Subkeys enumerate in case-insensitive name order and values in creation order, as
// the platform does; names compare without regard to case. Failures can be injected per key, and the
// reads that open a key are counted.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace fakes {

class FakeRegistry final : public platform::Registry {
public:
    long ReadValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                   platform::RegValue& out) override;
    long EnumSubKey(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name) override;
    long EnumValue(uint32_t root, std::u16string_view key, uint32_t index, std::u16string& name,
                   platform::RegValue* value) override;
    long EnumSubKeys(uint32_t root, std::u16string_view key, std::vector<std::u16string>& out) override;
    long ReadValues(uint32_t root, std::u16string_view key, platform::RegValues& out) override;
    long WriteValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                    const platform::RegValue& value) override;
    long CreateKey(uint32_t root, std::u16string_view key) override;
    long DeleteValue(uint32_t root, std::u16string_view key, std::u16string_view name) override;
    long DeleteKeyTree(uint32_t root, std::u16string_view key) override;
    bool KeyExists(uint32_t root, std::u16string_view key) override;

    // Reads of this key (and below) fail with access denied; writes are unaffected.
    void DenyRead(uint32_t root, std::u16string_view key);
    void AllowRead(uint32_t root, std::u16string_view key);
    // Writes under this key fail with the given code.
    void FailWrites(uint32_t root, std::u16string_view key, long code);

    size_t ValueCount(uint32_t root, std::u16string_view key);
    size_t readCount = 0;
    // Key opens of the read calls (each call opens its key once, as the platform's do), by key path as
    // asked, so that a test can see a caller reopen a key value by value.
    std::map<std::u16string, size_t> keyOpens;

private:
    struct Key {
        std::u16string name; // as first created
        std::vector<std::pair<std::u16string, platform::RegValue>> values;
        std::map<std::u16string, std::unique_ptr<Key>> children; // by case-folded name
    };
    Key* Find(uint32_t root, std::u16string_view path);
    // Counts the open and applies DenyRead: null with `rc` set when the key cannot be read.
    Key* OpenForRead(uint32_t root, std::u16string_view path, long& rc);
    Key* Create(uint32_t root, std::u16string_view path);
    bool ReadDenied(uint32_t root, std::u16string_view path) const;
    long WriteFailure(uint32_t root, std::u16string_view path) const;

    std::map<uint32_t, Key> m_roots;
    std::set<std::pair<uint32_t, std::u16string>> m_denied;
    std::map<std::pair<uint32_t, std::u16string>, long> m_writeFailures;
};

} // namespace fakes
