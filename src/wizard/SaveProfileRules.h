// The save page's rules: the name typed (no backslashes, where the caret goes), when Next is offered,
// the names that cannot be used, where Back leads, and the reserved-name page's message.
#pragma once

#include <string>
#include <string_view>

#include "profiles/settings/SettingsRules.h"

namespace wizard {

// Profile names are registry key names. `before` is the field's text before the change and `now` after
// it: every backslash of the change goes (a pasted name may hold several), the caret stays after what
// was typed or pasted, less the backslashes removed in front of it.
settings::NameEdit CleanTypedName(std::u16string_view before, std::u16string_view now);

// Where the caret stands after an edit turned `before` into `now`: at the end of the changed part.
int CaretAfterChange(std::u16string_view before, std::u16string_view now);

// Next needs a name that is more than blanks at its end.
bool SaveNextAllowed(std::u16string_view name);

// The default profile's name and the "New profile" text belong to the program, in any case.
bool IsReservedProfileName(std::u16string_view name, std::u16string_view defaultName,
                           std::u16string_view newProfileText);

// The page Back leads to for a WizardOrigin; the network list for an origin it does not know.
int SaveBackPage(int origin);

// The reserved-name page's line: the "10010" text, a blank and the name; the German file (language
// index 1) puts the name in quotation marks before " speichern" instead.
std::u16string ReservedNameMessage(std::u16string_view text, std::u16string_view name, int languageIndex);

} // namespace wizard
