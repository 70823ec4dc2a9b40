#include "app/Language.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "base/Format.h"
#include "base/IniFile.h"
#include "base/Text.h"

namespace {

constexpr std::array<LanguageRow, kLanguageCount> kLanguages = {{
    {u"English", 1033, u"enu"},       {u"Germany", 1031, u"deu"},   {u"Sweden", 1053, u"sve"},
    {u"French", 1036, u"fra"},        {u"Dutch", 1043, u"nld"},     {u"Italian", 1040, u"ita"},
    {u"Spanish", 1034, u"esp"},       {u"Danish", 1030, u"dan"},    {u"Finnish", 1035, u"fin"},
    {u"Norwegian", 1044, u"nor"},     {u"Greek", 1032, u"ell"},     {u"Portuguese", 2070, u"ptb"},
    {u"Russian", 1049, u"rus"},       {u"Polish", 1045, u"plk"},    {u"Hungarian", 1038, u"hun"},
    {u"Czech", 1029, u"csy"},         {u"Slovenian", 1060, u"slv"}, {u"Slovak", 1051, u"sky"},
    {u"Romanian", 1048, u"rom"},      {u"Bulgarian", 1033, u"enu"}, {u"Croatian", 1033, u"enu"},
    {u"SimpleChinese", 1033, u"enu"}, {u"Korean", 1033, u"enu"},    {u"Japanese", 1033, u"enu"},
}};

// The order in which the default-profile names are gathered; English comes first on its own.
constexpr std::array<std::u16string_view, 23> kDefaultNameOrder = {
    u"Germany", u"SimpleChinese", u"Korean",     u"French",    u"Japanese",  u"Russian",
    u"Spanish", u"Polish",        u"Italian",    u"Sweden",    u"Dutch",     u"Danish",
    u"Finnish", u"Norwegian",     u"Czech",      u"Hungarian", u"Slovenian", u"Slovak",
    u"Greek",   u"Romanian",      u"Portuguese", u"Bulgarian", u"Croatian"};

// The state is replaced when the user picks another language while wizard and worker threads may be
// looking texts up, so it is read and written under one lock.
struct LanguageState {
    std::mutex mutex;
    int index = 0;
    std::u16string file;
    std::u16string folder;
    std::u16string code;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

std::u16string FilePathFor(std::u16string_view folderName) {
    std::u16string path = ProgramFolder + u"Language\\";
    path += folderName;
    path += u"\\";
    path += folderName;
    path += u".lng";
    return path;
}

// Copies the processed text back into the caller's buffer, cut like the raw read.
void CopyBack(const std::u16string& text, char16_t* buffer, uint32_t size) {
    if (buffer == nullptr || size == 0) {
        return;
    }
    size_t n = std::min<size_t>(text.size(), size - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
}

} // namespace

const LanguageRow* LanguageRowAt(int index) {
    if (index < 0 || index >= kLanguageCount) {
        return nullptr;
    }
    return &kLanguages[static_cast<size_t>(index)];
}

void SelectLanguage() {
    std::u16string value = AppValue(appvalue::kLanguage);
    int index = base::ParseInt(value);
    const LanguageRow* row = LanguageRowAt(index);
    {
        LanguageState& state = State();
        std::lock_guard lock(state.mutex);
        state.index = index;
        if (row == nullptr) {
            state.file.clear();
            state.folder.clear();
            state.code.clear();
        } else {
            state.file = FilePathFor(row->folder);
            state.folder = ProgramFolder + u"Language\\" + std::u16string(row->folder) + u"\\";
            state.code = std::u16string(row->code);
        }
    }
    platform::SystemInfo* system = AppSystem();
    if (row == nullptr || system == nullptr) {
        return;
    }
    system->SetThreadLocale(row->locale);
    if (OsClass != kOsXp && OsClass != kOs2003Wow64) {
        system->SetThreadUiLanguage(row->locale);
    }
}

void ResetLanguage() {
    LanguageState& state = State();
    std::lock_guard lock(state.mutex);
    state.index = 0;
    state.file.clear();
    state.folder.clear();
    state.code.clear();
}

int LanguageIndex() {
    LanguageState& state = State();
    std::lock_guard lock(state.mutex);
    return state.index;
}

std::u16string LanguageFile() {
    LanguageState& state = State();
    std::lock_guard lock(state.mutex);
    return state.file;
}

std::u16string LanguageFolder() {
    LanguageState& state = State();
    std::lock_guard lock(state.mutex);
    return state.folder;
}

std::u16string LanguageCode() {
    LanguageState& state = State();
    std::lock_guard lock(state.mutex);
    return state.code;
}

uint32_t GetLangString(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                       char16_t* buffer, uint32_t size) {
    std::u16string file = LanguageFile();
    if (file.empty()) {
        // No language chosen (an index outside the table): the call site's own text.
        if (buffer == nullptr || size == 0) {
            return 0;
        }
        CopyBack(std::u16string(defaultText), buffer, size);
        return static_cast<uint32_t>(std::min<size_t>(defaultText.size(), size - 1));
    }
    return base::IniFile::GetString(file, section, key, defaultText, buffer, size);
}

namespace {

// The two-character escapes of language files: backslash-r goes, backslash-n becomes `newline`, and a
// backslash-quote becomes a quote where `quotes` says so; every other backslash stays as written.
std::u16string ExpandEscapes(std::u16string_view text, std::u16string_view newline, bool quotes) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t next = (text[i] == u'\\' && i + 1 < text.size()) ? text[i + 1] : u'\0';
        if (next == u'r') {
            ++i;
        } else if (next == u'n') {
            out += newline;
            ++i;
        } else if (next == u'"' && quotes) {
            out += u'"';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::u16string ExpandTextEscapes(std::u16string_view text) {
    return ExpandEscapes(text, u"\n", true);
}

std::u16string ExpandLineEscapes(std::u16string_view text, int blank) {
    return ExpandEscapes(text, blank == 1 ? u" " : u"", false);
}

uint32_t GetLangText(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                     char16_t* buffer, uint32_t size) {
    uint32_t length = GetLangString(section, key, defaultText, buffer, size);
    if (buffer != nullptr && size != 0) {
        CopyBack(ExpandTextEscapes(std::u16string_view(buffer, length)), buffer, size);
    }
    return length;
}

uint32_t GetLangLine(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                     char16_t* buffer, uint32_t size, int blank) {
    uint32_t length = GetLangString(section, key, defaultText, buffer, size);
    if (buffer != nullptr && size != 0) {
        CopyBack(ExpandLineEscapes(std::u16string_view(buffer, length), blank), buffer, size);
    }
    return length;
}

std::u16string LangString(std::u16string_view section, std::u16string_view key,
                          std::u16string_view defaultText, uint32_t size) {
    if (size == 0) {
        return {};
    }
    std::u16string buffer(size, u'\0');
    uint32_t n = GetLangString(section, key, defaultText, buffer.data(), size);
    buffer.resize(n);
    return buffer;
}

std::u16string LangText(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                        uint32_t size) {
    return ExpandTextEscapes(LangString(section, key, defaultText, size));
}

std::u16string LangLine(std::u16string_view section, std::u16string_view key, std::u16string_view defaultText,
                        int blank, uint32_t size) {
    return ExpandLineEscapes(LangString(section, key, defaultText, size), blank);
}

void LoadHelpFile(ui::Host& host, ui::ControlId richEdit, std::u16string_view path) {
    platform::FileSystem* files = AppFiles();
    std::optional<std::vector<uint8_t>> bytes;
    if (files != nullptr) {
        bytes = files->ReadFile(path);
    }
    if (!bytes) {
        host.ShowMessageBox(base::Format(u"Open %s file failed !", {path}), MessageBoxCaption(), ui::kBoxOk);
        return;
    }
    host.RichText(richEdit).StreamRtf(*bytes);
}

std::u16string_view DrawingFace(int languageIndex) {
    switch (languageIndex) {
    case 21: // SimpleChinese
        return u"SimSun";
    case 22: // Korean
        return u"Gulim";
    case 23: // Japanese
        return u"MS UI Gothic";
    default:
        return u"Arial";
    }
}

std::vector<std::u16string> CollectDefaultProfileNames() {
    std::vector<std::u16string> names;
    names.reserve(kDefaultNameOrder.size() + 1);
    names.push_back(
        base::IniFile::GetString(FilePathFor(u"English"), u"MAIN", u"Def_Profile_Name", u"", 256));
    for (std::u16string_view folder : kDefaultNameOrder) {
        names.push_back(
            base::IniFile::GetString(FilePathFor(folder), u"MAIN", u"Def_Profile_Name", u"", 256));
    }
    return names;
}
