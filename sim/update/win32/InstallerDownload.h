// Fetches the installer the feed names into the library's own folder under %TEMP%, reporting progress
// to the shared status, and checks its size and MD5 against the feed. A file that fails any check is
// deleted, so that the utility can never start a damaged installer.
#pragma once

#include "DownloadStatus.h"
#include "HttpMessage.h"
#include "UpdateFeed.h"
#include "UpdateResult.h"

namespace orvl_update {

// %TEMP%\OrvlUpdate\ with its trailing backslash; created when missing.
std::u16string DownloadFolder();

// On kCodeOk, installerPath is the checked file's full path.
UpdateOutcome DownloadInstaller(const UpdateFeed& feed, const HttpUrl& feedUrl, DownloadStatus& status,
                                std::u16string& installerPath);

} // namespace orvl_update
