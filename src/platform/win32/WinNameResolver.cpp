#include "platform/win32/WinNameResolver.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>

namespace platform::win32 {

namespace {

// The socket library counts its starts; one start held for the life of the process serves every
// lookup from any thread, whoever else starts or stops it.
class SocketLibrary {
public:
    SocketLibrary() {
        WSADATA data{};
        m_started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~SocketLibrary() {
        if (m_started) {
            WSACleanup();
        }
    }
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;

    bool Started() const { return m_started; }

private:
    bool m_started = false;
};

bool SocketLibraryStarted() {
    static SocketLibrary library;
    return library.Started();
}

} // namespace

bool WinNameResolver::Resolve(std::u16string_view host) {
    // A name with a zero unit inside would be looked up cut short, as another host.
    if (host.empty() || host.find(u'\0') != std::u16string_view::npos || !SocketLibraryStarted()) {
        return false;
    }
    std::wstring name(host.begin(), host.end());
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    ADDRINFOW* found = nullptr;
    // The lookup's own answer decides: the thread's last socket error can be left over from an
    // earlier call, or stay clear on a failure.
    if (GetAddrInfoW(name.c_str(), nullptr, &hints, &found) != 0) {
        return false;
    }
    bool answered = found != nullptr;
    if (found != nullptr) {
        FreeAddrInfoW(found);
    }
    return answered;
}

} // namespace platform::win32
