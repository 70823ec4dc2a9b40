#include "InstallerDownload.h"

#include "HttpGet.h"
#include "UpdateSource.h"
#include "base/Encoding.h"
#include "base/Md5.h"

#include <windows.h>

namespace orvl_update {
namespace {

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

class OutputFile {
public:
    explicit OutputFile(const std::u16string& path)
        : m_file(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr)) {}
    ~OutputFile() { Close(); }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool ok() const { return m_file != INVALID_HANDLE_VALUE; }
    bool Write(std::string_view bytes) {
        DWORD written = 0;
        return WriteFile(m_file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size();
    }
    bool Close() {
        bool closed = true;
        if (m_file != INVALID_HANDLE_VALUE) {
            closed = CloseHandle(m_file) != 0;
            m_file = INVALID_HANDLE_VALUE;
        }
        return closed;
    }

private:
    HANDLE m_file;
};

} // namespace

std::u16string DownloadFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    std::u16string folder(reinterpret_cast<const char16_t*>(temp), n <= MAX_PATH ? n : 0);
    if (!folder.empty() && folder.back() != u'\\') {
        folder += u'\\';
    }
    folder += u"OrvlUpdate\\";
    CreateDirectoryW(Wide(folder), nullptr);
    return folder;
}

UpdateOutcome DownloadInstaller(const UpdateFeed& feed, const HttpUrl& feedUrl, DownloadStatus& status,
                                std::u16string& installerPath) {
    installerPath.clear();
    std::u16string folder = DownloadFolder();
    std::u16string path = folder + feed.fileName();
    bool written = false;
    FetchResult fetched = FetchResult::Refused;
    base::Md5 digest;
    uint64_t received = 0;
    {
        OutputFile file(path);
        if (!file.ok()) {
            status.Reset();
            return {kCodeCannotSave, u"The downloaded file cannot be saved in the temporary folder."};
        }
        status.Begin(feed.fileName(), folder, feed.size());
        bool writeFailed = false;
        FetchHandlers handlers;
        // A server that announces another size than the feed is sending another file.
        handlers.onLength = [&feed](std::optional<uint64_t> length) {
            return !length || *length == feed.size();
        };
        handlers.onBody = [&](std::string_view piece) {
            if (received + piece.size() > feed.size()) {
                return false;
            }
            if (!file.Write(piece)) {
                writeFailed = true;
                return false;
            }
            digest.Update(std::span(reinterpret_cast<const uint8_t*>(piece.data()), piece.size()));
            received += piece.size();
            status.Advance(received);
            return true;
        };
        fetched = HttpGet(feedUrl.Sibling(base::Utf16ToUtf8(feed.fileName())), RequestTimeoutMs(), handlers);
        written = file.Close() && !writeFailed;
        if (writeFailed) {
            fetched = FetchResult::Refused;
        }
    }
    UpdateOutcome outcome{kCodeOk, {}};
    if (!written) {
        outcome = {kCodeCannotSave, u"The downloaded file cannot be saved in the temporary folder."};
    } else if (fetched == FetchResult::Refused || (fetched == FetchResult::Ok && received != feed.size())) {
        outcome = {kCodeFileDamaged, u"The downloaded file does not have the size the server announced."};
    } else if (fetched != FetchResult::Ok) {
        outcome = {kCodeDownloadFailed, FetchFailureText(fetched)};
    } else if (base::Md5::HexOf(digest.Finish()) != feed.md5()) {
        outcome = {kCodeFileDamaged, u"The downloaded file is damaged (its MD5 checksum is wrong)."};
    }
    if (outcome.code != kCodeOk) {
        DeleteFileW(Wide(path));
        outcome.text += u" The file has been deleted.";
        status.Finish(false);
        return outcome;
    }
    installerPath = path;
    status.Finish(true);
    return outcome;
}

} // namespace orvl_update
