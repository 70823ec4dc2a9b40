#include "fakes/FakeHost.h"

#include <gtest/gtest.h>

#include "platform/NotificationArea.h"
#include "platform/PopupMenu.h"
#include "ui/Messages.h"

namespace fakes {

namespace {

std::map<int, std::vector<ControlDecl>>& Templates() {
    static std::map<int, std::vector<ControlDecl>> templates;
    return templates;
}

} // namespace

void RegisterTemplate(int templateId, std::vector<ControlDecl> controls) {
    Templates()[templateId] = std::move(controls);
}

void ForgetTemplates() {
    Templates().clear();
}

FakeHost::FakeHost(ui::Dialog& dialog, ui::Rect window) : m_dialog(dialog), m_window(window) {}

FakeHost::FakeHost(ui::Dialog& dialog, FakeHost* parent, bool page)
    : m_dialog(dialog), m_parent(parent), m_page(page), m_window{0, 0, 200, 100} {
    if (!page && parent != nullptr) {
        m_window = parent->m_window.Offset(20, 20);
    }
}

FakeHost::~FakeHost() {
    Destroy();
}

template <class F> auto FakeHost::Dispatch(F&& call) {
    struct Leave {
        FakeHost& host;
        ~Leave() {
            if (--host.m_depth == 0 && host.m_ended && host.m_open) {
                host.FinishEnd();
            }
        }
    };
    ++m_depth;
    Leave leave{*this};
    return call();
}

FakeHost::Control& FakeHost::AddControl(ui::ControlId id, ui::Rect rect) {
    return AddControl(id, ui::ControlKind::Any, rect, false);
}

FakeHost::Control& FakeHost::AddControl(ui::ControlId id, ui::ControlKind kind, ui::Rect rect, bool tabStop) {
    auto& slot = m_controls[id];
    if (!slot) {
        slot = std::make_unique<Control>(*this, id, kind, rect, tabStop);
        m_order.push_back(id);
    } else {
        slot->rect = rect;
        slot->kind = kind == ui::ControlKind::Any ? slot->kind : kind;
        slot->tabStop = tabStop;
    }
    return *slot;
}

FakeHost::Control& FakeHost::control(ui::ControlId id) {
    auto it = m_controls.find(id);
    if (it != m_controls.end()) {
        return *it->second;
    }
    if (m_strict) {
        ADD_FAILURE() << "dialog " << m_dialog.TemplateId() << ": the test read control " << id
                      << ", which its template lacks";
    }
    return AddControl(id, ui::ControlKind::Any, {}, false);
}

ui::Control* FakeHost::FindControl(ui::ControlId id, ui::ControlKind wanted) {
    auto it = m_controls.find(id);
    if (it == m_controls.end()) {
        if (m_strict) {
            return nullptr;
        }
        return &AddControl(id, wanted, {}, false);
    }
    Control& c = *it->second;
    if (c.kind == ui::ControlKind::Any && !m_strict) {
        c.kind = wanted;
    }
    return &c;
}

void FakeHost::ControlMissing(ui::ControlId id, ui::ControlKind wanted, const ui::Control* found) {
    if (found == nullptr) {
        ADD_FAILURE() << "dialog " << m_dialog.TemplateId() << " asked for " << ui::KindName(wanted) << " "
                      << id << ", which its template lacks";
    } else {
        ADD_FAILURE() << "dialog " << m_dialog.TemplateId() << " asked for " << ui::KindName(wanted) << " "
                      << id << ", which its template has as a " << ui::KindName(found->Kind());
    }
}

void FakeHost::DeclareTemplate() {
    auto it = Templates().find(m_dialog.TemplateId());
    if (it == Templates().end() || !m_controls.empty()) {
        return;
    }
    for (const ControlDecl& d : it->second) {
        AddControl(d.id, d.kind, d.rect, d.tabStop);
    }
    m_strict = true;
}

void FakeHost::Open() {
    OpenAs(true);
}

void FakeHost::OpenModeless() {
    OpenAs(false);
}

void FakeHost::OpenAs(bool modal) {
    m_modal = modal;
    DeclareTemplate();
    m_channel =
        std::make_shared<ui::PostChannel>([this](uint32_t message, uintptr_t wParam, intptr_t lParam) {
            std::lock_guard lock(m_queueMutex);
            m_queue.push_back({message, wParam, lParam});
            return true;
        });
    if (modal && m_dialog.StartsHidden()) {
        m_visible = false; // the modal loop's first show is dropped, as on the real host
    }
    m_dialog.Attach(*this);
    m_open = true;
    Dispatch([this] {
        if (m_dialog.OnInit()) {
            FocusFirstTabStop();
        }
    });
}

void FakeHost::FocusFirstTabStop() {
    for (ui::ControlId id : m_order) {
        const Control& c = *m_controls[id];
        if (c.tabStop && c.enabled && c.visible) {
            MoveFocus(id);
            return;
        }
    }
}

void FakeHost::FinishEnd() {
    Destroy();
}

void FakeHost::Destroy() {
    if (m_channel) {
        m_channel->Close();
    }
    if (!m_open) {
        return;
    }
    m_open = false;
    // Owned windows go first, then the window itself, then the pages inside it, as on the platform.
    modelessOwned.clear();
    m_dialog.OnDestroy();
    m_timers.clear();
    m_hotKeys.clear();
    for (auto& page : m_pages) {
        page->Destroy();
    }
    m_dialog.Detach();
    m_destroyed = true;
}

void FakeHost::SendCommand(ui::ControlId id, int code) {
    if (m_open) {
        Dispatch([&] { m_dialog.OnCommand(id, code); });
    }
}

intptr_t FakeHost::SendNotify(const ui::Notify& notify) {
    if (!m_open) {
        return 0;
    }
    return Dispatch([&] { return m_dialog.OnNotify(notify); });
}

void FakeHost::MoveFocus(ui::ControlId id) {
    if (id == m_focus) {
        return;
    }
    ui::ControlId old = m_focus;
    m_focus = id;
    auto kindOf = [this](ui::ControlId c) {
        auto it = m_controls.find(c);
        return it == m_controls.end() ? ui::ControlKind::Any : it->second->kind;
    };
    if (kindOf(old) == ui::ControlKind::Edit) {
        SendCommand(old, ui::kEditKillFocus);
    } else if (kindOf(old) == ui::ControlKind::Combo) {
        SendCommand(old, ui::kComboKillFocus);
    }
    if (kindOf(id) == ui::ControlKind::Edit) {
        // The dialog manager selects an edit's whole text when it moves the focus there.
        Control& edit = *m_controls[id];
        edit.Select(0, -1);
        SendCommand(id, ui::kEditSetFocus);
    } else if (kindOf(id) == ui::ControlKind::Combo) {
        SendCommand(id, ui::kComboSetFocus);
    }
}

void FakeHost::Click(ui::ControlId id) {
    Control& c = control(id);
    EXPECT_TRUE(c.enabled) << "clicked disabled control " << id;
    EXPECT_TRUE(c.visible) << "clicked hidden control " << id;
    EXPECT_TRUE(m_open) << "clicked control " << id << " after the dialog ended";
    if (c.enabled && c.visible && m_open) {
        SendCommand(id, ui::kClicked);
    }
}

void FakeHost::Type(ui::ControlId id, std::u16string_view text) {
    Control& c = control(id);
    c.text = text;
    if (c.textLimit > 0 && c.text.size() > static_cast<size_t>(c.textLimit)) {
        c.text.resize(static_cast<size_t>(c.textLimit));
    }
    // The caret ends after what was typed.
    c.selStart = c.selEnd = static_cast<int>(c.text.size());
    // A combo box's edit part has its own code, and only typing sends it.
    SendCommand(id, c.kind == ui::ControlKind::Combo ? ui::kComboEditChange : ui::kEditChange);
}

void FakeHost::DropDown(ui::ControlId id) {
    SendCommand(id, ui::kComboDropDown);
}

void FakeHost::SelectItem(ui::ControlId id, int index) {
    control(id).Select(index);
    SendCommand(id, ui::kSelChange);
}

void FakeHost::SelectRow(ui::ControlId id, int row) {
    Control& c = control(id);
    c.SelectRow(row);
    ui::Notify click;
    click.id = id;
    click.code = ui::kClick;
    click.item = c.selection;
    click.subItem = 0;
    SendNotify(click);
}

void FakeHost::SelectTab(ui::ControlId id, int index) {
    ui::Notify n;
    n.id = id;
    n.code = ui::kTabSelChanging;
    if (SendNotify(n) != 0) {
        return; // vetoed: the tab stays
    }
    control(id).Select(index);
    n.code = ui::kTabSelChange;
    SendNotify(n);
}

void FakeHost::FireTimer(int timerId) {
    ASSERT_TRUE(TimerRunning(timerId)) << "timer " << timerId << " is not running";
    Dispatch([&] { m_dialog.OnTimer(timerId); });
}

intptr_t FakeHost::Notify(const ui::Notify& notify) {
    return SendNotify(notify);
}

bool FakeHost::Deliver(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    intptr_t result = 0;
    return Deliver(message, wParam, lParam, result);
}

bool FakeHost::Deliver(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    if (!m_open) {
        return false;
    }
    bool handled = Dispatch([&] { return m_dialog.OnMessage(message, wParam, lParam, result); });
    if (handled || !m_open) {
        return handled;
    }
    // What the platform's dialog procedure does with what the dialog left alone.
    if (message == ui::kWmSysCommand && (wParam & 0xFFF0) == ui::kScClose) {
        return Deliver(ui::kWmClose, 0, 0);
    }
    if (message == ui::kWmClose) {
        SendCommand(ui::kIdCancel, ui::kClicked);
    }
    return false;
}

void FakeHost::PressMenuKey(char16_t key) {
    if (!m_open) {
        return;
    }
    bool handled = Dispatch([&] { return m_dialog.OnMenuKey(key); });
    if (!handled && m_page && m_parent != nullptr) {
        m_parent->PressMenuKey(key);
    }
}

void FakeHost::PressEnter() {
    if (!m_open || (m_modal && m_dialog.IgnoresEnterAndEscape())) {
        return;
    }
    // A focused button takes the key; otherwise the default button, else OK.
    auto focused = m_controls.find(m_focus);
    if (focused != m_controls.end() && focused->second->kind == ui::ControlKind::Button) {
        Click(m_focus);
        return;
    }
    if (m_defaultButton != 0 && m_controls.count(m_defaultButton) != 0) {
        Click(m_defaultButton);
        return;
    }
    SendCommand(ui::kIdOk, ui::kClicked);
}

void FakeHost::PressEscape() {
    if (!m_open || (m_modal && m_dialog.IgnoresEnterAndEscape())) {
        return;
    }
    SendCommand(ui::kIdCancel, ui::kClicked);
}

void FakeHost::PressHotKey(int hotKeyId) {
    auto it = m_hotKeys.find(hotKeyId);
    if (it != m_hotKeys.end()) {
        Deliver(ui::kWmHotKey, static_cast<uintptr_t>(hotKeyId), static_cast<intptr_t>(it->second));
    }
}

int FakeHost::PumpPosted() {
    int delivered = 0;
    while (m_open) {
        Posted p{};
        {
            std::lock_guard lock(m_queueMutex);
            if (m_queue.empty()) {
                break;
            }
            p = m_queue.front();
            m_queue.pop_front();
        }
        Deliver(p.message, p.wParam, p.lParam);
        ++delivered;
    }
    for (auto& page : m_pages) {
        delivered += page->PumpPosted();
    }
    return delivered;
}

uint32_t FakeHost::TimerInterval(int timerId) const {
    auto it = m_timers.find(timerId);
    return it == m_timers.end() ? 0 : it->second;
}

FakeHost* FakeHost::Page(ui::Dialog& page) {
    for (auto& p : m_pages) {
        if (&p->m_dialog == &page) {
            return p.get();
        }
    }
    return nullptr;
}

FakeHost* FakeHost::Modeless(ui::Dialog& child) {
    for (auto& owned : modelessOwned) {
        if (&owned->m_dialog == &child && owned->m_open) {
            return owned.get();
        }
    }
    return nullptr;
}

bool FakeHost::PageVisible(ui::Dialog& page) {
    FakeHost* p = Page(page);
    return p != nullptr && p->m_visible;
}

void FakeHost::ShowNormal() {
    m_visible = true;
    m_active = true;
}

void FakeHost::SetDefaultButton(ui::ControlId id) {
    control(id);
    m_defaultButton = id;
}

void FakeHost::PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (!m_open) {
        return;
    }
    posted.push_back({message, wParam, lParam});
    std::lock_guard lock(m_queueMutex);
    m_queue.push_back({message, wParam, lParam});
}

