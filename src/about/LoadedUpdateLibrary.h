// OrvlAdapterUpdate.dll loaded by name for as long as this object lives. Whoever calls into it holds a
// shared pointer, so a download still running on its worker keeps the library loaded after the dialog
// that started it has gone: unloading it under a running call would pull the code from under it.
#pragma once

#include <memory>

#include "about/UpdateLibrary.h"
#include "platform/DynamicLibrary.h"

namespace about {

class LoadedUpdateLibrary final : public UpdateLibrary {
public:
    explicit LoadedUpdateLibrary(platform::DynamicLibraries& libraries);
    ~LoadedUpdateLibrary() override;
    LoadedUpdateLibrary(const LoadedUpdateLibrary&) = delete;
    LoadedUpdateLibrary& operator=(const LoadedUpdateLibrary&) = delete;

    bool Loaded() const override;
    int IsNewUpdateAvailable(const UpdateRequest& request, std::u16string& text) override;
    int GetUpdateFromServer(const UpdateRequest& request, std::u16string& message,
                            std::u16string& installerStatement) override;
    int GetDownloadFileInfo(std::u16string& fileName, std::u16string& folder,
                            uint32_t& downloadHandle) override;
    int GetDownloadProgressInfo(UpdateProgress& progress) override;

private:
    platform::DynamicLibraries& m_libraries;
    platform::LibraryHandle m_handle = 0;
    void* m_isNewUpdateAvailable = nullptr;
    void* m_getUpdateFromServer = nullptr;
    void* m_getDownloadFileInfo = nullptr;
    void* m_getDownloadProgressInfo = nullptr;
};

// The library for one live-update object; never null (an unloaded one answers Loaded() false).
std::shared_ptr<UpdateLibrary> LoadUpdateLibrary(platform::DynamicLibraries& libraries);

} // namespace about
