// Texts of the section "MAIN" that start-up takes from the chosen language file and that pages and
// worker threads (the connect wizard's among them) read later. They are replaced when the user picks
// another language while those threads may be reading them, so each is handed out as a copy taken
// under one lock.
#pragma once

#include <string>

// Caption of the program's message boxes: "Orvelin Link Warden" until the language is chosen.
std::u16string MessageBoxCaption();
// "Def_Profile_Any": the network-name entry meaning any open network.
std::u16string AnyNetworkText();
// "Def_NewProfile": the name proposed for a new profile.
std::u16string NewProfileText();
// "Def_ConnectWizardNewProfile": the prompt in the wizard's save page.
std::u16string EnterProfileNameText();
// "Def_Profile_Name" of the chosen language: the name of the default profile.
std::u16string DefaultProfileNameText();

// Reads all of the texts above again from the chosen language file and hands the profile store the new
// default-profile and any-network names (the previous default name as its alternate). Start-up calls it
// once the language is chosen; a language change calls it after choosing the new language.
void LoadLanguageTexts();

// The main window's caption in the chosen language. A second copy finds the running window by this
// very text, so the window and the search must never resolve it differently.
std::u16string MainWindowTitle();

// Back to the texts before any language was chosen (tests).
void ResetLanguageTexts();
