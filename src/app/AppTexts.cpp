#include "app/AppTexts.h"

#include <mutex>

#include "app/Language.h"
#include "profiles/ProfileStore.h"

namespace {

struct Texts {
    std::u16string messageBoxCaption = u"Orvelin Link Warden";
    std::u16string anyNetwork = u"Any (First available network)";
    std::u16string newProfile = u"New profile";
    std::u16string enterProfileName = u"<Enter a Profile name here>";
    std::u16string defaultProfileName = u"Default";
};

struct Guarded {
    std::mutex mutex;
    Texts texts;
};

Guarded& State() {
    static Guarded state;
    return state;
}

template <typename Member> std::u16string Read(Member member) {
    Guarded& state = State();
    std::lock_guard lock(state.mutex);
    return state.texts.*member;
}

} // namespace

std::u16string MessageBoxCaption() {
    return Read(&Texts::messageBoxCaption);
}

std::u16string AnyNetworkText() {
    return Read(&Texts::anyNetwork);
}

std::u16string NewProfileText() {
    return Read(&Texts::newProfile);
}

std::u16string EnterProfileNameText() {
    return Read(&Texts::enterProfileName);
}

std::u16string DefaultProfileNameText() {
    return Read(&Texts::defaultProfileName);
}

void LoadLanguageTexts() {
    // Looked up before the lock is taken: the lookups read files and take the language's own lock.
    Texts fresh;
    fresh.messageBoxCaption = LangString(u"MAIN", u"MessageBoxTitle", u"Orvelin Wireless Adapter");
    fresh.anyNetwork = LangString(u"MAIN", u"Def_Profile_Any", u"Any (First available network)");
    fresh.newProfile = LangString(u"MAIN", u"Def_NewProfile", u"New profile");
    fresh.enterProfileName =
        LangString(u"MAIN", u"Def_ConnectWizardNewProfile", u"<Enter a Profile name here>");
    fresh.defaultProfileName = LangString(u"MAIN", u"Def_Profile_Name", u"Default");

    std::u16string previousDefault;
    {
        Guarded& state = State();
        std::lock_guard lock(state.mutex);
        previousDefault = std::move(state.texts.defaultProfileName);
        state.texts = fresh;
    }
    profiles::SetDefaultProfileNames(fresh.defaultProfileName, fresh.anyNetwork, previousDefault);
}

std::u16string MainWindowTitle() {
    // The product's own name is the default in every language: a language without a file or without
    // this key must still give the window the caption a second copy searches for.
    return LangString(u"MAIN", u"MainTitle", u"Orvelin KTVA7700v2 Link Warden");
}

void ResetLanguageTexts() {
    Guarded& state = State();
    std::lock_guard lock(state.mutex);
    state.texts = Texts{};
}
