// Files in memory with their last-write days; folder deletions are recorded.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace fakes {

class FakeFileSystem final : public platform::FileSystem {
public:
    bool DeleteFolderTree(std::u16string_view folder) override {
        deletedFolders.push_back(std::u16string(folder));
        return true;
    }
    std::optional<std::vector<uint8_t>> ReadFile(std::u16string_view path) override {
        auto it = files.find(std::u16string(path));
        if (it == files.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    std::optional<platform::LocalDate> LastWriteDate(std::u16string_view path) override {
        auto it = writeDates.find(std::u16string(path));
        if (it == writeDates.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    std::map<std::u16string, std::vector<uint8_t>> files;
    std::map<std::u16string, platform::LocalDate> writeDates;
    std::vector<std::u16string> deletedFolders;
};

} // namespace fakes
