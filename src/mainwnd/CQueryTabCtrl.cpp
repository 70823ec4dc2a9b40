#include "mainwnd/CQueryTabCtrl.h"

namespace {

constexpr size_t kCaptionUnits = 37;
constexpr size_t kNarrowCaptionUnits = 34;

// Languages whose captions are too wide for four tabs of 37 units in the tab control: French, Italian,
// Spanish, Portuguese and Russian, and of the later translations Greek, Bulgarian and Croatian.
bool NarrowCaptions(int languageIndex) {
    switch (languageIndex) {
    case 3:
    case 5:
    case 6:
    case 10:
    case 11:
    case 12:
    case 19:
    case 20:
        return true;
    default:
        return false;
    }
}

} // namespace

std::u16string CQueryTabCtrl::PaddedCaption(std::u16string_view caption, int languageIndex) {
    size_t width = NarrowCaptions(languageIndex) ? kNarrowCaptionUnits : kCaptionUnits;
    if (caption.size() >= width) {
        return std::u16string(caption);
    }
    size_t blanks = width - caption.size();
    size_t before = blanks / 2;
    return std::u16string(before, u' ') + std::u16string(caption) + std::u16string(blanks - before, u' ');
}

void CQueryTabCtrl::Build(ui::TabControl& tab, const Captions& captions, int languageIndex, bool allPages) {
    m_allPages = allPages;
    tab.Reset();
    for (int page = allPages ? kSettings : kStatistics; page < kPageCount; ++page) {
        tab.Add(PaddedCaption(captions[static_cast<size_t>(page)], languageIndex));
    }
    tab.Select(0);
}

int CQueryTabCtrl::PageAt(int index) const {
    if (index < 0 || index >= TabCount()) {
        return -1;
    }
    return m_allPages ? index : index + kStatistics;
}

int CQueryTabCtrl::IndexOf(int page) const {
    if (page < 0 || page >= kPageCount) {
        return -1;
    }
    if (m_allPages) {
        return page;
    }
    return page >= kStatistics ? page - kStatistics : -1;
}
