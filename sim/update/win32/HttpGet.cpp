#include "HttpGet.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>

namespace orvl_update {
namespace {

constexpr size_t kLongestHead = 16 * 1024;

class WinsockSession {
public:
    WinsockSession() {
        WSADATA data;
        m_ok = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockSession() {
        if (m_ok) {
            WSACleanup();
        }
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

class Socket {
public:
    Socket() = default;
    ~Socket() {
        if (m_socket != INVALID_SOCKET) {
            closesocket(m_socket);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    SOCKET& get() { return m_socket; }

private:
    SOCKET m_socket = INVALID_SOCKET;
};

// Connects without blocking so that an unanswered connect ends after the time-out rather than after
// the system's own, much longer one.
FetchResult Connect(SOCKET s, const sockaddr* address, int length, uint32_t timeoutMs) {
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    if (connect(s, address, length) != 0 && WSAGetLastError() != WSAEWOULDBLOCK) {
        return FetchResult::NoConnection;
    }
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(s, &writable);
    FD_SET(s, &failed);
    timeval wait{static_cast<long>(timeoutMs / 1000), static_cast<long>((timeoutMs % 1000) * 1000)};
    int ready = select(0, nullptr, &writable, &failed, &wait);
    if (ready == 0) {
        return FetchResult::TimedOut;
    }
    int error = 0;
    int errorLength = sizeof error;
    getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &errorLength);
    if (ready < 0 || FD_ISSET(s, &failed) || error != 0) {
        return FetchResult::NoConnection;
    }
    u_long blocking = 0;
    ioctlsocket(s, FIONBIO, &blocking);
    DWORD timeout = timeoutMs;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    return FetchResult::Ok;
}

FetchResult Open(const HttpUrl& url, uint32_t timeoutMs, Socket& s) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    if (getaddrinfo(url.host.c_str(), std::to_string(url.port).c_str(), &hints, &found) != 0 || !found) {
        return FetchResult::NoConnection;
    }
    FetchResult result = FetchResult::NoConnection;
    s.get() = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    if (s.get() != INVALID_SOCKET) {
        result = Connect(s.get(), found->ai_addr, static_cast<int>(found->ai_addrlen), timeoutMs);
    }
    freeaddrinfo(found);
    return result;
}

bool SendAll(SOCKET s, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

FetchResult HttpGet(const HttpUrl& url, uint32_t timeoutMs, const FetchHandlers& handlers) {
    WinsockSession session;
    if (!session.ok()) {
        return FetchResult::NoConnection;
    }
    Socket s;
    FetchResult opened = Open(url, timeoutMs, s);
    if (opened != FetchResult::Ok) {
        return opened;
    }
    if (!SendAll(s.get(), BuildGetRequest(url))) {
        return FetchResult::NoConnection;
    }
    std::string pending;
    std::optional<HttpResponseHead> head;
    uint64_t bodyBytes = 0;
    char buffer[16 * 1024];
    for (;;) {
        int n = recv(s.get(), buffer, sizeof buffer, 0);
        if (n < 0) {
            return WSAGetLastError() == WSAETIMEDOUT ? FetchResult::TimedOut : FetchResult::Cut;
        }
        if (n == 0) {
            break;
        }
        std::string_view piece(buffer, static_cast<size_t>(n));
        if (!head) {
            pending.append(piece);
            head = ParseResponseHead(pending);
            if (!head) {
                if (pending.size() > kLongestHead ||
                    (pending.size() >= 5 && pending.compare(0, 5, "HTTP/") != 0)) {
                    return FetchResult::BadAnswer;
                }
                continue;
            }
            if (head->status == 404) {
                return FetchResult::NotFound;
            }
            if (head->status != 200) {
                return FetchResult::BadAnswer;
            }
            if (handlers.onLength && !handlers.onLength(head->contentLength)) {
                return FetchResult::Refused;
            }
            piece = std::string_view(pending).substr(head->headLength);
        }
        if (head->contentLength && bodyBytes + piece.size() > *head->contentLength) {
            piece = piece.substr(0, static_cast<size_t>(*head->contentLength - bodyBytes));
        }
        bodyBytes += piece.size();
        if (!piece.empty() && handlers.onBody && !handlers.onBody(piece)) {
            return FetchResult::Refused;
        }
        if (head->contentLength && bodyBytes == *head->contentLength) {
            return FetchResult::Ok;
        }
    }
    if (!head) {
        return pending.empty() ? FetchResult::Cut : FetchResult::BadAnswer;
    }
    return head->contentLength ? FetchResult::Cut : FetchResult::Ok;
}

} // namespace orvl_update
