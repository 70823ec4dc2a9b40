#include "UpdateSource.h"

#include "VersionCompare.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace orvl_update {
namespace {

// Feeds are a few hundred bytes; anything much larger is not a feed.
constexpr size_t kLongestFeed = 64 * 1024;

std::u16string ReadProfileText(const wchar_t* path, const wchar_t* section, const wchar_t* key) {
    if (!path || !*path) {
        return {};
    }
    wchar_t value[512] = {};
    DWORD n = GetPrivateProfileStringW(section, key, L"", value, 512, path);
    return std::u16string(reinterpret_cast<const char16_t*>(value), n);
}

std::u16string FeedAddress(const wchar_t* stringTablePath) {
    wchar_t value[2048] = {};
    DWORD n = GetEnvironmentVariableW(L"ORVL_UPDATE_FEED", value, 2048);
    if (n > 0 && n < 2048) {
        return std::u16string(reinterpret_cast<const char16_t*>(value), n);
    }
    return ReadProfileText(stringTablePath, L"LiveUpdate", L"Feed");
}

} // namespace

uint32_t RequestTimeoutMs() {
    char value[32] = {};
    DWORD n = GetEnvironmentVariableA("ORVL_UPDATE_TIMEOUT_MS", value, sizeof value);
    return TimeoutFromSetting(n > 0 && n < sizeof value ? value : nullptr);
}

std::u16string FetchFailureText(FetchResult result) {
    switch (result) {
    case FetchResult::Ok:
        return {};
    case FetchResult::NoConnection:
        return u"The update server could not be reached.";
    case FetchResult::TimedOut:
        return u"The update server did not answer in time.";
    case FetchResult::NotFound:
        return u"The update server does not have the file.";
    case FetchResult::Cut:
        return u"The connection to the update server broke off.";
    case FetchResult::BadAnswer:
    case FetchResult::Refused:
        break;
    }
    return u"The update server sent an answer that cannot be read.";
}

UpdateOffer FindUpdate(const wchar_t* setupIniPath, const wchar_t* stringTablePath) {
    UpdateOffer offer;
    std::u16string installed = ReadProfileText(setupIniPath, L"MenuItem", L"version");
    if (!HasVersionNumber(installed)) {
        offer.outcome = {kCodeNoSetupVersion, u"The installed version cannot be read from setup.ini."};
        return offer;
    }
    std::optional<HttpUrl> url = ParseHttpUrl(FeedAddress(stringTablePath));
    if (!url) {
        offer.outcome = {kCodeNoFeedAddress, u"No valid update server address is set in stringtable.dat."};
        return offer;
    }
    offer.feedUrl = *url;
    std::vector<uint8_t> bytes;
    FetchHandlers handlers;
    handlers.onLength = [](std::optional<uint64_t> length) { return !length || *length <= kLongestFeed; };
    handlers.onBody = [&bytes](std::string_view piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
        return bytes.size() <= kLongestFeed;
    };
    FetchResult fetched = HttpGet(*url, RequestTimeoutMs(), handlers);
    if (fetched == FetchResult::Refused) {
        offer.outcome = {kCodeFeedDamaged, u"The update information on the server is damaged."};
        return offer;
    }
    if (fetched != FetchResult::Ok) {
        offer.outcome = {kCodeServerUnreachable, FetchFailureText(fetched)};
        return offer;
    }
    offer.feed = UpdateFeed::Parse(bytes);
    if (!offer.feed) {
        offer.outcome = {kCodeFeedDamaged, u"The update information on the server is damaged."};
        return offer;
    }
    if (CompareVersions(offer.feed->version(), installed) <= 0) {
        offer.feed.reset();
        offer.outcome = {kCodeNoNewer, u"No newer version is available."};
        return offer;
    }
    offer.outcome = {kCodeNewer, {}};
    return offer;
}

} // namespace orvl_update
