// The registry implementation against the real (Wine) registry: the 32-bit view, enumeration order,
// typed reads and tree deletion. Each test works in a throwaway key it removes again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/WinRegistry.h"

using platform::kHkeyLocalMachine;

namespace {

class WinRegistryTest : public testing::Test {
protected:
    void SetUp() override {
        m_key =
            u"Software\\KtTest\\" + std::u16string(reinterpret_cast<const char16_t*>(
                                        std::to_wstring(GetCurrentProcessId() * 1000 + ++s_counter).c_str()));
    }
    void TearDown() override { m_registry.DeleteKeyTree(kHkeyLocalMachine, m_key); }

    bool ExistsInView(REGSAM view) {
        HKEY h = nullptr;
        std::wstring path(m_key.begin(), m_key.end());
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &h) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(h);
        return true;
    }

    platform::win32::WinRegistry m_registry;
    std::u16string m_key;
    static inline int s_counter = 0;
};

} // namespace

TEST_F(WinRegistryTest, WritesLandInThe32BitView) {
    ASSERT_EQ(m_registry.WriteString(kHkeyLocalMachine, m_key, u"Name", u"Home Net"), ERROR_SUCCESS);
    EXPECT_TRUE(ExistsInView(KEY_WOW64_32KEY));
    EXPECT_FALSE(ExistsInView(KEY_WOW64_64KEY)) << "a 64-bit program must share the 32-bit programs' store";

    std::u16string text;
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, m_key, u"name", text), ERROR_SUCCESS);
    EXPECT_EQ(text, u"Home Net");
}

TEST_F(WinRegistryTest, TypedReadsRejectOtherTypesAndCutLongStrings) {
    m_registry.WriteDword(kHkeyLocalMachine, m_key, u"Number", 0xA00D);
    m_registry.WriteString(kHkeyLocalMachine, m_key, u"Text", std::u16string(300, u'x'));
    uint32_t number = 0;
    EXPECT_EQ(m_registry.ReadDword(kHkeyLocalMachine, m_key, u"Number", number), ERROR_SUCCESS);
    EXPECT_EQ(number, 0xA00Du);
    std::u16string text = u"untouched";
    EXPECT_NE(m_registry.ReadString(kHkeyLocalMachine, m_key, u"Number", text), ERROR_SUCCESS);
    EXPECT_EQ(text, u"untouched");
    EXPECT_NE(m_registry.ReadDword(kHkeyLocalMachine, m_key, u"Text", number), ERROR_SUCCESS);
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, m_key, u"Text", text), ERROR_SUCCESS);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, m_key, u"Absent", text), ERROR_FILE_NOT_FOUND);
}

TEST_F(WinRegistryTest, EnumerationVisitsEveryValueAndSubkeysInNameOrder) {
    // Subkeys come back in name order without regard to case. Values come back in the order they were
    // made on Windows but sorted by name on Wine, so only their completeness is checked here; the
    // profile store must not depend on either (its order values are numbered).
    m_registry.WriteString(kHkeyLocalMachine, m_key, u"02", u"c");
    m_registry.WriteString(kHkeyLocalMachine, m_key, u"00", u"a");
    m_registry.WriteString(kHkeyLocalMachine, m_key, u"01", u"b");
    m_registry.CreateKey(kHkeyLocalMachine, m_key + u"\\Zeta");
    m_registry.CreateKey(kHkeyLocalMachine, m_key + u"\\alpha");
    m_registry.CreateKey(kHkeyLocalMachine, m_key + u"\\Beta");

    std::u16string name;
    platform::RegValue value;
    std::u16string values;
    for (uint32_t i = 0; m_registry.EnumValue(kHkeyLocalMachine, m_key, i, name, &value) == ERROR_SUCCESS;
         ++i) {
        values += name + u"=" + platform::RegDataToString(value.data) + u";";
    }
    EXPECT_TRUE(values == u"02=c;00=a;01=b;" || values == u"00=a;01=b;02=c;") << "values were lost";
    std::u16string keys;
    for (uint32_t i = 0; m_registry.EnumSubKey(kHkeyLocalMachine, m_key, i, name) == ERROR_SUCCESS; ++i) {
        keys += name + u";";
    }
    EXPECT_EQ(keys, u"alpha;Beta;Zeta;");
    EXPECT_EQ(m_registry.EnumSubKey(kHkeyLocalMachine, m_key, 3, name), ERROR_NO_MORE_ITEMS);
}

