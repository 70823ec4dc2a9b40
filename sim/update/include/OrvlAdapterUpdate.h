// The interface of the live-update library OrvlAdapterUpdate.dll. The utility does not link the
// library: it loads it by name and looks each entry point up with GetProcAddress, so this header gives
// the entry points' names and a pointer type for each. Every entry point removes its own arguments
// (__stdcall; on x64 that is the one calling convention) and is exported under its plain name.
//
// Every text buffer the library fills takes at most 511 units plus the terminator when it is 512
// units long (the two folder and file-name buffers of GetDownloadFileInfo are 260 units long and get
// at most 259 plus the terminator).
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define ORVL_UPDATE_CALL __stdcall
#else
#define ORVL_UPDATE_CALL
#endif

namespace orvl_update {

inline constexpr const wchar_t* kLibraryName = L"OrvlAdapterUpdate.dll";

inline constexpr uint32_t kTextBufferUnits = 512; // message, availability and second buffers
inline constexpr uint32_t kPathBufferUnits = 260; // file-name and folder buffers

// IsNewUpdateAvailable
inline constexpr int kNewUpdateAvailable = 5; // the buffer holds the text to offer
inline constexpr int kNoNewUpdate = 4;
// GetUpdateFromServer
inline constexpr int kDownloaded = 0; // the message buffer holds the text of the install question
// GetDownloadFileInfo
inline constexpr int kDownloadBegun = 0;
// GetDownloadProgressInfo
inline constexpr int kDownloadRunning = 0;   // percent is valid
inline constexpr int kDownloadFinished = 21; // percent is 100

} // namespace orvl_update

extern "C" {

// languageCode: three letters, such as "enu" or "deu". setupIniPath: the installed version is read
// from section "MenuItem", key "version". stringTablePath: the feed address, section "LiveUpdate",
// key "Feed" (the environment variable ORVL_UPDATE_FEED overrides it).
// text: 512 units; on 5 the offer, on any other answer but 4 the reason of the failure.
typedef int(ORVL_UPDATE_CALL* IsNewUpdateAvailableFn)(const wchar_t* languageCode,
                                                      const wchar_t* setupIniPath,
                                                      const wchar_t* stringTablePath, wchar_t* text);

// Blocks until the installer is downloaded and checked (size and MD5 from the feed). reserved: 0.
// message: 512 units; on 0 the text of the install question, otherwise the reason of the failure.
// installerStatement: 512 units; on 0 the downloaded installer as the server announced it: its full
// path, a tab, its size in bytes (decimal), a tab and its MD5 (32 lower-case hexadecimal digits);
// otherwise empty. The program checks the file against it again before it starts it.
typedef int(ORVL_UPDATE_CALL* GetUpdateFromServerFn)(uint32_t reserved, const wchar_t* languageCode,
                                                     const wchar_t* setupIniPath,
                                                     const wchar_t* stringTablePath, wchar_t* message,
                                                     wchar_t* installerStatement);

// 0 once the download has begun: fileName (260 units) holds the installer's plain file name, folder
// (260 units) the download folder with a trailing backslash, *downloadHandle the download's number.
// Non-zero: no download has begun yet, or the last one failed (its file is deleted).
typedef int(ORVL_UPDATE_CALL* GetDownloadFileInfoFn)(wchar_t* fileName, wchar_t* folder,
                                                     uint32_t* downloadHandle);

// 0: running, *percent valid. 21: finished and checked, *percent is 100. Other: no news. Safe to call
// on any thread while GetUpdateFromServer runs. Any pointer may be null. The others: bytes received
// so far, the download's number, the installer's size from the feed, the library's state (0 idle,
// 1 running, 2 finished, 3 failed) and a reserved value (0).
typedef int(ORVL_UPDATE_CALL* GetDownloadProgressInfoFn)(uint32_t* percent, uint32_t* bytesReceived,
                                                         uint32_t* downloadHandle, uint32_t* totalBytes,
                                                         uint32_t* state, uint32_t* reserved);

} // extern "C"
