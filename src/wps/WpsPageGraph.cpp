#include "wps/WpsPageGraph.h"

#include <initializer_list>

#include "ui/Types.h"
#include "wizard/WizardState.h"

namespace wps {

namespace {

bool OneOf(int page, std::initializer_list<int> pages) {
    for (int candidate : pages) {
        if (candidate == page) {
            return true;
        }
    }
    return false;
}

bool GoesOnAfterOk(int page, int next) {
    switch (page) {
    case kPageCheck:
        return OneOf(next, {wizard::kPageList, kPageExpressCheck, kPageSelectMethod});
    case kPageExpressCheck:
        return OneOf(next, {wizard::kPageList, kPageCheck, kPagePushButton});
    case kPageSelectMethod:
        return OneOf(next, {kPageCheck, kPagePushButton, kPagePinChoice});
    case kPagePushButton:
        return OneOf(next,
                     {wizard::kPageSilentSave, kPageErrorMessage, kPageSuccess, kPageErrorFail, kPageRetry});
    case kPagePinChoice:
        return OneOf(next, {kPageSelectMethod, kPageAdapterPin, kPageApPin});
    case kPageAdapterPin:
    case kPageApPin:
        return next >= kPageErrorMessage && next <= kPageErrorTimeout;
    case kPageErrorMessage:
    case kPageErrorFail:
    case kPageErrorTimeout:
        return true;
    case kPageRetry:
        return next == kPagePushButton;
    default:
        return false;
    }
}

bool GoesOnAfterCancel(int page, int next, const GraphContext& context) {
    switch (page) {
    case kPageCheck:
        // Back leads to the network list of a run that began with a survey; once the page has been
        // cancelled, its Back ends the run as well.
        return !context.directRun && !context.checkCancelled;
    case kPagePushButton:
        if (next == kPageExpressCheck) {
            return !context.directRun;
        }
        if (next == kPageSelectMethod || next == kPagePushButton) {
            return false;
        }
        return context.adapterPresent;
    case kPageAdapterPin:
        return next != kPageAdapterPin && context.adapterPresent;
    case kPageApPin:
        return context.adapterPresent;
    default:
        return false;
    }
}

} // namespace

bool HandsOverForManualSetUp(int page, int result, int next, const GraphContext& context) {
    if (!context.directRun) {
        return false;
    }
    if (page == kPageCheck) {
        return result == ui::kIdOk && next == wizard::kPageList;
    }
    if (page == kPagePushButton) {
        return result != ui::kIdOk && next == kPageSelectMethod;
    }
    return false;
}

bool GoesOn(int page, int result, int next, const GraphContext& context) {
    if (HandsOverForManualSetUp(page, result, next, context)) {
        return false;
    }
    return result == ui::kIdOk ? GoesOnAfterOk(page, next) : GoesOnAfterCancel(page, next, context);
}

} // namespace wps
