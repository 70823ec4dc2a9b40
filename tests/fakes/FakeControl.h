// One control of the fake host. It answers the calls of every kind and keeps their state in memory;
// the host hands it out only as the kind its template gave it. Setting an edit's text or selecting a
// list-view row calls back into the dialog as Windows does.
#pragma once

#include <string>
#include <vector>

#include "ui/Controls.h"

namespace fakes {

class FakeHost;

class FakeControl final : public ui::StaticControl,
                          public ui::ButtonControl,
                          public ui::EditControl,
                          public ui::ComboControl,
                          public ui::ReportControl,
                          public ui::TabControl,
                          public ui::SliderControl,
                          public ui::ProgressControl,
                          public ui::RichTextControl,
                          public ui::CanvasControl {
public:
    FakeControl(FakeHost& host, ui::ControlId controlId, ui::ControlKind controlKind, ui::Rect place,
                bool stop)
        : m_host(host), id(controlId), kind(controlKind), rect(place), tabStop(stop) {}

    FakeHost& m_host;
    ui::ControlId id;
    ui::ControlKind kind; // Any until a dialog first asks for a kind (non-strict hosts)
    ui::Rect rect;
    bool tabStop;

    std::u16string text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool readOnly = false;
    int textLimit = 0;
    int selStart = 0;
    int selEnd = 0;
    char16_t passwordChar = 0;
    std::vector<std::u16string> items; // list, combo and tab items
    std::vector<intptr_t> itemData;
    int selection = -1;
    std::vector<ui::ListColumn> columns;
    std::vector<ui::SortArrow> sortArrows; // one per column
    std::vector<std::vector<std::u16string>> rows;
    std::vector<int> rowImages;
    std::vector<int> imageList;
    int imageSize = 0;
    bool fullRowSelect = false;
    bool doubleBuffered = false;
    bool redrawHeld = false;
    ui::Color headerText = ui::kDefaultColor; // the program draws the header when set
    ui::Color headerBack = ui::kDefaultColor;
    int rowsInsertedWhileDrawn = 0; // rows a user would see appear one by one
    int rangeMin = 0;
    int rangeMax = 100;
    int pos = 0;
    int tickFrequency = 0;
    std::vector<uint8_t> richText;
    int bitmap = 0;
    int icon = 0;
    ui::Color textColor = ui::kDefaultColor;
    ui::Color backColor = ui::kDefaultColor;
    ui::Color barColor = ui::kDefaultColor;
    ui::Font font;
    ui::Picture picture;

    // ui::Control
    ui::ControlKind Kind() const override { return kind; }
    bool Exists() const override { return true; }
    ui::ControlId Id() const override { return id; }
    void SetText(std::u16string_view value) override;
    std::u16string Text() override { return text; }
    void Enable(bool enable) override { enabled = enable; }
    bool IsEnabled() override { return enabled; }
    void Show(bool show) override { visible = show; }
    bool IsVisible() override { return visible; }
    void Focus() override;
    ui::Rect GetRect() override { return rect; }
    void Move(const ui::Rect& r) override { rect = r; }
    void SetTextColor(ui::Color c) override { textColor = c; }
    void SetBackColor(ui::Color c) override { backColor = c; }
    void SetFont(const ui::Font& f) override { font = f; }

    // Pictures (static and button).
    void SetBitmap(int resource) override { bitmap = resource; }
    void SetIcon(int resource) override { icon = resource; }
    // Button.
    void SetCheck(bool check) override { checked = check; }
    bool IsChecked() override { return checked; }
    // Edit.
    void SetLimit(int units) override;
    int Limit() override { return textLimit; }
    void Select(int start, int end) override;
    void SetPasswordChar(char16_t c) override { passwordChar = c; }
    char16_t PasswordChar() override { return passwordChar; }
    void SetReadOnly(bool value) override { readOnly = value; }
    // List, combo and tab.
    void Reset() override;
    int Add(std::u16string_view item) override;
    int Count() override;
    std::u16string ItemText(int index) override;
    void Select(int index) override;
    void SetEditLimit(int units) override { textLimit = units; }
    int EditCaret() override { return selStart; }
    void SetEditSelection(int start, int end) override { Select(start, end); }
    int Selection() override { return selection; }
    void SetItemData(int index, intptr_t data) override;
    intptr_t ItemData(int index) override;
    // Report.
    void SetColumns(const std::vector<ui::ListColumn>& value) override {
        columns = value;
        sortArrows.assign(columns.size(), ui::SortArrow::None);
    }
    int ColumnCount() override { return static_cast<int>(columns.size()); }
    int ColumnWidth(int column) override;
    int InsertRow(int row, std::u16string_view firstCell, int image) override;
    void SetCell(int row, int column, std::u16string_view value) override;
    std::u16string Cell(int row, int column) override;
    void SetRowImage(int row, int image) override;
    int RowImage(int row) override;
    int RowCount() override { return static_cast<int>(rows.size()); }
    void DeleteRow(int row) override;
    void DeleteAll() override;
    void EnsureVisible(int) override {}
    void SetFullRowSelect(bool value) override { fullRowSelect = value; }
    void SetDoubleBuffered(bool value) override { doubleBuffered = value; }
    void HoldRedraw(bool hold) override { redrawHeld = hold; }
    void SetHeaderColors(ui::Color headerTextColor, ui::Color headerBackColor) override {
        headerText = headerTextColor;
        headerBack = headerBackColor;
    }
    void SetSortArrow(int column, ui::SortArrow arrow) override;
    ui::SortArrow SortArrowOf(int column) override;
    void SetImageList(const std::vector<int>& icons, int size) override;
    int ImageCount() override { return static_cast<int>(imageList.size()); }
    // Tab.
    ui::Rect DisplayArea() override;
    // Slider and progress.
    void SetRange(int minimum, int maximum) override;
    int RangeMin() override { return rangeMin; }
    int RangeMax() override { return rangeMax; }
    void SetPos(int position) override;
    int Pos() override { return pos; }
    void SetTickFrequency(int frequency) override { tickFrequency = frequency; }
    void SetBarColor(ui::Color c) override { barColor = c; }
    // Rich text.
    bool StreamRtf(const std::vector<uint8_t>& rtf) override;
    // Canvas: the text becomes the picture's texts, as the window text of the real control does.
    void SetPicture(const ui::Picture& value) override;
    const ui::Picture& CurrentPicture() override { return picture; }

    // Which of the overloaded Select calls a kind means.
    void SelectRow(int row);
};

} // namespace fakes
