#include "about/LoadedUpdateLibrary.h"

#include <OrvlAdapterUpdate.h>

#include <array>
#include <string>

namespace about {

namespace {

// The library speaks the platform's wide characters. They are UTF-16 units on Windows; elsewhere
// (tests) each unit is widened and narrowed one by one, so both sides agree on every unit.
std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

// What the library left in `buffer`, up to its terminator. The last unit is forced to the terminator
// first, so a library that fills the whole buffer gives at most size - 1 units, never a read past it.
template <size_t N> std::u16string Read(std::array<wchar_t, N>& buffer) {
    buffer[N - 1] = L'\0';
    std::u16string text;
    for (wchar_t unit : buffer) {
        if (unit == L'\0') {
            break;
        }
        text.push_back(static_cast<char16_t>(unit));
    }
    return text;
}

template <class Fn> Fn As(void* entry) {
    return reinterpret_cast<Fn>(entry);
}

} // namespace

LoadedUpdateLibrary::LoadedUpdateLibrary(platform::DynamicLibraries& libraries) : m_libraries(libraries) {
    m_handle = m_libraries.Load(std::u16string_view(u"OrvlAdapterUpdate.dll"));
    if (m_handle == 0) {
        return;
    }
    m_isNewUpdateAvailable = m_libraries.FindExport(m_handle, "IsNewUpdateAvailable");
    m_getUpdateFromServer = m_libraries.FindExport(m_handle, "GetUpdateFromServer");
    m_getDownloadFileInfo = m_libraries.FindExport(m_handle, "GetDownloadFileInfo");
    m_getDownloadProgressInfo = m_libraries.FindExport(m_handle, "GetDownloadProgressInfo");
}

LoadedUpdateLibrary::~LoadedUpdateLibrary() {
    if (m_handle != 0) {
        m_libraries.Unload(m_handle);
    }
}

bool LoadedUpdateLibrary::Loaded() const {
    return m_handle != 0 && m_isNewUpdateAvailable != nullptr && m_getUpdateFromServer != nullptr &&
           m_getDownloadFileInfo != nullptr && m_getDownloadProgressInfo != nullptr;
}

int LoadedUpdateLibrary::IsNewUpdateAvailable(const UpdateRequest& request, std::u16string& text) {
    if (!Loaded()) {
        return -1;
    }
    std::wstring language = Wide(request.languageCode), setupIni = Wide(request.setupIniPath),
                 stringTable = Wide(request.stringTablePath);
    std::array<wchar_t, orvl_update::kTextBufferUnits> buffer{};
    int answer = As<IsNewUpdateAvailableFn>(m_isNewUpdateAvailable)(language.c_str(), setupIni.c_str(),
                                                                    stringTable.c_str(), buffer.data());
    text = Read(buffer);
    return answer;
}

int LoadedUpdateLibrary::GetUpdateFromServer(const UpdateRequest& request, std::u16string& message,
                                             std::u16string& installerStatement) {
    if (!Loaded()) {
        return -1;
    }
    std::wstring language = Wide(request.languageCode), setupIni = Wide(request.setupIniPath),
                 stringTable = Wide(request.stringTablePath);
    std::array<wchar_t, orvl_update::kTextBufferUnits> messageBuffer{};
    std::array<wchar_t, orvl_update::kTextBufferUnits> pathBuffer{};
    int answer = As<GetUpdateFromServerFn>(m_getUpdateFromServer)(
        0, language.c_str(), setupIni.c_str(), stringTable.c_str(), messageBuffer.data(), pathBuffer.data());
    message = Read(messageBuffer);
    installerStatement = Read(pathBuffer);
    return answer;
}

int LoadedUpdateLibrary::GetDownloadFileInfo(std::u16string& fileName, std::u16string& folder,
                                             uint32_t& downloadHandle) {
    if (!Loaded()) {
        return -1;
    }
    std::array<wchar_t, orvl_update::kPathBufferUnits> nameBuffer{};
    std::array<wchar_t, orvl_update::kPathBufferUnits> folderBuffer{};
    uint32_t handle = 0;
    int answer =
        As<GetDownloadFileInfoFn>(m_getDownloadFileInfo)(nameBuffer.data(), folderBuffer.data(), &handle);
    fileName = Read(nameBuffer);
    folder = Read(folderBuffer);
    downloadHandle = handle;
    return answer;
}

int LoadedUpdateLibrary::GetDownloadProgressInfo(UpdateProgress& progress) {
    if (!Loaded()) {
        return -1;
    }
    UpdateProgress values;
    int answer = As<GetDownloadProgressInfoFn>(m_getDownloadProgressInfo)(
        &values.percent, &values.bytesReceived, &values.downloadHandle, &values.totalBytes, &values.state,
        &values.reserved);
    progress = values;
    return answer;
}

std::shared_ptr<UpdateLibrary> LoadUpdateLibrary(platform::DynamicLibraries& libraries) {
    return std::make_shared<LoadedUpdateLibrary>(libraries);
}

} // namespace about
