#include <gtest/gtest.h>

#include <map>

#include "fakes/FakeHost.h"
#include "uninstall/CUninstallDlg.h"
#include "uninstall/SetupCommand.h"

namespace uninstall {
namespace {

constexpr char kGuid[] = "{3F6C1A52-7D0B-4B8E-9E21-5C4D8A7B6F10}";
constexpr char kProgram[] = "\"C:\\Program Files\\Orvelin\\Uninstall.exe\"";

class FakeUninstallSystem final : public UninstallSystem {
public:
    bool ReadUninstallString(std::string_view identifier, std::string& out) override {
        reads.emplace_back(identifier);
        auto it = entries.find(std::string(identifier));
        if (it == entries.end()) {
            return false;
        }
        out = it->second;
        return true;
    }
    bool Exec(std::string_view commandLine) override {
        started.emplace_back(commandLine);
        return execWorks;
    }
    std::map<std::string, std::string> entries;
    std::vector<std::string> reads;
    std::vector<std::string> started;
    bool execWorks = true;
};

class UninstallTest : public ::testing::Test {
protected:
    UninstallTest() {
        m_system.entries[kGuid] = "C:\\PROGRA~1\\InstallShield Installation Information\\" +
                                  std::string(kGuid) + "\\setup.exe -runfromtemp -l0x0009 -removeonly";
    }
    // Runs the dialog on a command line; returns the one command it started.
    std::string Launch(const std::string& commandLine) {
        CUninstallDlg dialog(m_system, commandLine);
        fakes::FakeHost host(dialog);
        host.Open();
        EXPECT_TRUE(host.ended());
        EXPECT_EQ(host.result(), 0);
        EXPECT_EQ(m_system.started.size(), 1u);
        return m_system.started.empty() ? std::string() : m_system.started.back();
    }
    std::string SetupPath() const {
        return "C:\\PROGRA~1\\InstallShield Installation Information\\" + std::string(kGuid) + "\\setup.exe";
    }
    FakeUninstallSystem m_system;
};

TEST_F(UninstallTest, LanguageBeforeGuidIsPassedOnWithTheRest) {
    std::string line = std::string(kProgram) + " -L0x0407 -GUID " + kGuid;
    EXPECT_EQ(Launch(line), SetupPath() + " -L0x0407 -GUID " + kGuid);
    EXPECT_EQ(m_system.reads, std::vector<std::string>{kGuid});
}

TEST_F(UninstallTest, WithoutLanguageNothingIsAppended) {
    EXPECT_EQ(Launch(std::string(kProgram) + " -GUID " + kGuid), SetupPath());
}

TEST_F(UninstallTest, LanguageAfterGuidSpoilsTheIdentifier) {
    EXPECT_EQ(Launch(std::string(kProgram) + " -GUID " + kGuid + " -L0x0407"), "setup.exe -L0x0407");
    EXPECT_EQ(m_system.reads, std::vector<std::string>{std::string(kGuid) + " -L0x0407"});
}

TEST_F(UninstallTest, WithoutGuidTheIdentifierIsTheLineFromItsSixthCharacter) {
    EXPECT_EQ(Launch("Uninstall.exe /quiet"), "setup.exe");
    EXPECT_EQ(m_system.reads, std::vector<std::string>{"tall.exe /quiet"});
}

TEST_F(UninstallTest, StartFailureStillEndsTheDialog) {
    m_system.execWorks = false;
    EXPECT_EQ(Launch(std::string(kProgram) + " -GUID " + kGuid), SetupPath());
}

TEST_F(UninstallTest, NoIdentifierReadsNothing) {
    for (std::string line : {"", "x", "Uninstall.exe -GUID", "Uninstall.exe -GUID "}) {
        m_system.reads.clear();
        m_system.started.clear();
        EXPECT_EQ(Launch(line), "setup.exe") << line;
        EXPECT_TRUE(m_system.reads.empty()) << line;
    }
}

TEST(SetupCommand, ReducesTheUninstallCommandToItsSetupProgram) {
    EXPECT_EQ(SetupCommand("C:\\X\\setup.exe -remove", "U.exe"), "C:\\X\\setup.exe");
    EXPECT_EQ(SetupCommand("C:\\X\\setup.exe", "U.exe"), "C:\\X\\setup.exe");
    EXPECT_EQ(SetupCommand("", "U.exe"), "setup.exe");
    EXPECT_EQ(SetupCommand("MsiExec.exe /X{GUID}", "U.exe"), "setup.exe");
    // Only the first occurrence counts.
    EXPECT_EQ(SetupCommand("C:\\setup.exe.d\\setup.exe", "U.exe"), "C:\\setup.exe");
    // The name is found whatever its case, and a quoted path keeps its closing quote.
    EXPECT_EQ(SetupCommand("C:\\X\\Setup.EXE /u", "U.exe"), "C:\\X\\setup.exe");
    EXPECT_EQ(SetupCommand("\"C:\\Program Files\\X\\setup.exe\" -remove", "U.exe -L1031"),
              "\"C:\\Program Files\\X\\setup.exe\" -L1031");
    EXPECT_EQ(SetupCommand("\"C:\\Program Files\\X\\setup.exe\"", "U.exe"),
              "\"C:\\Program Files\\X\\setup.exe\"");
}

TEST(SetupCommand, LanguageSwitchMustFollowTheFirstCharacter) {
    EXPECT_EQ(SetupCommand("C:\\X\\setup.exe", "-L1031 -GUID {A}"), "C:\\X\\setup.exe");
    EXPECT_EQ(SetupCommand("C:\\X\\setup.exe", "U -L"), "C:\\X\\setup.exe -L");
    // "-l" is not the switch.
    EXPECT_EQ(SetupCommand("C:\\X\\setup.exe", "U -l1031"), "C:\\X\\setup.exe");
}

TEST(SetupCommand, IdentifierFollowsGuidAndOneSeparator) {
    EXPECT_EQ(ProductIdentifier("U.exe -GUID {A}"), "{A}");
    EXPECT_EQ(ProductIdentifier("U.exe -GUID={A} -L1"), "{A} -L1");
    EXPECT_EQ(ProductIdentifier("U.exe -GUID -GUID {B}"), "-GUID {B}");
    EXPECT_EQ(ProductIdentifier("U.exe -GUID"), "");
    EXPECT_EQ(ProductIdentifier("12345"), "");
    EXPECT_EQ(ProductIdentifier("123456"), "6");
}

} // namespace
} // namespace uninstall
