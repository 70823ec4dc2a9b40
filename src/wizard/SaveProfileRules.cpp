#include "wizard/SaveProfileRules.h"

#include <algorithm>

#include "base/Text.h"
#include "wizard/WizardState.h"

namespace wizard {

namespace {
constexpr int kLanguageGerman = 1;
} // namespace

int CaretAfterChange(std::u16string_view before, std::u16string_view now) {
    size_t prefix = 0;
    while (prefix < before.size() && prefix < now.size() && before[prefix] == now[prefix]) {
        ++prefix;
    }
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < now.size() - prefix &&
           before[before.size() - 1 - suffix] == now[now.size() - 1 - suffix]) {
        ++suffix;
    }
    return static_cast<int>(now.size() - suffix);
}

settings::NameEdit CleanTypedName(std::u16string_view before, std::u16string_view now) {
    return settings::RemoveBackslashes(now, CaretAfterChange(before, now));
}

bool SaveNextAllowed(std::u16string_view name) {
    return !base::TrimRight(name).empty();
}

bool IsReservedProfileName(std::u16string_view name, std::u16string_view defaultName,
                           std::u16string_view newProfileText) {
    return settings::SameNameAnyCase(name, defaultName) || settings::SameNameAnyCase(name, newProfileText);
}

int SaveBackPage(int origin) {
    switch (origin) {
    case kOriginWepPhrase:
        return kPageWepPhrase;
    case kOriginWepHex:
        return kPageWepHex;
    case kOriginPsk:
        return kPagePsk;
    case kOriginHidden:
        return kPageHidden;
    default:
        return kPageList;
    }
}

std::u16string ReservedNameMessage(std::u16string_view text, std::u16string_view name, int languageIndex) {
    std::u16string line(text);
    if (languageIndex == kLanguageGerman) {
        line += u"\"";
        line += name;
        line += u"\" speichern";
    } else {
        line += u" ";
        line += name;
    }
    return line;
}

} // namespace wizard
