// Interface rows the test sets up; an index without a row fails as the system does. Safe to use from a
// sampler thread while the test changes the rows.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>

#include "platform/InterfaceCounters.h"

namespace fakes {

class FakeInterfaceCounters final : public platform::InterfaceCounters {
public:
    bool ReadRow(uint32_t interfaceIndex, platform::InterfaceRow& row) override {
        std::lock_guard lock(m_mutex);
        ++m_reads;
        auto found = m_rows.find(interfaceIndex);
        if (found == m_rows.end()) {
            return false;
        }
        row = found->second;
        return true;
    }

    void SetRow(uint32_t interfaceIndex, const platform::InterfaceRow& row) {
        std::lock_guard lock(m_mutex);
        m_rows[interfaceIndex] = row;
    }
    void RemoveRow(uint32_t interfaceIndex) {
        std::lock_guard lock(m_mutex);
        m_rows.erase(interfaceIndex);
    }
    int Reads() {
        std::lock_guard lock(m_mutex);
        return m_reads;
    }

private:
    std::mutex m_mutex;
    std::map<uint32_t, platform::InterfaceRow> m_rows;
    int m_reads = 0;
};

} // namespace fakes
