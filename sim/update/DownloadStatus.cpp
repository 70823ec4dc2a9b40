#include "DownloadStatus.h"

#include "HttpMessage.h"

namespace orvl_update {

void DownloadStatus::Reset() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_status = DownloadSnapshot();
}

uint32_t DownloadStatus::Begin(std::u16string fileName, std::u16string folder, uint64_t total) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (++m_lastHandle == 0) {
        m_lastHandle = 1;
    }
    m_status = DownloadSnapshot{DownloadState::Running, m_lastHandle,     0, total, 0,
                                std::move(fileName),    std::move(folder)};
    return m_lastHandle;
}

void DownloadStatus::Advance(uint64_t received) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_status.received = received;
    // 100 is kept for a file that has passed its checks, which come after the last byte.
    uint32_t percent = PercentOf(received, m_status.total);
    m_status.percent = percent > 99 ? 99 : percent;
}

void DownloadStatus::Finish(bool checked) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_status.state = checked ? DownloadState::Finished : DownloadState::Failed;
    if (checked) {
        m_status.percent = 100;
    }
}

DownloadSnapshot DownloadStatus::Read() const {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_status;
}

} // namespace orvl_update
