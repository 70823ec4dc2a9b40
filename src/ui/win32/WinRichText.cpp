#include "ui/win32/WinControls.h"

#include <richedit.h>

#include <cstring>

namespace ui::win32 {

namespace {

struct StreamSource {
    const std::vector<uint8_t>* bytes;
    size_t offset;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    size_t left = source->bytes->size() - source->offset;
    size_t n = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
    std::memcpy(buffer, source->bytes->data() + source->offset, n);
    source->offset += n;
    *got = static_cast<LONG>(n);
    return 0;
}

} // namespace

bool WinRichText::StreamRtf(const std::vector<uint8_t>& rtf) {
    StreamSource source{&rtf, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadRtf;
    SendMessageW(m_hwnd, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

} // namespace ui::win32
