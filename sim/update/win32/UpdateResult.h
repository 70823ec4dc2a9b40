// Answers of the library's entry points and the English texts it explains failures with. 0, 4, 5 and
// 21 carry the meanings the utility relies on; failures use other numbers.
#pragma once

#include <string>

namespace orvl_update {

enum UpdateCode : int {
    kCodeOk = 0,
    kCodeNoSetupVersion = 1,
    kCodeNoFeedAddress = 2,
    kCodeServerUnreachable = 3,
    kCodeNoNewer = 4,
    kCodeNewer = 5,
    kCodeFeedDamaged = 6,
    kCodeDownloadFailed = 7,
    kCodeFileDamaged = 8,
    kCodeCannotSave = 9,
    kCodeBusy = 10,
    kCodeNotBegun = 11,
    kCodeNoNews = 12,
    kCodeFinished = 21,
};

struct UpdateOutcome {
    int code = kCodeOk;
    std::u16string text;
};

} // namespace orvl_update
