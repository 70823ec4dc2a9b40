// The pages of the connect wizard by number, made for the driver.
#pragma once

#include <memory>

#include "platform/AnsiCodePage.h"
#include "ui/Dialog.h"
#include "wizard/WizardDriver.h"

class CNetUIDlg;

namespace wizard {

// The page the driver shows for WizardPage `page`; null for a number without a page of its own. The
// network list is not made here: the driver asks it how it was left.
std::unique_ptr<ui::Dialog> MakeWizardPage(int page, const platform::AnsiCodePage& codePage);

// The end of a run on the window's thread: the window is no longer busy, the Networks tab sorts its
// list again, and the profile the run set up is stored and applied (or the window comes back).
void FinishRun(CNetUIDlg& window, const RunOutcome& outcome);

} // namespace wizard
