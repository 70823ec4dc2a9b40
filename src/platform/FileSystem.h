// File operations of start-up and the help pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Deletes every file of the folder, descends into its sub-folders, and removes each folder after
    // its contents. False when something could not be removed (what could be removed is gone).
    virtual bool DeleteFolderTree(std::u16string_view folder) = 0;
    // The whole file read in binary mode; nullopt when it cannot be opened.
    virtual std::optional<std::vector<uint8_t>> ReadFile(std::u16string_view path) = 0;
};

} // namespace platform
