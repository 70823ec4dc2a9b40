#include "platform/win32/WinRandomSource.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <climits>

namespace platform::win32 {

bool WinRandomSource::Fill(uint8_t* bytes, size_t count) {
    if (bytes == nullptr && count != 0) {
        return false;
    }
    while (count > 0) {
        const ULONG chunk = static_cast<ULONG>(std::min<size_t>(count, ULONG_MAX));
        const NTSTATUS status = BCryptGenRandom(nullptr, bytes, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG);
        if (status < 0) {
            return false;
        }
        bytes += chunk;
        count -= chunk;
    }
    return true;
}

} // namespace platform::win32