bool FakeHost::PostToParent(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (m_parent == nullptr || !m_parent->m_open) {
        return false;
    }
    postedToParent.push_back({message, wParam, lParam});
    m_parent->PostToSelf(message, wParam, lParam);
    return true;
}

ui::Poster FakeHost::MakePoster() {
    return ui::Poster(m_channel);
}

uint32_t FakeHost::RegisterMessage(std::u16string_view name) {
    // One number per name for the life of the process, from the platform's range.
    static std::map<std::u16string, uint32_t> numbers;
    auto [it, added] = numbers.emplace(std::u16string(name), 0xC000 + static_cast<uint32_t>(numbers.size()));
    (void)added;
    return it->second;
}

bool FakeHost::RegisterHotKey(int hotKeyId, uint32_t modifiers, uint32_t virtualKey) {
    if (m_hotKeys.count(hotKeyId) != 0) {
        return false; // the platform refuses a second registration of one id
    }
    m_hotKeys[hotKeyId] = modifiers | (virtualKey << 16);
    return true;
}

void FakeHost::EndDialog(int result) {
    m_ended = true;
    m_result = result;
    if (m_depth == 0 && m_open) {
        FinishEnd(); // ended from outside any handler
    }
}

int FakeHost::ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) {
    messageBoxes.push_back({std::u16string(text), std::u16string(caption), style});
    if (whileMessageBoxOpen) {
        m_boxOpen = true;
        m_boxClosedWith = 0;
        whileMessageBoxOpen(messageBoxes.back());
        m_boxOpen = false;
        if (m_boxClosedWith != 0) {
            return m_boxClosedWith;
        }
    }
    if (!messageBoxAnswers.empty()) {
        int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    return (style & 0xF) == ui::kBoxYesNo ? ui::kAnswerYes : ui::kAnswerOk;
}

bool FakeHost::CloseMessageBox(int answer) {
    if (!m_boxOpen || m_boxClosedWith != 0) {
        return false;
    }
    m_boxClosedWith = answer;
    return true;
}

int FakeHost::RunModal(ui::Dialog& child) {
    modalTemplates.push_back(child.TemplateId());
    // A page's dialogs count as its window's.
    FakeHost* top = this;
    while (top->isPage()) {
        top = top->m_parent;
    }
    struct Running {
        std::vector<RunningModal>& list;
        ~Running() { list.pop_back(); }
    } running{top->m_runningModals};
    top->m_runningModals.push_back({&child, nullptr});
    if (modalHandler) {
        return modalHandler(child);
    }
    FakeHost childHost(child, this, false);
    top->m_runningModals.back().host = &childHost;
    childHost.Open();
    if (!modalAnswers.empty()) {
        int answer = modalAnswers.front();
        modalAnswers.pop_front();
        return answer;
    }
    return childHost.ended() ? childHost.result() : ui::kIdCancel;
}

int FakeHost::CancelModalDialogs() {
    // Innermost first, each through its own Cancel; a dialog a test's modal handler stands for is only
    // recorded.
    int asked = 0;
    for (auto it = m_runningModals.rbegin(); it != m_runningModals.rend(); ++it) {
        cancelledModals.push_back(it->dialog->TemplateId());
        if (it->host != nullptr && it->host->m_open) {
            it->host->SendCommand(ui::kIdCancel, ui::kClicked);
        }
        ++asked;
    }
    return asked;
}

std::optional<std::u16string> FakeHost::AskSaveFileName(std::u16string_view defaultName,
                                                        std::u16string_view extension,
                                                        std::u16string_view filter) {
    saveRequests.push_back({std::u16string(defaultName), std::u16string(extension), std::u16string(filter)});
    if (saveAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::u16string> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool FakeHost::ShowModeless(ui::Dialog& child) {
    modelessChildren.push_back(&child);
    auto host = std::unique_ptr<FakeHost>(new FakeHost(child, this, false));
    host->OpenModeless();
    modelessOwned.push_back(std::move(host));
    return true;
}

bool FakeHost::CreatePage(ui::Dialog& page, ui::ControlId area) {
    ui::Rect place = Tab(area).DisplayArea();
    auto host = std::unique_ptr<FakeHost>(new FakeHost(page, this, true));
    host->m_window = place;
    host->m_visible = false;
    FakeHost& created = *host;
    m_pages.push_back(std::move(host));
    created.OpenModeless();
    return true;
}

void FakeHost::ShowPage(ui::Dialog& page, bool show) {
    FakeHost* p = Page(page);
    EXPECT_NE(p, nullptr) << "ShowPage for a dialog that is not a page of dialog " << m_dialog.TemplateId();
    if (p != nullptr) {
        p->m_visible = show;
    }
}

std::unique_ptr<platform::NotificationArea> FakeHost::CreateNotificationArea() {
    if (notificationAreaFactory) {
        return notificationAreaFactory();
    }
    return nullptr;
}

std::unique_ptr<platform::PopupMenu> FakeHost::CreatePopupMenu() {
    if (popupMenuFactory) {
        return popupMenuFactory();
    }
    return nullptr;
}

} // namespace fakes
