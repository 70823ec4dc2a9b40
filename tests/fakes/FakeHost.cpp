#include "fakes/FakeHost.h"

#include <gtest/gtest.h>

#include "base/Text.h"

namespace fakes {

FakeHost::FakeHost(ui::Dialog& dialog, ui::Rect window) : m_dialog(dialog), m_window(window) {}

FakeHost::~FakeHost() {
    Destroy();
}

FakeHost::Control& FakeHost::AddControl(ui::ControlId id, ui::Rect rect) {
    Control& c = m_controls[id];
    c.rect = rect;
    return c;
}

FakeHost::Control& FakeHost::control(ui::ControlId id) {
    if (m_strict && m_controls.count(id) == 0) {
        ADD_FAILURE() << "dialog " << m_dialog.TemplateId() << " touched control " << id
                      << ", which its template lacks";
    }
    return m_controls[id];
}

bool FakeHost::HasControl(ui::ControlId id) {
    return !m_strict || m_controls.count(id) != 0;
}

void FakeHost::Open() {
    m_channel = std::make_shared<ui::PostChannel>([this](uint32_t message, uintptr_t wParam, intptr_t lParam) {
        std::lock_guard lock(m_queueMutex);
        m_queue.push_back({message, wParam, lParam});
        return true;
    });
    m_dialog.Attach(*this);
    m_open = true;
    m_dialog.OnInit();
}

void FakeHost::Destroy() {
    if (m_channel) {
        m_channel->Close();
    }
    if (m_open) {
        m_open = false;
        m_dialog.OnDestroy();
        m_dialog.Detach();
        m_timers.clear();
    }
}

void FakeHost::Click(ui::ControlId id) {
    EXPECT_TRUE(control(id).enabled) << "clicked disabled control " << id;
    EXPECT_FALSE(m_ended) << "clicked control " << id << " after the dialog ended";
    if (control(id).enabled && !m_ended) {
        m_dialog.OnCommand(id, ui::kClicked);
    }
}

void FakeHost::Type(ui::ControlId id, std::u16string_view text) {
    Control& c = control(id);
    c.text = text;
    if (c.textLimit > 0 && c.text.size() > static_cast<size_t>(c.textLimit)) {
        c.text.resize(static_cast<size_t>(c.textLimit));
    }
    m_dialog.OnCommand(id, ui::kEditChange);
}

void FakeHost::SelectItem(ui::ControlId id, int index) {
    ListSelect(id, index);
    m_dialog.OnCommand(id, ui::kSelChange);
}

void FakeHost::SelectRow(ui::ControlId id, int row) {
    ReportSelect(id, row);
    m_dialog.OnNotify(id, ui::kItemChanged);
}

void FakeHost::SelectTab(ui::ControlId id, int index) {
    TabSelect(id, index);
    m_dialog.OnNotify(id, ui::kTabSelChange);
}

void FakeHost::FireTimer(int timerId) {
    ASSERT_TRUE(TimerRunning(timerId)) << "timer " << timerId << " is not running";
    m_dialog.OnTimer(timerId);
}

bool FakeHost::Deliver(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return m_dialog.OnMessage(message, wParam, lParam);
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
        m_dialog.OnMessage(p.message, p.wParam, p.lParam);
        ++delivered;
    }
    return delivered;
}

uint32_t FakeHost::TimerInterval(int timerId) const {
    auto it = m_timers.find(timerId);
    return it == m_timers.end() ? 0 : it->second;
}

void FakeHost::SetFocus(ui::ControlId id) {
    control(id);
    m_focus = id;
}

void FakeHost::SetTextLimit(ui::ControlId id, int units) {
    control(id).textLimit = units;
}

void FakeHost::SelectText(ui::ControlId id, int start, int end) {
    Control& c = control(id);
    c.selStart = start;
    c.selEnd = end < 0 ? static_cast<int>(c.text.size()) : end;
}

void FakeHost::ListReset(ui::ControlId id) {
    Control& c = control(id);
    c.items.clear();
    c.selection = -1;
}

int FakeHost::ListAdd(ui::ControlId id, std::u16string_view text) {
    Control& c = control(id);
    c.items.emplace_back(text);
    return static_cast<int>(c.items.size()) - 1;
}

