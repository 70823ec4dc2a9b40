// The registry implementation against the real (Wine) registry: the 32-bit view, enumeration order,
// typed reads and tree deletion. Each test works in a throwaway key it removes again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

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
