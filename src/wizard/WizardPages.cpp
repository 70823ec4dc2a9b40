#include "wizard/WizardPages.h"

#include "wizard/WizardState.h"

namespace wizard {

std::unique_ptr<ui::Dialog> MakeWizardPage(int page, const platform::AnsiCodePage& codePage) {
    (void)codePage;
    switch (page) {
    default:
        return nullptr;
    }
}

bool ListCancelUsed(ui::Dialog& page) {
    (void)page;
    return false;
}

} // namespace wizard
