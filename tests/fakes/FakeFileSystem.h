// Files in memory with their last-write days; folder deletions are recorded, and chosen paths refuse
// to be written.
#pragma once

#include <map>
#include <set>
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

    bool WriteFile(std::u16string_view path, const std::vector<uint8_t>& bytes) override {
        if (unwritablePaths.count(std::u16string(path)) != 0) {
            return false;
        }
        files[std::u16string(path)] = bytes;
        return true;
    }

    std::map<std::u16string, std::vector<uint8_t>> files;
    std::set<std::u16string> unwritablePaths; // WriteFile fails for these
    std::map<std::u16string, platform::LocalDate> writeDates;
    std::vector<std::u16string> deletedFolders;
};

} // namespace fakes
