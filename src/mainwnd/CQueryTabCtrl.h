// The main window's tab control (control 1001): which pages it offers for the adapter's owner and the
// captions it shows. With the utility managing the adapter the four pages are offered in order; with
// Windows managing it only Statistics and About, so tab index i then shows page i + 2.
#pragma once

#include <array>
#include <string>

#include "ui/Controls.h"

class CQueryTabCtrl {
public:
    enum Page { kSettings = 0, kNetworks = 1, kStatistics = 2, kAbout = 3, kPageCount = 4 };

    // Captions in page order, as the language file gives them.
    using Captions = std::array<std::u16string, kPageCount>;

    // A caption padded with blanks on both sides to the width the language's tab row is laid out for:
    // 37 units, or 34 for the languages whose captions run wider (indexes 3, 5, 6, 11 and 12).
    static std::u16string PaddedCaption(std::u16string_view caption, int languageIndex);

    // Empties the control and adds the tabs for the owner; the first tab is selected.
    void Build(ui::TabControl& tab, const Captions& captions, int languageIndex, bool allPages);
    bool AllPages() const { return m_allPages; }
    int TabCount() const { return m_allPages ? kPageCount : 2; }
    // The page a tab index shows, or -1.
    int PageAt(int index) const;
    // The tab index of a page, or -1 when the page is not offered.
    int IndexOf(int page) const;

private:
    bool m_allPages = true;
};
