#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "BandlorePacker.h"
#include "FakeDevices.h"
#include "TempFolder.h"
#include "base/IniFile.h"
#include "drvseed/DrvSeed.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeRegistry.h"

namespace drvseed {
namespace {

using testing::FakeDevices;
using testing::TempFolder;

constexpr char16_t kOurs[] = u"usb\\vid_2f7c&pid_7700";
constexpr char16_t kInstance[] = u"{6A1E4C2B-0D6F-4E57-9C61-3F0A5B7C8D90}";
constexpr char16_t kStatusKey[] = u"SoftWare\\Orvelin\\KTVA7700v2";

const char* const kSettings =
    "[Information]\nRegion_Name=CountryRegion\nModel=KTVA7700v2\nTitle=Waiting\n"
    "[Region]\nDefault=1\nEU=5\n"
    "[Language]\n0=Insert the adapter\n3=Branchez l'adaptateur\n"
    "[DriverData_1]\nData_Name=PSMode\nData_Type=REG_SZ\nData_Value=CAM\n"
    "[DriverData_2]\nData_Name=Flags\nData_Type=REG_BINARY\nData_Value=0A,0B\n"
    "[DriverData_3]\nData_Name=Odd\nData_Type=REG_NONSENSE\nData_Value=1\n"
    "[DriverData_4]\nData_Name=Power\nData_Type=REG_DWORD\nData_Value=100\n"
    "[RegistryData_Between_Restart_Card_1]\nData_Root=HKEY_LOCAL_MACHINE\n"
    "Data_Key=SOFTWARE\\Orvelin\\Applied\nData_Name=Region\nData_Type=REG_DWORD\n"
    "Data_Value=5\n"
    "[RegistryData_Between_Restart_Card_2]\nData_Root=HKEY_NOWHERE\nData_Key=X\n"
    "Data_Name=Y\nData_Type=REG_SZ\nData_Value=Z\n"
    "[RegistryData_Between_Restart_Card_3]\nData_Root=HKEY_CURRENT_USER\n"
    "Data_Key=Software\\Orvelin\nData_Name=Seen\nData_Type=REG_SZ\nData_Value=yes\n";

class RecordingConsole final : public Console {
public:
    explicit RecordingConsole(fakes::FakeClock& clock) : m_clock(clock) {}
    void Print(std::u16string_view text) override { lines.emplace_back(text); }
    void ShowMessage(std::u16string_view title, std::u16string_view text) override {
        messages.push_back(std::u16string(title) + u"|" + std::u16string(text));
        messageTimes.push_back(m_clock.TotalSlept());
    }
    std::vector<std::u16string> lines;
    std::vector<std::u16string> messages;
    std::vector<uint64_t> messageTimes;

private:
    fakes::FakeClock& m_clock;
};

class DrvSeedTest : public ::testing::Test {
protected:
    DrvSeedTest() {
        bandlore::DeviceBlock block{"KTVA7700v2", {"USB\\VID_2F7C&PID_7700"}};
        m_folder.Write("Bandlore.dat", bandlore::Pack({*bandlore::BuildBlock(block)}, 0x3D));
        m_folder.Write("DrvSeed_Product.ini", kSettings);
        base::IniFile::ClearCache();
        m_devices.ipAdapters = {u"{00000000-0000-0000-0000-000000000001}", base::AsciiLower(kInstance)};
    }

    int Run(std::vector<std::u16string> args) {
        DrvSeed tool(m_devices, m_status, m_clock, m_console, m_folder.Folder());
        return tool.Run(args);
    }

    std::u16string Status() {
        std::u16string value;
        m_status.ReadString(platform::kHkeyLocalMachine, kStatusKey, u"ERROR_SUCCESS", value);
        return value;
    }

