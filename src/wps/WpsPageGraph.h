// The WPS part of the wizard's page graph as pure rules: after a WPS page closed with its modal result
// (OK or Cancel) and stored the next page, does the run go on, and does it end by handing the chosen
// network to the Settings tab for a set-up by hand?
#pragma once

namespace wps {

// WPS page numbers beyond the ones the wizard's own state names.
constexpr int kPageCheck = 100;
constexpr int kPageExpressCheck = 101;
constexpr int kPageSelectMethod = 102;
constexpr int kPagePushButton = 103;
constexpr int kPagePinChoice = 104;
constexpr int kPageAdapterPin = 105;
constexpr int kPageApPin = 106;
constexpr int kPageErrorMessage = 107;
constexpr int kPageSuccess = 108;
constexpr int kPageErrorFail = 109;
constexpr int kPageErrorTimeout = 110;
constexpr int kPageRetry = 111;

struct GraphContext {
    bool directRun = false;      // the Networks tab's Connect started the run
    bool checkCancelled = false; // WpsCheckCancelled
    bool adapterPresent = true;  // DevicePresent
};

// A direct run ends and hands its network over for a set-up by hand when the WPS check page was left
// with "no" (OK, next page 4) or the push-button page was cancelled before its exchange began (next
// page 102).
bool HandsOverForManualSetUp(int page, int result, int next, const GraphContext& context);

// Whether the wizard shows `next` after page `page` closed with `result` (ui::kIdOk / kIdCancel).
// False also for the hand-overs above.
bool GoesOn(int page, int result, int next, const GraphContext& context);

} // namespace wps
