// The four entry points of OrvlAdapterUpdate.dll.
#include "OrvlAdapterUpdate.h"

#include "DownloadStatus.h"
#include "InstallerDownload.h"
#include "UpdateSource.h"
#include "base/Text.h"

#include <windows.h>

#include <atomic>
#include <string>

// The 32-bit build names its exports in OrvlAdapterUpdate32.def alone, where __stdcall's decorated names
// are mapped to the plain ones; marking the functions as well would export both spellings.
#if defined(_WIN64)
#define UPDATE_EXPORT __declspec(dllexport)
#else
#define UPDATE_EXPORT
#endif

using namespace orvl_update;

namespace {

DownloadStatus g_status;
std::atomic<bool> g_downloading{false};

std::u16string_view Text(const wchar_t* text) {
    return text ? std::u16string_view(reinterpret_cast<const char16_t*>(text)) : std::u16string_view();
}

// Every buffer gets at most capacity - 1 units and its terminator, whatever the server sent.
void Put(wchar_t* buffer, uint32_t capacity, std::u16string_view text) {
    if (buffer) {
        base::CopyToField(reinterpret_cast<char16_t*>(buffer), capacity, text);
    }
}

void Put(uint32_t* value, uint64_t number) {
    if (value) {
        *value = number > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(number);
    }
}

// One download at a time: a second caller is refused rather than writing the same file.
class DownloadSlot {
public:
    DownloadSlot() : m_taken(!g_downloading.exchange(true)) {}
    ~DownloadSlot() {
        if (m_taken) {
            g_downloading = false;
        }
    }
    DownloadSlot(const DownloadSlot&) = delete;
    DownloadSlot& operator=(const DownloadSlot&) = delete;
    bool taken() const { return m_taken; }

private:
    bool m_taken;
};

} // namespace

extern "C" {

UPDATE_EXPORT int ORVL_UPDATE_CALL IsNewUpdateAvailable(const wchar_t* languageCode,
                                                        const wchar_t* setupIniPath,
                                                        const wchar_t* stringTablePath, wchar_t* text) {
    Put(text, kTextBufferUnits, u"");
    UpdateOffer offer = FindUpdate(setupIniPath, stringTablePath);
    if (offer.outcome.code == kCodeNewer) {
        Put(text, kTextBufferUnits, offer.feed->OfferText(Text(languageCode)));
    } else {
        Put(text, kTextBufferUnits, offer.outcome.text);
    }
    return offer.outcome.code;
}

UPDATE_EXPORT int ORVL_UPDATE_CALL GetUpdateFromServer(uint32_t, const wchar_t* languageCode,
                                                       const wchar_t* setupIniPath,
                                                       const wchar_t* stringTablePath, wchar_t* message,
                                                       wchar_t* installerStatement) {
    Put(message, kTextBufferUnits, u"");
    Put(installerStatement, kTextBufferUnits, u"");
    DownloadSlot slot;
    if (!slot.taken()) {
        Put(message, kTextBufferUnits, u"A download is already running.");
        return kCodeBusy;
    }
    g_status.Reset();
    UpdateOffer offer = FindUpdate(setupIniPath, stringTablePath);
    if (offer.outcome.code != kCodeNewer) {
        Put(message, kTextBufferUnits, offer.outcome.text);
        return offer.outcome.code;
    }
    std::u16string path;
    UpdateOutcome outcome = DownloadInstaller(*offer.feed, offer.feedUrl, g_status, path);
    if (outcome.code != kCodeOk) {
        Put(message, kTextBufferUnits, outcome.text);
        return outcome.code;
    }
    Put(message, kTextBufferUnits, offer.feed->ReadyText(Text(languageCode)));
    // The program compares the file with the server's word before it starts it.
    std::u16string statement = path + u"\t";
    for (char c : std::to_string(offer.feed->size())) {
        statement += static_cast<char16_t>(c);
    }
    statement += u"\t";
    for (char c : offer.feed->md5()) {
        statement += static_cast<char16_t>(c);
    }
    Put(installerStatement, kTextBufferUnits, statement);
    return kCodeOk;
}

UPDATE_EXPORT int ORVL_UPDATE_CALL GetDownloadFileInfo(wchar_t* fileName, wchar_t* folder,
                                                       uint32_t* downloadHandle) {
    DownloadSnapshot now = g_status.Read();
    // A failed download's file is already deleted: its path must not look like an installer to start.
    if (now.state == DownloadState::Idle || now.state == DownloadState::Failed) {
        return kCodeNotBegun;
    }
    Put(fileName, kPathBufferUnits, now.fileName);
    Put(folder, kPathBufferUnits, now.folder);
    Put(downloadHandle, now.handle);
    return kDownloadBegun;
}

UPDATE_EXPORT int ORVL_UPDATE_CALL GetDownloadProgressInfo(uint32_t* percent, uint32_t* bytesReceived,
                                                           uint32_t* downloadHandle, uint32_t* totalBytes,
                                                           uint32_t* state, uint32_t* reserved) {
    DownloadSnapshot now = g_status.Read();
    Put(bytesReceived, now.received);
    Put(downloadHandle, now.handle);
    Put(totalBytes, now.total);
    Put(state, static_cast<uint32_t>(now.state));
    Put(reserved, 0);
    switch (now.state) {
    case DownloadState::Running:
        Put(percent, now.percent);
        return kDownloadRunning;
    case DownloadState::Finished:
        Put(percent, 100);
        return kDownloadFinished;
    case DownloadState::Idle:
    case DownloadState::Failed:
        break;
    }
    return kCodeNoNews;
}

} // extern "C"
