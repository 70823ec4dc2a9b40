// The contract on the fake host, with the contract dialogs declared as their .rc declares them.
#include <map>

#include "ContractIds.h"
#include "Harness.h"
#include "fakes/FakeHost.h"
#include "ui/Messages.h"

namespace contract {

namespace {

using fakes::ControlDecl;
using ui::ControlKind;

void DeclareTemplates() {
    // Dialog units of the .rc, doubled: the fake needs only consistent places.
    fakes::RegisterTemplate(IDD_CONTRACT,
                            {
                                {IDC_C_LABEL, ControlKind::Static, {16, 8, 216, 28}, false},
                                {IDC_C_EDIT, ControlKind::Edit, {16, 32, 216, 56}, true},
                                {IDC_C_COMBO, ControlKind::Combo, {16, 64, 216, 224}, true},
                                {IDC_C_LIST, ControlKind::List, {16, 100, 216, 180}, true},
                                {IDC_C_CHECK, ControlKind::Button, {16, 188, 136, 208}, true},
                                {IDC_C_REPORT, ControlKind::Report, {232, 8, 624, 128}, true},
                                {IDC_C_TABS, ControlKind::Tab, {232, 136, 624, 296}, true},
                                {IDC_C_PROGRESS, ControlKind::Progress, {232, 304, 624, 324}, false},
                                {IDC_C_SLIDER, ControlKind::Slider, {232, 332, 624, 364}, true},
                                {IDC_C_RICH, ControlKind::RichText, {16, 220, 216, 380}, false},
                                {IDC_C_CANVAS, ControlKind::Canvas, {232, 372, 624, 432}, false},
                                {IDC_C_NAME_COMBO, ControlKind::Combo, {16, 392, 216, 512}, true},
                                {IDC_C_FILL, ControlKind::Button, {16, 452, 116, 484}, true},
                                {IDC_C_END, ControlKind::Button, {128, 452, 228, 484}, true},
                                {ui::kIdOk, ControlKind::Button, {520, 452, 624, 484}, true},
                            });
    fakes::RegisterTemplate(IDD_CONTRACT_PAGE, {
                                                   {IDC_P_LABEL, ControlKind::Static, {8, 8, 208, 28}, false},
                                                   {IDC_P_EDIT, ControlKind::Edit, {8, 36, 208, 60}, true},
                                               });
}

class FakeHarness final : public Harness {
public:
    FakeHarness() { DeclareTemplates(); }

    bool Open(ui::Dialog& dialog) override {
        auto& host = m_hosts[&dialog];
        host = std::make_unique<fakes::FakeHost>(dialog);
        host->OpenModeless();
        return true;
    }
    void Pump() override {
        for (auto& [dialog, host] : m_hosts) {
            host->PumpPosted();
        }
    }
    bool IsAlive(ui::Dialog& dialog) override {
        auto it = m_hosts.find(&dialog);
        return it != m_hosts.end() && !it->second->destroyed();
    }
    void Click(ui::Dialog& dialog, ui::ControlId button) override { m_hosts.at(&dialog)->Click(button); }
    void ClickTab(ui::Dialog& dialog, ui::ControlId tabs, int index) override {
        m_hosts.at(&dialog)->SelectTab(tabs, index);
    }
    void MenuKey(ui::Dialog& page, char16_t key) override {
        for (auto& [dialog, host] : m_hosts) {
            if (fakes::FakeHost* pageHost = host->Page(page)) {
                pageHost->PressMenuKey(key);
            }
        }
    }
    void CloseBox(ui::Dialog& dialog) override {
        m_hosts.at(&dialog)->Deliver(ui::kWmSysCommand, ui::kScClose, 0);
    }
    void Destroy(ui::Dialog& dialog) override { m_hosts.at(&dialog)->Destroy(); }

private:
    std::map<ui::Dialog*, std::unique_ptr<fakes::FakeHost>> m_hosts;
};

} // namespace

std::unique_ptr<Harness> MakeHarness() {
    return std::make_unique<FakeHarness>();
}

} // namespace contract