    TempFolder m_folder;
    FakeDevices m_devices;
    fakes::FakeRegistry m_status;
    fakes::FakeClock m_clock;
    RecordingConsole m_console{m_clock};
};

TEST_F(DrvSeedTest, FewerThanTwoArgumentsDoNothing) {
    m_devices.Add(kOurs, kInstance, u"Adapter");
    EXPECT_EQ(Run({}), 1);
    EXPECT_EQ(Run({u"EU"}), 1);
    EXPECT_EQ(m_devices.refreshes, 0u);
    EXPECT_TRUE(m_console.lines.empty());
    EXPECT_EQ(m_clock.TotalSlept(), 0u);
    EXPECT_FALSE(m_status.KeyExists(platform::kHkeyLocalMachine, kStatusKey));
}

TEST_F(DrvSeedTest, NoWaitGivesUpAfterThirtySecondsAndRecordsZero) {
    m_devices.Add(u"USB\\VID_0BDA&PID_8187", u"{other}", u"Someone else's adapter");
    m_status.WriteString(platform::kHkeyLocalMachine, kStatusKey, u"ERROR_SUCCESS", u"1");
    EXPECT_EQ(Run({u"EU", u"0", u"0"}), 0);
    EXPECT_EQ(m_devices.refreshes, 10u);
    EXPECT_EQ(m_clock.TotalSlept(), 30000u);
    EXPECT_EQ(Status(), u"0");
    EXPECT_TRUE(m_console.messages.empty());
    EXPECT_TRUE(m_console.lines.empty());
    EXPECT_TRUE(m_devices.devices[0].written.empty());
}

TEST_F(DrvSeedTest, WaitModeShowsTheMessageEveryThirtySecondsUntilTheAdapterComes) {
    m_devices.Add(kOurs, kInstance, u"Adapter");
    m_devices.hiddenUntilRefresh = 25;
    EXPECT_EQ(Run({u"EU", u"3"}), 0);
    EXPECT_EQ(m_devices.refreshes, 26u);
    EXPECT_EQ(m_console.messages, (std::vector<std::u16string>{u"Waiting|Branchez l'adaptateur",
                                                               u"Waiting|Branchez l'adaptateur"}));
    EXPECT_EQ(m_console.messageTimes, (std::vector<uint64_t>{30000, 60000}));
    // Wait mode leaves no status value.
    EXPECT_FALSE(m_status.KeyExists(platform::kHkeyLocalMachine, kStatusKey));
    ASSERT_FALSE(m_console.lines.empty());
    EXPECT_EQ(m_console.lines[0], u"5 find success\n");
}

TEST_F(DrvSeedTest, WaitingMessageFallsBackToLanguageZero) {
    m_devices.hiddenUntilRefresh = 10;
    m_devices.Add(kOurs, kInstance, u"Adapter");
    Run({u"EU", u"-0"});
    EXPECT_EQ(m_console.messages, (std::vector<std::u16string>{u"Waiting|Insert the adapter"}));
}

TEST_F(DrvSeedTest, FoundAdapterIsWrittenRestartedAndRecorded) {
    m_devices.Add(u"USB\\VID_2F7C&PID_7700", u"{not-in-ip-list}", u"Stale entry");
    m_devices.Add(u"PCI\\VEN_8086&DEV_10D3", u"{00000000-0000-0000-0000-000000000001}", u"Wired");
    m_devices.Add(kOurs, kInstance, u"Orvelin KTVA7700v2");
    EXPECT_EQ(Run({u"EU", u"0", u"0"}), 0);

    EXPECT_TRUE(m_devices.devices[0].written.empty());
    EXPECT_TRUE(m_devices.devices[1].written.empty());
    const auto& written = m_devices.devices[2].written;
    ASSERT_EQ(written.size(), 4u); // the unknown type is skipped
    EXPECT_EQ(written[0].first, u"CountryRegion");
    EXPECT_EQ(written[0].second.data, platform::RegValue::String(u"5").data);
    EXPECT_EQ(written[1].first, u"PSMode");
    EXPECT_EQ(written[2].first, u"Flags");
    EXPECT_EQ(written[2].second.type, platform::kRegBinary);
    EXPECT_EQ(written[2].second.data, (std::vector<uint8_t>{0x0A, 0x0B}));
    EXPECT_EQ(written[3].first, u"Power");
    EXPECT_EQ(written[3].second.data, platform::RegValue::Dword(100).data);

    EXPECT_EQ(Status(), u"1");
    EXPECT_EQ(m_console.lines,
              (std::vector<std::u16string>{
                  u"5 find success\n", u"8 Orvelin KTVA7700v2\n", u"7 SetupDiSetClassInstallParams success\n",
                  u"6 SetupDiCallClassInstaller success\n", u"4 ShutDownNetworkAdapter success\n",
                  u"8 Orvelin KTVA7700v2\n", u"7 SetupDiSetClassInstallParams success\n",
                  u"6 SetupDiCallClassInstaller success\n", u"3 ShutUPNetworkAdapter success\n"}));
    // The between-restart values land while the device is down; the unknown root is skipped.
    auto disable = std::find(m_devices.log.begin(), m_devices.log.end(), u"params disable");
    auto enable = std::find(m_devices.log.begin(), m_devices.log.end(), u"params enable");
    auto region =
        std::find(m_devices.log.begin(), m_devices.log.end(), u"machine SOFTWARE\\Orvelin\\Applied\\Region");
    ASSERT_NE(region, m_devices.log.end());
    EXPECT_LT(disable, region);
    EXPECT_LT(region, enable);
    EXPECT_EQ(std::count_if(m_devices.log.begin(), m_devices.log.end(),
                            [](const std::u16string& line) { return line.starts_with(u"machine "); }),
              2);
    uint32_t seen = 0;
    EXPECT_EQ(m_devices.machine.ReadDword(platform::kHkeyLocalMachine, u"SOFTWARE\\Orvelin\\Applied",
                                          u"Region", seen),
              platform::kErrorSuccess);
    EXPECT_EQ(seen, 5u);
    // Only the pause before the enable step: the adapter was there at once.
    EXPECT_EQ(m_clock.TotalSlept(), 500u);
}

TEST_F(DrvSeedTest, FailingWritesRepeatTheWholeAttempt) {
    m_devices.Add(kOurs, kInstance, u"Adapter");
    // The first attempt fails on its first write although its last write succeeds; the second fails
    // on its last write; the third goes through.
    m_devices.failingWrites = {5, 0, 0, 0, 0, 0, 0, 1021};
    EXPECT_EQ(Run({u"EU", u"0", u"0"}), 0);
    EXPECT_EQ(m_devices.refreshes, 3u);
    EXPECT_EQ(m_devices.devices[0].written.size(), 3u + 3u + 4u);
    EXPECT_EQ(Status(), u"1");
    EXPECT_EQ(m_clock.TotalSlept(), 2 * 3000u + 500u);
}

TEST_F(DrvSeedTest, EnableIsTriedAtMostThreeTimes) {
    auto& device = m_devices.Add(kOurs, kInstance, u"Adapter");
    // Disable goes through; every enable fails, once in each half of the state change.
    device.installerResults = {0, 31, 31};
    device.paramsResults = {0, 0, 0, 13};
    EXPECT_EQ(Run({u"EU", u"0", u"0"}), 0);
    EXPECT_EQ(std::count(m_devices.log.begin(), m_devices.log.end(), u"params enable"), 3);
    EXPECT_EQ(std::count(m_devices.log.begin(), m_devices.log.end(), u"installer"), 3);
    EXPECT_EQ(m_clock.TotalSlept(), 3 * 500u);
    std::vector<std::u16string> errors;
    for (const auto& line : m_console.lines) {
        if (line.starts_with(u"error 2: ")) {
            errors.push_back(line);
        }
    }
    EXPECT_EQ(errors, (std::vector<std::u16string>{u"error 2: failure 31\n", u"error 2: failure 31\n",
                                                   u"error 2: failure 13\n"}));
    EXPECT_EQ(std::count(m_console.lines.begin(), m_console.lines.end(), u"3 ShutUPNetworkAdapter success\n"),
              0);
}

TEST_F(DrvSeedTest, EnableStopsAtTheFirstSuccess) {
    auto& device = m_devices.Add(kOurs, kInstance, u"Adapter");
    device.installerResults = {0, 31};
    EXPECT_EQ(Run({u"EU", u"0"}), 0);
    EXPECT_EQ(std::count(m_devices.log.begin(), m_devices.log.end(), u"params enable"), 2);
    EXPECT_EQ(m_console.lines.back(), u"3 ShutUPNetworkAdapter success\n");
}

TEST_F(DrvSeedTest, FailedDisableLeavesTheRestUndone) {
    auto& device = m_devices.Add(kOurs, kInstance, u"Adapter");
    device.installerResults = {31};
    EXPECT_EQ(Run({u"EU", u"0", u"0"}), 0);
    EXPECT_EQ(std::count(m_devices.log.begin(), m_devices.log.end(), u"params enable"), 0);
    EXPECT_EQ(m_devices.machine.ValueCount(platform::kHkeyLocalMachine, u"SOFTWARE\\Orvelin\\Applied"), 0u);
    EXPECT_EQ(m_console.lines.back(), u"error 2: failure 31\n");
    EXPECT_EQ(Status(), u"1");
}

TEST_F(DrvSeedTest, DamagedDeviceListFindsNothing) {
    m_devices.Add(kOurs, kInstance, u"Adapter");
    m_folder.Write("Bandlore.dat", std::string("garbage"));
    EXPECT_EQ(Run({u"EU", u"0", u"0"}), 0);
    EXPECT_EQ(Status(), u"0");
    EXPECT_TRUE(m_devices.devices[0].written.empty());
}

TEST_F(DrvSeedTest, MissingSettingsWriteNothingButStillRestart) {
    m_devices.Add(kOurs, kInstance, u"Adapter");
    std::filesystem::remove(std::filesystem::path(m_folder.File("DrvSeed_Product.ini")));
    base::IniFile::ClearCache();
    EXPECT_EQ(Run({u"EU", u"0", u"0"}), 0);
    EXPECT_TRUE(m_devices.devices[0].written.empty());
    // The model is empty, so the status lands directly under the maker's key.
    std::u16string value;
    m_status.ReadString(platform::kHkeyLocalMachine, u"SoftWare\\Orvelin\\", u"ERROR_SUCCESS", value);
    EXPECT_EQ(value, u"1");
    EXPECT_EQ(m_console.lines.back(), u"3 ShutUPNetworkAdapter success\n");
}

} // namespace
} // namespace drvseed