std::u16string FakeHost::ListItemText(ui::ControlId id, int index) {
    Control& c = control(id);
    return (index >= 0 && static_cast<size_t>(index) < c.items.size()) ? c.items[static_cast<size_t>(index)]
                                                                       : std::u16string();
}

void FakeHost::ListSelect(ui::ControlId id, int index) {
    Control& c = control(id);
    c.selection = (index >= 0 && static_cast<size_t>(index) < c.items.size()) ? index : -1;
    if (c.selection >= 0) {
        c.text = c.items[static_cast<size_t>(index)];
    }
}

void FakeHost::ReportSetColumns(ui::ControlId id, const std::vector<ui::ListColumn>& columns) {
    control(id).columns = columns;
}

int FakeHost::ReportInsertRow(ui::ControlId id, int row, std::u16string_view firstCell, int image) {
    Control& c = control(id);
    size_t at =
        (row < 0 || static_cast<size_t>(row) > c.rows.size()) ? c.rows.size() : static_cast<size_t>(row);
    std::vector<std::u16string> cells(c.columns.empty() ? 1 : c.columns.size());
    cells[0] = firstCell;
    c.rows.insert(c.rows.begin() + static_cast<std::ptrdiff_t>(at), cells);
    c.rowImages.insert(c.rowImages.begin() + static_cast<std::ptrdiff_t>(at), image);
    return static_cast<int>(at);
}

void FakeHost::ReportSetCell(ui::ControlId id, int row, int column, std::u16string_view text) {
    Control& c = control(id);
    if (row < 0 || static_cast<size_t>(row) >= c.rows.size() || column < 0) {
        return;
    }
    auto& cells = c.rows[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size()) {
        cells.resize(static_cast<size_t>(column) + 1);
    }
    cells[static_cast<size_t>(column)] = text;
}

std::u16string FakeHost::ReportCell(ui::ControlId id, int row, int column) {
    Control& c = control(id);
    if (row < 0 || static_cast<size_t>(row) >= c.rows.size() || column < 0) {
        return {};
    }
    const auto& cells = c.rows[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : std::u16string();
}

void FakeHost::ReportDeleteAll(ui::ControlId id) {
    Control& c = control(id);
    c.rows.clear();
    c.rowImages.clear();
    c.selection = -1;
}

void FakeHost::ReportSelect(ui::ControlId id, int row) {
    Control& c = control(id);
    c.selection = (row >= 0 && static_cast<size_t>(row) < c.rows.size()) ? row : -1;
}

void FakeHost::SetRange(ui::ControlId id, int minimum, int maximum) {
    Control& c = control(id);
    c.rangeMin = minimum;
    c.rangeMax = maximum;
}

bool FakeHost::StreamRichText(ui::ControlId id, const std::vector<uint8_t>& rtf) {
    control(id).richText = rtf;
    return true;
}

void FakeHost::PostToSelf(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    posted.push_back({message, wParam, lParam});
    std::lock_guard lock(m_queueMutex);
    m_queue.push_back({message, wParam, lParam});
}

void FakeHost::EndDialog(int result) {
    m_ended = true;
    m_result = result;
}

int FakeHost::ShowMessageBox(std::u16string_view text, std::u16string_view caption, uint32_t style) {
    messageBoxes.push_back({std::u16string(text), std::u16string(caption), style});
    if (!messageBoxAnswers.empty()) {
        int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    return (style & 0xF) == ui::kBoxYesNo ? ui::kAnswerYes : ui::kAnswerOk;
}

int FakeHost::RunModal(ui::Dialog& child) {
    modalTemplates.push_back(child.TemplateId());
    if (modalHandler) {
        return modalHandler(child);
    }
    FakeHost childHost(child);
    childHost.Open();
    if (!modalAnswers.empty()) {
        int answer = modalAnswers.front();
        modalAnswers.pop_front();
        return answer;
    }
    return childHost.ended() ? childHost.result() : ui::kIdCancel;
}

bool FakeHost::ShowModeless(ui::Dialog& child) {
    modelessChildren.push_back(&child);
    return true;
}

} // namespace fakes

namespace fakes {

ui::Poster FakeHost::MakePoster() {
    return ui::Poster(m_channel);
}

} // namespace fakes
