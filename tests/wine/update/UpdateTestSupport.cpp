#include "UpdateTestSupport.h"

#include "base/Md5.h"

#include <fstream>
#include <vector>

namespace updatetest {
namespace {

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    return temp;
}

std::wstring UniqueName(const wchar_t* tag) {
    static LONG counter = 0;
    return std::wstring(tag) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&counter));
}

void WriteText(const std::wstring& path, const std::string& text) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out << text;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += static_cast<char>(c);
    }
    return out;
}

template <typename Function> Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

std::wstring DistDir() {
    wchar_t buffer[4096] = {};
    DWORD n = GetEnvironmentVariableW(L"KT_DIST_DIR", buffer, 4096);
    std::wstring path(buffer, n);
    if (!path.empty() && path[0] == L'/') {
        path = L"Z:" + path;
    }
    for (auto& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    if (!path.empty() && path.back() != L'\\') {
        path += L'\\';
    }
    return path;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Md5OfFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::vector<uint8_t> bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    }
    return base::Md5::HexOf(base::Md5::Of(bytes));
}

const UpdateLibrary& Library() {
    static UpdateLibrary library = [] {
        UpdateLibrary found;
        // The utility loads the library by name from its own folder; the test program lives elsewhere,
        // so the install tree is put on the search path first.
        SetDllDirectoryW(DistDir().c_str());
        HMODULE module = LoadLibraryW(orvl_update::kLibraryName);
        if (module) {
            found.isNewUpdateAvailable = Export<IsNewUpdateAvailableFn>(module, "IsNewUpdateAvailable");
            found.getUpdateFromServer = Export<GetUpdateFromServerFn>(module, "GetUpdateFromServer");
            found.getDownloadFileInfo = Export<GetDownloadFileInfoFn>(module, "GetDownloadFileInfo");
            found.getDownloadProgressInfo =
                Export<GetDownloadProgressInfoFn>(module, "GetDownloadProgressInfo");
        }
        return found;
    }();
    return library;
}

UpdateServer::UpdateServer(const wchar_t* mode, const std::wstring& installer) {
    m_portFile = TempFolder() + UniqueName(L"update-port") + L".txt";
    std::wstring stopName = UniqueName(L"UpdateServerStop");
    m_stop = CreateEventW(nullptr, TRUE, FALSE, stopName.c_str());
    std::wstring command = L"\"" + DistDir() + L"UpdateServer.exe\" " + mode + L" \"" + m_portFile +
                           L"\" \"" + installer + L"\" " + stopName;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &m_process)) {
        return;
    }
    for (int i = 0; i < 200 && m_port == 0; ++i) {
        std::ifstream in(m_portFile.c_str());
        unsigned port = 0;
        if (in >> port) {
            m_port = port;
        } else if (WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0) {
            break;
        }
    }
}

UpdateServer::~UpdateServer() {
    Stop();
    if (m_stop) {
        CloseHandle(m_stop);
    }
    DeleteFileW(m_portFile.c_str());
}

void UpdateServer::Stop() {
    if (!m_process.hProcess) {
        return;
    }
    SetEvent(m_stop);
    if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
    m_process = PROCESS_INFORMATION{};
}

std::wstring UpdateServer::FeedUrl() const {
    return L"http://127.0.0.1:" + std::to_wstring(m_port) + L"/feed.ini";
}

ProgramFiles::ProgramFiles(const std::string& installedVersion, const std::wstring& feedUrl) {
    m_folder = TempFolder() + UniqueName(L"update-program") + L"\\";
    CreateDirectoryW(m_folder.c_str(), nullptr);
    m_setupIni = m_folder + L"setup.ini";
    m_stringTable = m_folder + L"stringtable.dat";
    if (!installedVersion.empty()) {
        WriteText(m_setupIni, "[MenuItem]\r\nversion=" + installedVersion + "\r\n");
    }
    WriteText(m_stringTable, "[LiveUpdate]\r\nFeed=" + Narrow(feedUrl) + "\r\n");
}

ProgramFiles::~ProgramFiles() {
    DeleteFileW(m_setupIni.c_str());
    DeleteFileW(m_stringTable.c_str());
    RemoveDirectoryW(m_folder.c_str());
}

} // namespace updatetest