TEST_F(WinRegistryTest, DeleteKeyTreeRemovesNestedKeysAndDeleteValueOneValue) {
    m_registry.WriteString(kHkeyLocalMachine, m_key + u"\\A\\B\\C", u"deep", u"1");
    m_registry.WriteString(kHkeyLocalMachine, m_key + u"\\A", u"keep", u"1");
    m_registry.WriteString(kHkeyLocalMachine, m_key + u"\\A", u"drop", u"1");
    EXPECT_EQ(m_registry.DeleteValue(kHkeyLocalMachine, m_key + u"\\A", u"drop"), ERROR_SUCCESS);
    EXPECT_NE(m_registry.DeleteValue(kHkeyLocalMachine, m_key + u"\\A", u"drop"), ERROR_SUCCESS);
    std::u16string text;
    EXPECT_EQ(m_registry.ReadString(kHkeyLocalMachine, m_key + u"\\A", u"keep", text), ERROR_SUCCESS);

    EXPECT_EQ(m_registry.DeleteKeyTree(kHkeyLocalMachine, m_key + u"\\A"), ERROR_SUCCESS);
    EXPECT_FALSE(m_registry.KeyExists(kHkeyLocalMachine, m_key + u"\\A"));
    EXPECT_TRUE(m_registry.KeyExists(kHkeyLocalMachine, m_key));
    EXPECT_NE(m_registry.DeleteKeyTree(kHkeyLocalMachine, m_key + u"\\A"), ERROR_SUCCESS);
}

TEST_F(WinRegistryTest, WholeKeyReadsGiveWhatTheValueByValueCallsGive) {
    // Values of every size the buffers must grow or not grow for, and one name far longer than the rest.
    m_registry.WriteString(kHkeyLocalMachine, m_key, u"Text", u"Home Net");
    m_registry.WriteString(kHkeyLocalMachine, m_key, u"Empty", u"");
    m_registry.WriteDword(kHkeyLocalMachine, m_key, u"Number", 0xA00D);
    std::vector<uint8_t> big(5000);
    for (size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<uint8_t>(i * 7);
    }
    m_registry.WriteValue(kHkeyLocalMachine, m_key, u"Big", platform::RegValue::Binary(big));
    m_registry.WriteValue(kHkeyLocalMachine, m_key, u"Nothing", platform::RegValue::Binary({}));
    m_registry.WriteString(kHkeyLocalMachine, m_key, std::u16string(600, u'n'), u"long name");
    m_registry.CreateKey(kHkeyLocalMachine, m_key + u"\\Zeta");
    m_registry.CreateKey(kHkeyLocalMachine, m_key + u"\\alpha");

    platform::RegValues whole;
    ASSERT_EQ(m_registry.ReadValues(kHkeyLocalMachine, m_key, whole), ERROR_SUCCESS);
    ASSERT_EQ(whole.size(), 6u);
    for (uint32_t i = 0; i < whole.size(); ++i) {
        std::u16string name;
        platform::RegValue value;
        ASSERT_EQ(m_registry.EnumValue(kHkeyLocalMachine, m_key, i, name, &value), ERROR_SUCCESS);
        EXPECT_EQ(whole[i].first, name);
        EXPECT_EQ(whole[i].second.type, value.type);
        EXPECT_EQ(whole[i].second.data, value.data);
        platform::RegValue single;
        ASSERT_EQ(m_registry.ReadValue(kHkeyLocalMachine, m_key, name, single), ERROR_SUCCESS);
        EXPECT_EQ(whole[i].second.data, single.data);
    }
    std::vector<std::u16string> keys;
    ASSERT_EQ(m_registry.EnumSubKeys(kHkeyLocalMachine, m_key, keys), ERROR_SUCCESS);
    EXPECT_EQ(keys, (std::vector<std::u16string>{u"alpha", u"Zeta"}));

    // A key without values or subkeys, and one that is not there.
    ASSERT_EQ(m_registry.ReadValues(kHkeyLocalMachine, m_key + u"\\alpha", whole), ERROR_SUCCESS);
    EXPECT_TRUE(whole.empty());
    ASSERT_EQ(m_registry.EnumSubKeys(kHkeyLocalMachine, m_key + u"\\alpha", keys), ERROR_SUCCESS);
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(m_registry.ReadValues(kHkeyLocalMachine, m_key + u"\\gone", whole), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(m_registry.EnumSubKeys(kHkeyLocalMachine, m_key + u"\\gone", keys), ERROR_FILE_NOT_FOUND);
}

TEST_F(WinRegistryTest, WholeKeyReadsStayInThe32BitView) {
    // The same path in the 64-bit view holds other values and subkeys; only the 32-bit ones are read.
    std::wstring path(m_key.begin(), m_key.end());
    HKEY wide = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (path + L"\\Sub64").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &wide, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(wide);
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, &wide),
              ERROR_SUCCESS);
    DWORD one = 1;
    RegSetValueExW(wide, L"Only64", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    RegCloseKey(wide);
    m_registry.WriteDword(kHkeyLocalMachine, m_key, u"Only32", 2);
    m_registry.CreateKey(kHkeyLocalMachine, m_key + u"\\Sub32");

    platform::RegValues whole;
    ASSERT_EQ(m_registry.ReadValues(kHkeyLocalMachine, m_key, whole), ERROR_SUCCESS);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].first, u"Only32");
    std::vector<std::u16string> keys;
    ASSERT_EQ(m_registry.EnumSubKeys(kHkeyLocalMachine, m_key, keys), ERROR_SUCCESS);
    EXPECT_EQ(keys, std::vector<std::u16string>{u"Sub32"});

    // TearDown removes the 32-bit key; this 64-bit program's own view holds the other.
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, path.c_str());
}
