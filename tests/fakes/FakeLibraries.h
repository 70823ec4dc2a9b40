// Dynamic libraries by name with their exports as plain function pointers the test supplies.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/DynamicLibrary.h"

namespace fakes {

class FakeLibraries final : public platform::DynamicLibraries {
public:
    platform::LibraryHandle Load(std::u16string_view name) override {
        loads.push_back(std::u16string(name));
        auto it = libraries.find(std::u16string(name));
        if (it == libraries.end()) {
            return 0;
        }
        ++loaded;
        return it->second.handle;
    }
    void* FindExport(platform::LibraryHandle library, const char* exportName) override {
        for (auto& [name, entry] : libraries) {
            if (entry.handle == library) {
                auto it = entry.exports.find(exportName);
                return it == entry.exports.end() ? nullptr : it->second;
            }
        }
        return nullptr;
    }
    void Unload(platform::LibraryHandle library) override {
        unloads.push_back(library);
        --loaded;
    }

    struct Library {
        platform::LibraryHandle handle = 0;
        std::map<std::string, void*> exports;
    };
    std::map<std::u16string, Library> libraries;
    std::vector<std::u16string> loads;
    std::vector<platform::LibraryHandle> unloads;
    int loaded = 0;
};

} // namespace fakes
