// Reading a key whole (ReadValues, EnumSubKeys) on the in-memory registry the store's tests run on: it
// must give what the value-by-value calls give, and the typed-read rules applied to what it returned
// must give what the typed reads give.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/Text.h"
#include "fakes/FakeRegistry.h"

namespace {

using platform::kHkeyLocalMachine;
using platform::RegValue;

constexpr std::u16string_view kKey = u"SOFTWARE\\Test\\Whole";

RegValue Raw(uint32_t type, std::vector<uint8_t> bytes) {
    RegValue value;
    value.type = type;
    value.data = std::move(bytes);
    return value;
}

// Values that sit on the edges of the typed-read rules.
std::vector<std::pair<std::u16string, RegValue>> EdgeValues() {
    RegValue twoTexts = RegValue::String(u"first");
    RegValue second = RegValue::String(u"second");
    twoTexts.data.insert(twoTexts.data.end(), second.data.begin(), second.data.end());
    return {
        {u"Plain", RegValue::String(u"Home Net")},
        {u"Empty", RegValue::String(u"")},
        {u"Long", RegValue::String(std::u16string(300, u'x'))},
        {u"Exactly255", RegValue::String(std::u16string(255, u'y'))},
        {u"TwoTexts", twoTexts},
        {u"Expand", Raw(platform::kRegExpandSz, RegValue::String(u"%TEMP%").data)},
        {u"Unterminated", Raw(platform::kRegSz, {'a', 0, 'b', 0, 'c'})},
        {u"Multi", Raw(platform::kRegMultiSz, RegValue::String(u"multi").data)},
        {u"Number", RegValue::Dword(0xA00D)},
        {u"ShortNumber", Raw(platform::kRegDword, {1, 2})},
        {u"LongNumber", Raw(platform::kRegDword, {1, 2, 3, 4, 5})},
        {u"BinaryFour", RegValue::Binary({4, 0, 0, 0})},
        {u"NoData", Raw(platform::kRegNone, {})},
    };
}

class WholeKeyReads : public testing::Test {
protected:
    void Put(const std::u16string& name, const RegValue& value) {
        ASSERT_EQ(m_registry.WriteValue(kHkeyLocalMachine, kKey, name, value), platform::kErrorSuccess);
    }

    fakes::FakeRegistry m_registry;
};

TEST_F(WholeKeyReads, GivesWhatTheValueByValueCallsGive) {
    for (const auto& [name, value] : EdgeValues()) {
        Put(name, value);
    }
    Put(u"plain", RegValue::Dword(7)); // the same value in another letter case: replaced, not added
    for (std::u16string_view child : {u"Zeta", u"alpha", u"Beta"}) {
        m_registry.CreateKey(kHkeyLocalMachine, std::u16string(kKey) + u"\\" + std::u16string(child));
    }

    platform::RegValues whole;
    ASSERT_EQ(m_registry.ReadValues(kHkeyLocalMachine, kKey, whole), platform::kErrorSuccess);
    ASSERT_EQ(whole.size(), EdgeValues().size());
    for (uint32_t i = 0; i < whole.size(); ++i) {
        std::u16string name;
        RegValue value;
        ASSERT_EQ(m_registry.EnumValue(kHkeyLocalMachine, kKey, i, name, &value), platform::kErrorSuccess);
        EXPECT_EQ(whole[i].first, name);
        EXPECT_EQ(whole[i].second.type, value.type);
        EXPECT_EQ(whole[i].second.data, value.data);
    }
    EXPECT_EQ(whole[0].first, u"Plain");
    EXPECT_EQ(whole[0].second.type, platform::kRegDword);

    std::vector<std::u16string> keys;
    ASSERT_EQ(m_registry.EnumSubKeys(kHkeyLocalMachine, kKey, keys), platform::kErrorSuccess);
    EXPECT_EQ(keys, (std::vector<std::u16string>{u"alpha", u"Beta", u"Zeta"}));
}

TEST_F(WholeKeyReads, DecodingGivesWhatTheTypedReadsGive) {
    for (const auto& [name, value] : EdgeValues()) {
        Put(name, value);
    }
    platform::RegValues whole;
    ASSERT_EQ(m_registry.ReadValues(kHkeyLocalMachine, kKey, whole), platform::kErrorSuccess);
    for (const auto& [name, value] : whole) {
        SCOPED_TRACE(base::NarrowForLog(name));
        for (size_t maxUnits : {size_t{255}, size_t{3}}) {
            std::u16string typed = u"untouched";
            std::u16string decoded = u"untouched";
            EXPECT_EQ(platform::DecodeStringValue(value, decoded, maxUnits),
                      m_registry.ReadString(kHkeyLocalMachine, kKey, name, typed, maxUnits));
            EXPECT_EQ(decoded, typed);
        }
        uint32_t typedNumber = 99;
        uint32_t decodedNumber = 99;
        EXPECT_EQ(platform::DecodeDwordValue(value, decodedNumber),
                  m_registry.ReadDword(kHkeyLocalMachine, kKey, name, typedNumber));
        EXPECT_EQ(decodedNumber, typedNumber);
    }
    // The rules themselves, on the values that sit on their edges.
    std::u16string text;
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, kKey, u"Long", text), platform::kErrorSuccess);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, kKey, u"TwoTexts", text), platform::kErrorSuccess);
    EXPECT_EQ(text, u"first");
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, kKey, u"Unterminated", text), platform::kErrorSuccess);
    EXPECT_EQ(text, u"ab");
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, kKey, u"Multi", text),
              platform::kErrorInvalidParameter);
    uint32_t number = 0;
    EXPECT_EQ(m_registry.ReadDword(kHkeyLocalMachine, kKey, u"BinaryFour", number),
              platform::kErrorInvalidParameter);
    EXPECT_EQ(m_registry.ReadDword(kHkeyLocalMachine, kKey, u"LongNumber", number),
              platform::kErrorInvalidParameter);
}

