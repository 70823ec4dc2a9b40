#include "profiles/settings/CModifyProfileDlg.h"

#include <string_view>

#include "app/Language.h"
#include "res/ProfileDialogsIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_MODIFY_PROFILE";

} // namespace

CModifyProfileDlg::CModifyProfileDlg() : ui::Dialog(IDD_DIALOG_MODIFY_PROFILE) {}

bool CModifyProfileDlg::OnInit() {
    host().SetCaption(LangString(kSection, u"IDD_DIALOG_MODIFY_PROFILE", u"Orvelin Clear Wave Settings"));
    host().SetText(IDC_STATIC_MODIFYPROFILE_TEXT,
                   LangText(kSection, u"IDC_STATIC_MODIFYPROFILE_TEXT",
                            u"You made changes to your settings.Do you want to save them?"));
    host().SetText(ui::kIdOk, LangLine(kSection, u"IDOK", u"&Save", 1));
    host().SetText(ui::kIdCancel, LangLine(kSection, u"IDCANCEL", u"Cancel chan&ges", 1));
    return true;
}
