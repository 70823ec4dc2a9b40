#include "fakes/FakeControl.h"

#include "fakes/FakeHost.h"

namespace fakes {

namespace {

bool InRange(int index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) < size;
}

constexpr uint32_t kRowSelected = ui::kStateSelected | ui::kStateFocused;
constexpr uint32_t kChangedState = 0x8;
constexpr int kDeleteItem = -103;

} // namespace

void FakeControl::SetText(std::u16string_view value) {
    text = value;
    // An edit tells its dialog of every change of its text, also one the dialog made; the limit only
    // holds for typing.
    if (kind == ui::ControlKind::Edit) {
        m_host.SendCommand(id, ui::kEditChange);
    }
}

void FakeControl::Focus() {
    m_host.MoveFocus(id);
}

void FakeControl::SetLimit(int units) {
    textLimit = units;
}

void FakeControl::Select(int start, int end) {
    selStart = start;
    selEnd = end < 0 ? static_cast<int>(text.size()) : end;
}

void FakeControl::Reset() {
    items.clear();
    itemData.clear();
    selection = -1;
}

int FakeControl::Add(std::u16string_view item) {
    items.emplace_back(item);
    itemData.push_back(0);
    return static_cast<int>(items.size()) - 1;
}

int FakeControl::Count() {
    return static_cast<int>(items.size());
}

std::u16string FakeControl::ItemText(int index) {
    return InRange(index, items.size()) ? items[static_cast<size_t>(index)] : std::u16string();
}

void FakeControl::Select(int index) {
    if (kind == ui::ControlKind::Report) {
        SelectRow(index);
        return;
    }
    selection = InRange(index, items.size()) ? index : -1;
    if (kind == ui::ControlKind::Combo) {
        // The edit part shows the chosen entry; no entry empties it.
        text = selection >= 0 ? items[static_cast<size_t>(selection)] : std::u16string();
    }
}

void FakeControl::SetItemData(int index, intptr_t data) {
    if (InRange(index, itemData.size())) {
        itemData[static_cast<size_t>(index)] = data;
    }
}

intptr_t FakeControl::ItemData(int index) {
    return InRange(index, itemData.size()) ? itemData[static_cast<size_t>(index)] : 0;
}

void FakeControl::SelectRow(int row) {
    int wanted = InRange(row, rows.size()) ? row : -1;
    if (wanted == selection) {
        return; // no state changes, so no notices
    }
    // Each row whose state changes is announced before (may be vetoed) and after, old row first.
    auto change = [this](int item, uint32_t from, uint32_t to) {
        ui::Notify n;
        n.id = id;
        n.item = item;
        n.subItem = 0;
        n.oldState = from;
        n.newState = to;
        n.changed = kChangedState;
        n.code = ui::kItemChanging;
        if (m_host.SendNotify(n) != 0) {
            return false;
        }
        selection = (to & ui::kStateSelected) != 0 ? item : -1;
        n.code = ui::kItemChanged;
        m_host.SendNotify(n);
        return true;
    };
    if (selection >= 0 && !change(selection, kRowSelected, 0)) {
        return;
    }
    if (wanted >= 0) {
        change(wanted, 0, kRowSelected);
    }
}

int FakeControl::ColumnWidth(int column) {
    return InRange(column, columns.size()) ? columns[static_cast<size_t>(column)].width : 0;
}

int FakeControl::InsertRow(int row, std::u16string_view firstCell, int image) {
    size_t at = InRange(row, rows.size() + 1) ? static_cast<size_t>(row) : rows.size();
    std::vector<std::u16string> cells(columns.empty() ? 1 : columns.size());
    cells[0] = firstCell;
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), cells);
    if (!redrawHeld) {
        ++rowsInsertedWhileDrawn;
    }
    rowImages.insert(rowImages.begin() + static_cast<std::ptrdiff_t>(at), image);
    if (selection >= static_cast<int>(at)) {
        ++selection;
    }
    ui::Notify n;
    n.id = id;
    n.code = ui::kInsertItem;
    n.item = static_cast<int>(at);
    m_host.SendNotify(n);
    return static_cast<int>(at);
}

void FakeControl::SetCell(int row, int column, std::u16string_view value) {
    if (!InRange(row, rows.size()) || column < 0) {
        return;
    }
    auto& cells = rows[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size()) {
        cells.resize(static_cast<size_t>(column) + 1);
    }
    cells[static_cast<size_t>(column)] = value;
}

std::u16string FakeControl::Cell(int row, int column) {
    if (!InRange(row, rows.size()) || column < 0) {
        return {};
    }
    const auto& cells = rows[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : std::u16string();
}

void FakeControl::SetRowImage(int row, int image) {
    if (InRange(row, rowImages.size())) {
        rowImages[static_cast<size_t>(row)] = image;
    }
}

int FakeControl::RowImage(int row) {
    return InRange(row, rowImages.size()) ? rowImages[static_cast<size_t>(row)] : -1;
}

void FakeControl::DeleteRow(int row) {
    if (!InRange(row, rows.size())) {
        return;
    }
    ui::Notify n;
    n.id = id;
    n.code = kDeleteItem;
    n.item = row;
    m_host.SendNotify(n);
    rows.erase(rows.begin() + row);
    rowImages.erase(rowImages.begin() + row);
    if (selection == row) {
        selection = -1;
    } else if (selection > row) {
        --selection;
    }
}

void FakeControl::DeleteAll() {
    ui::Notify n;
    n.id = id;
    n.code = ui::kDeleteAllItems;
    m_host.SendNotify(n);
    rows.clear();
    rowImages.clear();
    selection = -1;
}

void FakeControl::SetSortArrow(int column, ui::SortArrow arrow) {
    for (size_t i = 0; i < sortArrows.size(); ++i) {
        sortArrows[i] = static_cast<int>(i) == column ? arrow : ui::SortArrow::None;
    }
}

ui::SortArrow FakeControl::SortArrowOf(int column) {
    return InRange(column, sortArrows.size()) ? sortArrows[static_cast<size_t>(column)] : ui::SortArrow::None;
}

void FakeControl::SetImageList(const std::vector<int>& icons, int size) {
    imageList = icons;
    imageSize = size;
}

ui::Rect FakeControl::DisplayArea() {
    // Inside the border, below one row of tabs.
    return {rect.left + 4, rect.top + 24, rect.right - 4, rect.bottom - 4};
}

void FakeControl::SetRange(int minimum, int maximum) {
    rangeMin = minimum;
    rangeMax = maximum;
    if (kind == ui::ControlKind::Slider) {
        SetPos(pos);
    }
}

void FakeControl::SetPos(int position) {
    if (kind == ui::ControlKind::Slider || kind == ui::ControlKind::Progress) {
        position = position < rangeMin ? rangeMin : (position > rangeMax ? rangeMax : position);
    }
    pos = position;
}

bool FakeControl::StreamRtf(const std::vector<uint8_t>& rtf) {
    richText = rtf;
    return true;
}

void FakeControl::SetPicture(const ui::Picture& value) {
    picture = value;
    text = picture.JoinedTexts();
}

} // namespace fakes