TEST_F(WholeKeyReads, OneOpenPerCallAndFailuresLeaveNothingBehind) {
    Put(u"A", RegValue::Dword(1));
    Put(u"B", RegValue::Dword(2));
    m_registry.CreateKey(kHkeyLocalMachine, std::u16string(kKey) + u"\\Child");
    m_registry.keyOpens.clear();
    platform::RegValues whole;
    std::vector<std::u16string> keys;
    m_registry.ReadValues(kHkeyLocalMachine, kKey, whole);
    m_registry.EnumSubKeys(kHkeyLocalMachine, kKey, keys);
    EXPECT_EQ(m_registry.keyOpens[std::u16string(kKey)], 2u);

    // An empty key is read as empty; a missing or unreadable one fails and returns nothing.
    m_registry.CreateKey(kHkeyLocalMachine, u"SOFTWARE\\Test\\Empty");
    EXPECT_EQ(m_registry.ReadValues(kHkeyLocalMachine, u"SOFTWARE\\Test\\Empty", whole),
              platform::kErrorSuccess);
    EXPECT_TRUE(whole.empty());
    m_registry.ReadValues(kHkeyLocalMachine, kKey, whole); // something for the failures to clear
    m_registry.EnumSubKeys(kHkeyLocalMachine, kKey, keys);
    EXPECT_EQ(m_registry.ReadValues(kHkeyLocalMachine, u"SOFTWARE\\Test\\Nowhere", whole),
              platform::kErrorFileNotFound);
    EXPECT_EQ(m_registry.EnumSubKeys(kHkeyLocalMachine, u"SOFTWARE\\Test\\Nowhere", keys),
              platform::kErrorFileNotFound);
    EXPECT_TRUE(whole.empty());
    EXPECT_TRUE(keys.empty());
    m_registry.DenyRead(kHkeyLocalMachine, kKey);
    whole.assign(1, {u"stale", RegValue::Dword(0)});
    keys.assign(1, u"stale");
    EXPECT_EQ(m_registry.ReadValues(kHkeyLocalMachine, kKey, whole), platform::kErrorAccessDenied);
    EXPECT_EQ(m_registry.EnumSubKeys(kHkeyLocalMachine, kKey, keys), platform::kErrorAccessDenied);
    EXPECT_TRUE(whole.empty());
    EXPECT_TRUE(keys.empty());
}

} // namespace
