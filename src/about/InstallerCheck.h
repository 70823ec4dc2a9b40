// The downloaded installer is started only when it is the file the update server announced: the update
// library hands on the server's statement of it (its size and MD5) with the path, and the file on disk
// is compared with that statement right before it is offered and again right before it is started, so
// that a damaged, cut or swapped file never runs.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace about {

// What the server says of the installer. The library's second buffer of GetUpdateFromServer holds
// "<full path>\t<size in bytes, decimal>\t<MD5, 32 hexadecimal digits>".
struct InstallerStatement {
    std::u16string path;
    uint64_t size = 0;
    std::string md5; // lower case
};

// Null when the text is not such a statement (a library that tells nothing cannot vouch for a file).
std::optional<InstallerStatement> ParseInstallerStatement(std::u16string_view text);

// Whether `bytes`, the file as read from disk, are a Windows program of the announced size and MD5.
bool InstallerMatches(const InstallerStatement& statement, std::span<const uint8_t> bytes);

} // namespace about
