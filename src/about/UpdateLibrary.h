// The four entry points of the live-update library, as the live update calls them. The program's
// implementation loads OrvlAdapterUpdate.dll by name (LoadedUpdateLibrary); tests supply their own.
// Every text the library hands back is at most 511 units long: it is shown and logged as plain text,
// never used as a format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace about {

// The six values GetDownloadProgressInfo fills.
struct UpdateProgress {
    uint32_t percent = 0;
    uint32_t bytesReceived = 0;
    uint32_t downloadHandle = 0;
    uint32_t totalBytes = 0;
    uint32_t state = 0;
    uint32_t reserved = 0;
};

// The files and language the library is told about.
struct UpdateRequest {
    std::u16string languageCode;    // three letters
    std::u16string setupIniPath;    // the installed version
    std::u16string stringTablePath; // where the library asks for news
};

class UpdateLibrary {
public:
    virtual ~UpdateLibrary() = default;
    // False when the library could not be loaded or lacks an entry point: then no call is made.
    virtual bool Loaded() const = 0;
    virtual int IsNewUpdateAvailable(const UpdateRequest& request, std::u16string& text) = 0;
    // Blocks until the download ends. installerStatement: the installer's path, size and MD5 as the
    // server announced them (InstallerCheck.h).
    virtual int GetUpdateFromServer(const UpdateRequest& request, std::u16string& message,
                                    std::u16string& installerStatement) = 0;
    virtual int GetDownloadFileInfo(std::u16string& fileName, std::u16string& folder,
                                    uint32_t& downloadHandle) = 0;
    virtual int GetDownloadProgressInfo(UpdateProgress& progress) = 0;
};

} // namespace about
