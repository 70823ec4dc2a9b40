// The templates of src/res/WpsPin.rc and WpsPushButton.rc (pages 103-106) as the strict fake host
// needs them, and the fixture of those pages' tests: the WPS fixture with a scripted random source,
// a debug-output capture and the service's receiver at hand.
#pragma once

#include <string>
#include <vector>

#include "base/Trace.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeRandomSource.h"
#include "res/WpsPinIds.h"
#include "res/WpsPushButtonIds.h"
#include "unit/wps/WpsTemplates.h"

namespace wpstest {

inline ui::Rect Dlu(int x, int y, int width, int height) {
    auto px = [](int units) { return units * 3 / 2; };
    auto py = [](int units) { return units * 13 / 8; };
    return {px(x), py(y), px(x + width), py(y + height)};
}

inline void RegisterProcessTemplates() {
    using ui::ControlKind;
    auto frame = [] {
        return Statics({IDC_WIZARD_SIDE_PICTURE, IDC_WIZARD_BANNER, IDC_WIZARD_TITLE, IDC_WIZARD_STEP_PANEL,
                        IDC_WIZARD_SEPARATOR});
    };
    auto choice = frame();
    Add(choice, ControlKind::Static,
        {IDC_WPSPIN_HEADING, IDC_WPSPIN_APPIN_TEXT1, IDC_WPSPIN_APPIN_TEXT2, IDC_WPSPIN_EDIT_LABEL,
         IDC_WPSPIN_ADAPTER_FRAME, IDC_WPSPIN_ADAPTER_LABEL, IDC_WPSPIN_ADAPTER_PIN, IDC_WPSPIN_NOTE});
    choice.push_back({IDC_WPSPIN_APPIN, ControlKind::Button, Dlu(84, 51, 190, 10), true});
    choice.push_back({IDC_WPSPIN_EDIT, ControlKind::Edit, Dlu(122, 105, 60, 12), true});
    choice.push_back({IDC_WPSPIN_ADAPTERPIN, ControlKind::Button, Dlu(84, 71, 190, 8), true});
    Add(choice, ControlKind::Button, {IDC_WPSPIN_HELP, IDC_WPSPIN_BACK, IDC_WPSPIN_NEXT, IDC_WPSPIN_CANCEL});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWINZARD_WPS_SELPINSETUP, choice);

    auto process = frame();
    Add(process, ControlKind::Static,
        {IDC_WPSPINPROC_TEXT1, IDC_WPSPINPROC_PICTURE, IDC_WPSPINPROC_PIN, IDC_WPSPINPROC_TEXT2,
         IDC_WPSPINPROC_TEXT3, IDC_WPSPINPROC_ADAPTER_MARK, IDC_WPSPINPROC_APPIN_MARK, IDC_WPSPINPROC_TEXT4,
         IDC_WPSPINPROC_STATUS, IDC_WPSPINPROC_COUNTDOWN_LABEL, IDC_WPSPINPROC_COUNTDOWN,
         IDC_WPSPINPROC_NOTE1, IDC_WPSPINPROC_NOTE2});
    Add(process, ControlKind::Progress, {IDC_WPSPINPROC_PROGRESS});
    Add(process, ControlKind::Button, {IDC_WPSPINPROC_LEARN_MORE, ui::kIdCancel});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS, process);
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS, process);

    auto pushButton = frame();
    Add(pushButton, ControlKind::Static,
        {IDC_WPSPB_STEP, IDC_WPSPB_BLINK, IDC_WPSPB_STEP1_HINT, IDC_WPSPB_STEP1_TEXT1, IDC_WPSPB_STEP1_TEXT2,
         IDC_WPSPB_STEP2_TEXT1, IDC_WPSPB_STEP2_TEXT2, IDC_WPSPB_STEP2_TEXT3, IDC_WPSPB_STEP2_LEFT,
         IDC_WPSPB_STATUS, IDC_WPSPB_STEP2_RIGHT, IDC_WPSPB_COUNTDOWN, IDC_WPSPB_STEP2_TEXT4,
         IDC_WPSPB_STEP2_MARK});
    Add(pushButton, ControlKind::Progress, {IDC_WPSPB_PROGRESS});
    Add(pushButton, ControlKind::Button,
        {IDC_WPSPB_BUTTON, IDC_WPSPB_START, IDC_WPSPB_BACK_TO_EXPRESS, IDC_WPSPB_EXPRESS_INFO,
         IDC_WPSPB_CANCEL});
    fakes::RegisterTemplate(IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS, pushButton);
}

class WpsProcessTest : public WpsPageTest {
protected:
    WpsProcessTest() {
        RegisterProcessTemplates();
        m_previousSink = base::SetTraceSink([this](std::u16string_view line) { traces.emplace_back(line); });
    }
    ~WpsProcessTest() override { base::SetTraceSink(m_previousSink); }

    // The service's thread reports a status to every receiver the page added.
    void Report(uint32_t code) {
        for (kernel::INotificationReceiver* receiver : std::vector(kernel.receivers)) {
            receiver->OnWKWPSStatus(code);
        }
    }
    // The kernel's calls from `from` on, each cut to its first word.
    std::vector<std::u16string> CallNames(size_t from = 0) {
        std::vector<std::u16string> names;
        std::vector<std::u16string> calls = kernel.Calls();
        for (size_t i = from; i < calls.size(); ++i) {
            names.push_back(calls[i].substr(0, calls[i].find(u' ')));
        }
        return names;
    }
    bool Traced(std::u16string_view line) const {
        for (const std::u16string& t : traces) {
            if (t == line) {
                return true;
            }
        }
        return false;
    }

    fakes::FakeRandomSource random;
    fakes::FakeClock clock{500000};
    std::vector<std::u16string> traces;

private:
    base::TraceSink m_previousSink;
};

} // namespace wpstest
