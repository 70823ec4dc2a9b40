#include "about/LiveUpdateRules.h"

#include <ctime>

#include "base/Format.h"

namespace about {

int DownloadBarPosition(uint32_t percent) {
    uint32_t capped = percent > 100 ? 100 : percent;
    return kCheckShare + static_cast<int>(capped * 4 / 5); // percent x 0.8, truncated
}

std::u16string LibraryText(std::u16string_view text) {
    return std::u16string(text.substr(0, kLibraryTextUnits));
}

std::u16string LogLine(int64_t secondsSince1970, std::u16string_view message) {
    std::time_t when = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    std::u16string line = base::Format(u"%04d/%02d/%02d %02d:%02d:%02d : ",
                                       {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                        local.tm_min, local.tm_sec});
    line += message;
    return line;
}

std::u16string InstallerPath(std::u16string_view folder, std::u16string_view fileName) {
    if (fileName.empty()) {
        return {};
    }
    std::u16string path(folder);
    path += fileName;
    return path;
}

bool LibraryInternetCheckOn(int countryDomain, bool internetNoticeOn) {
    return countryDomain != 4 && internetNoticeOn;
}

} // namespace about
