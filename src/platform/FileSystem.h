// File operations of start-up, the help pages, the About page and its system-information report.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

// A calendar day of the user's time zone.
struct LocalDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Deletes every file of the folder, descends into its sub-folders, and removes each folder after
    // its contents. False when something could not be removed (what could be removed is gone).
    virtual bool DeleteFolderTree(std::u16string_view folder) = 0;
    // The whole file read in binary mode; nullopt when it cannot be opened.
    virtual std::optional<std::vector<uint8_t>> ReadFile(std::u16string_view path) = 0;
    // The day of the file's last write in local time; nullopt when the file cannot be found.
    virtual std::optional<LocalDate> LastWriteDate(std::u16string_view path) = 0;
    // Creates the file, or empties it, and writes `bytes`; false when any of that failed.
    virtual bool WriteFile(std::u16string_view path, const std::vector<uint8_t>& bytes) = 0;
};

} // namespace platform
