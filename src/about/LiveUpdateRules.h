// The live update's rules as plain functions: the bar's position, the library's texts, the log line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace about {

// The bar's share of the availability check; the download fills the rest.
constexpr int kCheckShare = 20;
// The installer is told to modify the installed product: /z"-MODIFY".
constexpr std::u16string_view kInstallerParameters = u"/z\"-MODIFY\"";
// The longest text the library may hand back (its buffers hold 512 units with the terminator).
constexpr size_t kLibraryTextUnits = 511;

// The bar while downloading: the check's share plus the download's percent scaled to the rest. A
// percent over 100 counts as 100.
int DownloadBarPosition(uint32_t percent);
// A text from the library as it is shown: cut to kLibraryTextUnits.
std::u16string LibraryText(std::u16string_view text);
// "YYYY/MM/DD hh:mm:ss : " in local time, then the message.
std::u16string LogLine(int64_t secondsSince1970, std::u16string_view message);
// The installer's path from the folder and file name the library reports.
std::u16string InstallerPath(std::u16string_view folder, std::u16string_view fileName);
// Whether the service library tests the Internet on its own and reports it: not in regional domain 4
// and not after the user switched the Internet notice off. Otherwise the program asks itself.
bool LibraryInternetCheckOn(int countryDomain, bool internetNoticeOn);

} // namespace about
