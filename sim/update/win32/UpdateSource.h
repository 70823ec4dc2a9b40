// Where the update comes from: the installed version from setup.ini, the feed's address from
// stringtable.dat (or ORVL_UPDATE_FEED), and the feed itself from the server.
#pragma once

#include "HttpGet.h"
#include "UpdateFeed.h"
#include "UpdateResult.h"

#include <optional>
#include <string>

namespace orvl_update {

// Connect and receive time-out of every request: 30 s, shorter by ORVL_UPDATE_TIMEOUT_MS.
uint32_t RequestTimeoutMs();

// An English text for a failed request of the feed or of the installer.
std::u16string FetchFailureText(FetchResult result);

struct UpdateOffer {
    UpdateOutcome outcome;          // kCodeNewer, kCodeNoNewer or a failure with its text
    std::optional<UpdateFeed> feed; // set with kCodeNewer
    HttpUrl feedUrl;
};

// Reads the installed version and the feed, and compares the versions.
UpdateOffer FindUpdate(const wchar_t* setupIniPath, const wchar_t* stringTablePath);

} // namespace orvl_update
