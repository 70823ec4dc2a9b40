#include "about/OemChunkDecoder.h"

namespace about {

std::u16string OemChunkDecoder::Decode(const std::vector<uint8_t>& chunk) {
    std::vector<uint8_t> bytes;
    bytes.reserve(chunk.size() + 1);
    if (m_pendingLead) {
        bytes.push_back(*m_pendingLead);
        m_pendingLead.reset();
    }
    bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    // Walk character by character from the start: only there is it known which bytes lead a character
    // (a trailing byte may have the value of a leading one).
    size_t whole = 0;
    while (whole < bytes.size()) {
        size_t length = m_page.IsLeadByte(bytes[whole]) ? 2 : 1;
        if (whole + length > bytes.size()) {
            m_pendingLead = bytes[whole];
            break;
        }
        whole += length;
    }
    return m_page.ToUnicode(bytes.data(), whole);
}

std::u16string OemChunkDecoder::Finish() {
    if (!m_pendingLead) {
        return {};
    }
    uint8_t lead = *m_pendingLead;
    m_pendingLead.reset();
    return m_page.ToUnicode(&lead, 1);
}

} // namespace about
