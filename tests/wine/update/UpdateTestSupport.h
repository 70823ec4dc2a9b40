// Helpers of the update library's Wine tests: the library loaded by name from the install tree, the
// update server started in a mode, and the setup.ini / stringtable.dat pair the utility passes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "OrvlAdapterUpdate.h"

namespace updatetest {

std::wstring DistDir(); // with a trailing backslash
std::string Md5OfFile(const std::wstring& path);
bool FileExists(const std::wstring& path);

// The four entry points of OrvlAdapterUpdate.dll, found by name.
struct UpdateLibrary {
    IsNewUpdateAvailableFn isNewUpdateAvailable = nullptr;
    GetUpdateFromServerFn getUpdateFromServer = nullptr;
    GetDownloadFileInfoFn getDownloadFileInfo = nullptr;
    GetDownloadProgressInfoFn getDownloadProgressInfo = nullptr;
};
const UpdateLibrary& Library();

// UpdateServer.exe serving the setup stand-in (or another installer) in one mode; stopped by its event
// when the object goes.
class UpdateServer {
public:
    explicit UpdateServer(const wchar_t* mode, const std::wstring& installer = DistDir() + L"setup.exe");
    ~UpdateServer();
    UpdateServer(const UpdateServer&) = delete;
    UpdateServer& operator=(const UpdateServer&) = delete;

    bool running() const { return m_port != 0; }
    unsigned port() const { return m_port; }
    std::wstring FeedUrl() const;
    void Stop();

private:
    PROCESS_INFORMATION m_process{};
    HANDLE m_stop = nullptr;
    unsigned m_port = 0;
    std::wstring m_portFile;
};

// setup.ini with an installed version and stringtable.dat with a feed address, in a fresh folder.
class ProgramFiles {
public:
    ProgramFiles(const std::string& installedVersion, const std::wstring& feedUrl);
    ~ProgramFiles();
    ProgramFiles(const ProgramFiles&) = delete;
    ProgramFiles& operator=(const ProgramFiles&) = delete;

    const wchar_t* setupIni() const { return m_setupIni.c_str(); }
    const wchar_t* stringTable() const { return m_stringTable.c_str(); }

private:
    std::wstring m_folder;
    std::wstring m_setupIni;
    std::wstring m_stringTable;
};

} // namespace updatetest
