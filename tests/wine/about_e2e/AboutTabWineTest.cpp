// The About page of the real program in one run against a scenario of its own: the adapter fields
// follow the scenario and what skyctl changes; the system-information report completes with its four
// sections, the page's software line and one line per stand-in network, and saves as UTF-16LE; picking
// "Germany" re-texts the main window's tabs from the German language file and stores "Language" = "1"
// through the service.
#include <cstring>

#include "AboutUnderWine.h"

namespace {

using namespace about_e2e;

const char kAdapter[] =
    "[Adapter]\nPresent=1\nRadio=1\nInterfaceIndex=11\nRegionCode=16\n"
    "Name=KTVA7700v2 Wireless USB Adapter\nPIN=12345670\nPreambles=0x83\n"
    "FragThresholdMin=256\nFragThresholdMax=2346\nRTSThresholdMin=0\nRTSThresholdMax=2347\n"
    "ZeroConfig=0\n";
const char kWorld[] = "[World]\nInternet=1\nScanDelay=300\nAssociateDelay=200\nAddressDelay=200\n"
                      "InternetDelay=200\nLinkPeriod=5000\n";

std::string Networks(const char* homeAddress) {
    return std::string("[HomeNet]\nBSSID=00:24:B2:10:20:01\nChannel=6\nModes=bgn\nSecurity=WPA2-PSK\n"
                       "Passphrase=sunflower42\nSignal=88\nGateway=192.168.1.1\nAddress=") +
           homeAddress +
           "\n[Lab_Two]\nBSSID=00:24:B2:10:20:02\nChannel=1\nModes=bg\nSecurity=WPA-PSK\nPassphrase="
           "labpass123\n"
           "Signal=64\n[Cafe "
           "Guest]\nBSSID=00:24:B2:10:20:03\nChannel=11\nModes=bg\nSecurity=None\nSignal=40\n";
}

const wchar_t* const kNetworkNames[] = {L"HomeNet", L"Lab_Two", L"Cafe Guest"};

std::wstring FullText(HWND control) {
    int length = static_cast<int>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find(L"\r\n", begin);
        lines.push_back(text.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin));
        begin = end == std::wstring::npos ? text.size() : end + 2;
    }
    return lines;
}

// A section's text: between its header and the blank lines before the next header.
std::wstring Section(const std::wstring& text, const std::wstring& header) {
    size_t begin = text.find(header);
    if (begin == std::wstring::npos) {
        return L"<no section>";
    }
    begin += header.size();
    size_t end = text.find(L"\r\n\r\n\r\n---", begin);
    return text.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}

