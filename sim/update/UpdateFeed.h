// The update feed the server publishes, an ini-style text (UTF-8 with or without a byte-order mark):
//
//   [Update]
//   Version=1.2.10
//   File=KTVA7700v2_Setup.exe      a plain file name, beside the feed on the server
//   Size=123456                    the installer's size in bytes
//   MD5=0123456789abcdef0123456789abcdef
//   [Offer]                        the text offering the update, by language code
//   enu=Version 1.2.10 is available.\nIt fixes ...
//   deu=...
//   [Ready]                        the text of the install question after the download
//   enu=The new version has been downloaded.
//
// Texts fall back to "enu", then to a built-in English text; "\n" in a text is a line break.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/IniFile.h"

namespace orvl_update {

class UpdateFeed {
public:
    // Null when a field is missing or malformed: no version number, a file name that is not a plain
    // name, a size that is not a decimal number, an MD5 that is not 32 hexadecimal digits.
    static std::optional<UpdateFeed> Parse(std::span<const uint8_t> bytes);

    const std::u16string& version() const { return m_version; }
    const std::u16string& fileName() const { return m_fileName; }
    uint64_t size() const { return m_size; }
    const std::string& md5() const { return m_md5; } // lower case

    std::u16string OfferText(std::u16string_view languageCode) const;
    std::u16string ReadyText(std::u16string_view languageCode) const;

private:
    std::u16string Text(std::u16string_view section, std::u16string_view languageCode) const;

    base::IniDocument m_document;
    std::u16string m_version;
    std::u16string m_fileName;
    uint64_t m_size = 0;
    std::string m_md5;
};

// A name that names a file in the download folder and nothing else: no folder separators, drive,
// device or parent references, no characters Windows refuses in names, at most 200 units.
bool IsPlainFileName(std::u16string_view name);

} // namespace orvl_update
