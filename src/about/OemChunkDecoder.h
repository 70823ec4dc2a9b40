// Console output arrives in chunks of bytes cut where the pipe happened to deliver them, which on a
// double-byte code page can be between the two bytes of one character. The decoder holds such a
// leading byte back and puts it before the next chunk, so the character comes out whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/OemCodePage.h"

namespace about {

class OemChunkDecoder {
public:
    explicit OemChunkDecoder(const platform::OemCodePage& page) : m_page(page) {}

    // The text of the whole characters received so far that were not returned yet.
    std::u16string Decode(const std::vector<uint8_t>& chunk);
    // At the end of the output: a leading byte whose partner never came, as the code page shows it alone.
    std::u16string Finish();

private:
    const platform::OemCodePage& m_page;
    std::optional<uint8_t> m_pendingLead;
};

} // namespace about
