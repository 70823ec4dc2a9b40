#include "mainwnd/CMainPage.h"

#include "app/Language.h"

CMainPage::CMainPage(int templateId, uint32_t keyMessage, std::u16string_view helpFile,
                     ui::ControlId helpPane)
    : ui::Dialog(templateId), m_keyMessage(keyMessage), m_helpFile(helpFile), m_helpPane(helpPane) {}

bool CMainPage::OnInit() {
    m_helpShown = false;
    m_helpLoaded = false;
    host().Show(m_helpPane, false);
    return true;
}

void CMainPage::ShowHelp(bool shown) {
    if (shown == m_helpShown) {
        return;
    }
    m_helpShown = shown;
    int dy = shown ? kHelpHeight : -kHelpHeight;
    for (ui::ControlId id : ControlsBelowHelp()) {
        ui::Control& control = host().Item(id);
        control.Move(control.GetRect().Offset(0, dy));
    }
    ui::Rect page = host().WindowRect();
    page.bottom += dy;
    host().MoveWindow(page);
    if (shown) {
        ui::Control& pane = host().Item(m_helpPane);
        ui::Rect place = pane.GetRect();
        place.bottom = place.top + kHelpHeight - 8;
        pane.Move(place);
        if (!m_helpLoaded) {
            LoadHelpFile(host(), m_helpPane, LanguageFolder() + m_helpFile);
            m_helpLoaded = true;
        }
    }
    host().Show(m_helpPane, shown);
    OnHelpShown(shown);
}

bool CMainPage::OnMenuKey(char16_t letter) {
    // The main window's buttons answer the page's unclaimed letters, whichever control has the focus.
    return host().PostToParent(m_keyMessage, 1, static_cast<intptr_t>(letter));
}