class AboutTab : public AboutUnderWine {
protected:
    // A German language file: the English one with the tab captions in German. Language files are
    // UTF-16LE with a byte-order mark, as the platform's profile reader takes every script.
    void WriteGermanFile() {
        std::string bytes = ReadText(Dist() + L"Language\\English\\English.lng");
        ASSERT_GE(bytes.size(), 2u);
        ASSERT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2))
            << "English.lng is not UTF-16LE with a byte-order mark";
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        std::memcpy(text.data(), bytes.data() + 2, text.size() * sizeof(wchar_t));
        for (auto [english, german] :
             {std::pair<std::wstring, std::wstring>{L"Tab_Profile=Settings", L"Tab_Profile=Einstellungen"},
              {L"Tab_SiteSurvey=Networks", L"Tab_SiteSurvey=Netzwerke"},
              {L"Tab_Statistics=Statistics", L"Tab_Statistics=Statistik"},
              {L"Tab_About=About", L"Tab_About=Info"}}) {
            size_t at = text.find(english);
            ASSERT_NE(at, std::wstring::npos) << Narrow(english);
            text.replace(at, english.size(), german);
        }
        std::filesystem::create_directories(std::filesystem::path(m_folder + L"Language\\Germany"));
        std::ofstream out(std::filesystem::path(m_folder + L"Language\\Germany\\Germany.lng"),
                          std::ios::binary);
        out << "\xFF\xFE";
        out.write(reinterpret_cast<const char*>(text.data()),
                  static_cast<std::streamsize>(text.size() * sizeof(wchar_t)));
        CopyFileW((Dist() + L"Language\\English\\About.rtf").c_str(),
                  (m_folder + L"Language\\Germany\\About.rtf").c_str(), FALSE);
    }

    // The report opened with Troubleshooting, complete; saved into `path` by the system's save dialog.
    void CheckReport(const std::wstring& path) {
        HWND report = nullptr;
        ASSERT_TRUE(ClickControl(Control(IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING), [&] {
            return (report = FindWindowW(L"#32770", kReportTitle)) != nullptr;
        })) << DescribeWindows();
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(report, IDCANCEL)) != FALSE; }, 130000))
            << "the report did not complete";
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(report, IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE)));
        EXPECT_TRUE(WaitFor(
            [&] { return ControlText(report, IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE) == L"Done..."; }, 10000))
            << Narrow(ControlText(report, IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE));
        std::wstring text = FullText(GetDlgItem(report, IDC_EDIT_ABOUT_SYSINFO_LIST));
        size_t previous = 0;
        for (const wchar_t* header :
             {L"---System Information---\r\n", L"---System Network Information---\r\n",
              L"---Software Information---\r\n", L"---Site survey Information---\r\n"}) {
            size_t at = text.find(header);
            EXPECT_NE(at, std::wstring::npos) << Narrow(header);
            EXPECT_GE(at, previous) << "out of order: " << Narrow(header);
            previous = at == std::wstring::npos ? previous : at;
        }
        EXPECT_EQ(Section(text, L"---Software Information---\r\n"),
                  L"Version:1.0.0.0/Driver Version:1.0.2.7");
        std::vector<std::wstring> survey = Lines(Section(text, L"---Site survey Information---\r\n"));
        ASSERT_EQ(survey.size(), 4u) << "a header and a line per network:\n"
                                     << Narrow(Section(text, L"---Site survey Information---\r\n"));
        EXPECT_EQ(survey[0].rfind(L"Network Name (SSID)", 0), 0u);
        for (const wchar_t* name : kNetworkNames) {
            std::wstring padded = std::wstring(name) + std::wstring(32 - wcslen(name), L' ');
            int found = 0;
            for (size_t i = 1; i < survey.size(); ++i) {
                found += survey[i].rfind(padded, 0) == 0 ? 1 : 0;
            }
            EXPECT_EQ(found, 1) << Narrow(name);
        }
        SavePicture(L"system-report", report);

        HWND save = nullptr;
        ASSERT_TRUE(ClickControl(GetDlgItem(report, IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE), [&] {
            save = WaitForDialogWith(1148, 100); // the file name box of the system's save dialog
            return save != nullptr && save != report;
        })) << DescribeWindows();
        // The dialog fills in the proposed name as it initialises; typing before that would be lost.
        HWND name = GetDlgItem(save, 1148);
        EXPECT_TRUE(WaitFor(
            [&] { return IsWindowVisible(save) && settings_e2e::WindowText(name) == L"sysinfo.txt"; }, 10000))
            << "proposed name: " << Narrow(settings_e2e::WindowText(name));
        // The dialog reads the box when Save is pressed, so the text set is what a user would type.
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        std::wstring typed = settings_e2e::WindowText(name);
        ASSERT_EQ(typed, path);
        ASSERT_TRUE(ClickControl(GetDlgItem(save, IDOK), [&] { return !IsWindow(save); }))
            << "the save dialog stayed" << DescribeWindows();
        ASSERT_TRUE(WaitFor([&] { return ReadText(path).size() >= 2 + text.size() * 2; }, 10000))
            << "nothing (or too little) was saved in " << Narrow(path) << ": " << ReadText(path).size()
            << " bytes for " << text.size() << " characters; typed " << Narrow(typed) << DescribeWindows();
        std::string saved = ReadText(path);
        EXPECT_EQ(saved.substr(0, 2), std::string("\xFF\xFE"));
        std::string expected(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
        EXPECT_TRUE(saved.substr(2) == expected) << "the saved file is not the report";
        PostMessageW(report, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(report); }, 5000));
    }
};

