// The user-interface language: the choice made at start-up, and the lookups of texts in the chosen
// language file, each with the English text of its call site as the default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Host.h"

constexpr int kLanguageCount = 24;

struct LanguageRow {
    std::u16string_view folder;
    uint32_t locale;
    std::u16string_view code; // three letters, used by the live update
};

// Row of the language table; null outside 0-23.
const LanguageRow* LanguageRowAt(int index);

// Reads "Language", fills the language state and sets the thread locale (and, except on OsClass 5 and
// 6, the thread's user-interface language). An index outside the table leaves the file, folder and
// code empty and the locale unchanged, so every lookup gives its default.
void SelectLanguage();
void ResetLanguage(); // back to no language (tests)

int LanguageIndex();
std::u16string LanguageFile();   // ProgramFolder + "Language\<Folder>\<Folder>.lng"
std::u16string LanguageFolder(); // ProgramFolder + "Language\<Folder>\"
std::u16string LanguageCode();

// The text of (section, key) in the language file, cut to size - 1 units; the default when the file,
// section or key is missing. Returns the number of units written.
uint32_t GetLangString(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                       char16_t* buffer, uint32_t size);
// GetLangString, then backslash-r deleted, backslash-n as a line feed, backslash-quote as a quote.
// Returns the length of the raw read.
uint32_t GetLangText(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                     char16_t* buffer, uint32_t size);
// GetLangString for single-line controls: backslash-r deleted, backslash-n one blank when `blank` is 1,
// else deleted. Returns the length of the raw read.
uint32_t GetLangLine(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                     char16_t* buffer, uint32_t size, int blank);

// The same lookups returning the text, read as into a buffer of `size` units.
std::u16string LangString(std::u16string_view section, std::u16string_view key,
                          std::u16string_view defaultText, uint32_t size = 256);
std::u16string LangText(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                        uint32_t size = 256);
std::u16string LangLine(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                        int blank, uint32_t size = 256);

// The escape rules on their own.
std::u16string ExpandTextEscapes(std::u16string_view text);
std::u16string ExpandLineEscapes(std::u16string_view text, int blank);

// Streams a help file into a rich-edit control; when it cannot be opened, says so in a message box
// and leaves the control as it is.
void LoadHelpFile(ui::Host& host, ui::ControlId richEdit, std::u16string_view path);

// The face of the texts the program draws itself (the status area, banners) in a language. Arial has
// Latin, Greek and Cyrillic on every Windows; it has no Chinese, Korean or Japanese, so those languages
// take the face their script's support installs from Windows XP on: SimSun, Gulim, MS UI Gothic.
std::u16string_view DrawingFace(int languageIndex);

// "MAIN"/"Def_Profile_Name" of every language file, English first.
std::vector<std::u16string> CollectDefaultProfileNames();
