// What the download call has got so far, filled by the thread that downloads and read by the
// utility's timer on its own thread while that call still blocks: every field is read and written
// under one lock, so a reader never sees a file name of one download beside the handle of another.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

namespace orvl_update {

enum class DownloadState : uint32_t { Idle = 0, Running = 1, Finished = 2, Failed = 3 };

struct DownloadSnapshot {
    DownloadState state = DownloadState::Idle;
    uint32_t handle = 0;
    uint64_t received = 0;
    uint64_t total = 0;
    uint32_t percent = 0; // 100 only once finished and checked
    std::u16string fileName;
    std::u16string folder;
};

class DownloadStatus {
public:
    // Forgets the last download: the next one has not begun yet.
    void Reset();
    // The file is open and the transfer starts; returns the download's number (never 0).
    uint32_t Begin(std::u16string fileName, std::u16string folder, uint64_t total);
    void Advance(uint64_t received);
    void Finish(bool checked);

    DownloadSnapshot Read() const;

private:
    mutable std::mutex m_lock;
    DownloadSnapshot m_status;
    uint32_t m_lastHandle = 0;
};

} // namespace orvl_update