TEST_F(AboutTab, FieldsFollowTheAdapterTheReportCompletesAndGermanyReTexts) {
    WriteScenario(L"world.ini", std::string(kWorld) + kAdapter +
                                    "MAC=00:1C:7E:5A:77:00\nDriverVersion=1.0.2.7\nDriverDate=2010-03-18\n" +
                                    Networks("192.168.1.20"));
    std::wstring changed = WriteScenario(
        L"changed.ini",
        std::string(kWorld) + kAdapter +
            "MAC=00:1C:7E:00:0A:42\nDriverVersion=2.3.4.5\nDriverDate=2011-12-01\n" + Networks("169.254.3.4"),
        false);
    ASSERT_NO_FATAL_FAILURE(WriteGermanFile());
    ASSERT_NE(Start(), nullptr);
    // The report lists what the Networks page shows; the page surveys when it first comes up.
    constexpr int kNetworkList = 1203;
    ASSERT_TRUE(ShowPage(networks_e2e::kNetworksTab, kNetworkList));
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(Control(kNetworkList)) == 3; }, 20000))
        << "rows: " << ListRowCount(Control(kNetworkList));
    ASSERT_TRUE(ShowPage(kAboutTab, IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE));

    EXPECT_EQ(Text(IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE), L"United States");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE), L"1.0.2.7");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DRIVER_DATE_VALUE), L"Mar. 18, 2010");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_MAC_ADDRESS_VALUE), L"00:1C:7E:5A:77:00");
    EXPECT_TRUE(TextBecomes(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE, L"192.168.1.20", 20000))
        << Narrow(Text(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE));
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE), L"1.0.0.0");
    EXPECT_FALSE(Text(IDC_STATIC_ABOUT_CLEAR_WAVE_DATE_VALUE).empty());
    SavePicture(L"about-tab");

    ASSERT_NO_FATAL_FAILURE(CheckReport(m_folder + L"sysinfo-saved.txt"));

    // Another adapter and an address the network hands out without a server (link-local).
    ASSERT_EQ(Skyctl(L"load \"" + changed + L"\""), 0) << Log();
    ASSERT_EQ(Skyctl(L"unplug"), 0);
    ASSERT_EQ(Skyctl(L"plug"), 0);
    EXPECT_TRUE(TextBecomes(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE, L"2.3.4.5", 20000))
        << Narrow(Text(IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE)) << DescribeWindows();
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_DRIVER_DATE_VALUE), L"Dec. 1, 2011");
    EXPECT_EQ(Text(IDC_STATIC_ABOUT_MAC_ADDRESS_VALUE), L"00:1C:7E:00:0A:42");
    ASSERT_TRUE(LogHas("note associated with \"HomeNet\"", 20000, Log().find("control plug"))) << Log();
    EXPECT_TRUE(TextBecomes(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE, L"0.0.0.0", 20000))
        << Narrow(Text(IDC_STATIC_ABOUT_IP_ADDRESS_VALUE));

    // Germany, picked on the page shown again (the window hides while the adapter is out).
    ASSERT_TRUE(ShowPage(kAboutTab, IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE));
    size_t mark = Log().size();
    HWND combo = Control(IDC_COMBO_ABOUT_LANGUAGE);
    ASSERT_EQ(settings_e2e::ComboItems(combo).at(1), L"Germany");
    ChooseEntry(combo, 1);
    EXPECT_TRUE(WaitFor([&] { return TabCaption(0) == L"Einstellungen"; }, 10000)) << Narrow(TabCaption(0));
    EXPECT_EQ(TabCaption(1), L"Netzwerke");
    EXPECT_EQ(TabCaption(2), L"Statistik");
    EXPECT_EQ(TabCaption(3), L"Info");
    EXPECT_TRUE(LogHas("RegSetString", 5000, mark));
    std::string log = Log().substr(mark);
    EXPECT_NE(log.find("name=\"Language\" text=\"1\""), std::string::npos) << log;
    EXPECT_EQ(ReadAppValue(L"Language"), L"1");
    EXPECT_TRUE(IsWindowVisible(combo))
        << "the About page stays in front; tab "
        << SendMessageW(GetDlgItem(m_main, networks_e2e::kTabControl), TCM_GETCURSEL, 0, 0)
        << DescribeWindows();
    SavePicture(L"about-tab-germany");
}

} // namespace
