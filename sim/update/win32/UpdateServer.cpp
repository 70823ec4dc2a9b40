// UpdateServer.exe: the update server the live update is tested and shown against. It serves, on
// 127.0.0.1 only and on a port the system chooses, the feed at /feed.ini and the installer beside it,
// and plays one of these modes:
//
//   none       the feed offers version 0.0.1, older than any installed version
//   newer      the feed offers version 999.0.0 and the installer is sent whole
//   truncated  the installer's answer announces the whole size and the connection closes halfway
//   corrupt    one byte in the middle of the installer is changed
//   slow       the installer arrives in 40 pieces over about 20 seconds
//   junk       the feed is not a feed
//   badname    the feed names the installer with a path ("..\" in front)
//   longtext   as newer, with offer and install texts of 2000 characters (buffer limits)
//
// Usage: UpdateServer.exe <mode> <port file> <installer file> [stop event name]
// The port is written to the port file once the server listens (the file appears whole). The server
// ends when the named event is set, or when it is ended.
#include "base/Md5.h"

#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr const char* kInstallerName = "KTVA7700v2_Setup.exe";
constexpr int kSlowPieces = 40;
constexpr DWORD kSlowPauseMs = 500;

enum class Mode { None, Newer, Truncated, Corrupt, Slow, Junk, BadName, LongText };

struct Served {
    Mode mode = Mode::Newer;
    std::string feed;
    std::string installer; // as sent, after the mode's damage
    size_t sentBeforeClosing = 0;
};

bool ParseMode(const std::wstring& text, Mode& mode) {
    const std::pair<const wchar_t*, Mode> names[] = {
        {L"none", Mode::None},       {L"newer", Mode::Newer},      {L"truncated", Mode::Truncated},
        {L"corrupt", Mode::Corrupt}, {L"slow", Mode::Slow},        {L"junk", Mode::Junk},
        {L"badname", Mode::BadName}, {L"longtext", Mode::LongText}};
    for (const auto& [name, value] : names) {
        if (text == name) {
            mode = value;
            return true;
        }
    }
    return false;
}

std::string Md5Of(const std::string& bytes) {
    return base::Md5::HexOf(
        base::Md5::Of(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())));
}

std::string BuildFeed(Mode mode, const std::string& installer) {
    if (mode == Mode::Junk) {
        std::string junk = "\x89PNG\r\n\x1a\n";
        for (int i = 0; i < 300; ++i) {
            junk += static_cast<char>((i * 73 + 41) & 0xFF);
        }
        return junk;
    }
    std::string version = mode == Mode::None ? "0.0.1" : "999.0.0";
    std::string name = mode == Mode::BadName ? std::string("..\\") + kInstallerName : kInstallerName;
    if (mode == Mode::LongText) {
        std::string longText(2000, 'L');
        return "[Update]\r\nVersion=" + version + "\r\nFile=" + name +
               "\r\nSize=" + std::to_string(installer.size()) + "\r\nMD5=" + Md5Of(installer) +
               "\r\n[Offer]\r\nenu=" + longText + "\r\n[Ready]\r\nenu=" + longText + "\r\n";
    }
    std::string md5 = Md5Of(installer);
    return "[Update]\r\nVersion=" + version + "\r\nFile=" + name +
           "\r\nSize=" + std::to_string(installer.size()) + "\r\nMD5=" + md5 + "\r\n[Offer]\r\nenu=Version " +
           version +
           " of the utility is available.\\nIt brings the newest driver settings.\r\n"
           "deu=Version " +
           version +
           " des Programms ist verf\xC3\xBC"
           "gbar.\r\n"
           "[Ready]\r\nenu=Version " +
           version +
           " has been downloaded.\r\n"
           "deu=Version " +
           version + " wurde heruntergeladen.\r\n";
}

bool SendAll(SOCKET s, const char* data, size_t size) {
    while (size > 0) {
        int n = send(s, data, static_cast<int>(size), 0);
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string Head(const char* status, size_t length) {
    return std::string("HTTP/1.0 ") + status +
           "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(length) +
           "\r\nConnection: close\r\n\r\n";
}

std::string RequestedPath(SOCKET s) {
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16 * 1024) {
        int n = recv(s, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return {};
        }
        request.append(buffer, static_cast<size_t>(n));
    }
    if (request.compare(0, 4, "GET ") != 0) {
        return {};
    }
    size_t end = request.find(' ', 4);
    return end == std::string::npos ? std::string() : request.substr(4, end - 4);
}

void Serve(SOCKET s, const Served* served) {
    DWORD timeout = 10000;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    std::string path = RequestedPath(s);
    const std::string& installer = served->installer;
    if (path == "/feed.ini") {
        std::string answer = Head("200 OK", served->feed.size()) + served->feed;
        SendAll(s, answer.data(), answer.size());
    } else if (path == std::string("/") + kInstallerName) {
        std::string head = Head("200 OK", installer.size());
        if (SendAll(s, head.data(), head.size())) {
            if (served->mode == Mode::Slow) {
                size_t piece = installer.size() / kSlowPieces + 1;
                for (size_t at = 0; at < installer.size(); at += piece) {
                    Sleep(kSlowPauseMs);
                    if (!SendAll(s, installer.data() + at, std::min(piece, installer.size() - at))) {
                        break;
                    }
                }
            } else {
                SendAll(s, installer.data(), served->sentBeforeClosing);
            }
        }
    } else {
        std::string answer = Head("404 Not Found", 0);
        SendAll(s, answer.data(), answer.size());
    }
    shutdown(s, SD_SEND);
    closesocket(s);
}

bool ReadWholeFile(const wchar_t* path, std::string& bytes) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 256 * 1024 * 1024;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() ||
             (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
              read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

bool WritePortFile(const std::wstring& path, unsigned port) {
    std::wstring partial = path + L".partial";
    {
        std::ofstream out(partial.c_str(), std::ios::binary | std::ios::trunc);
        out << port;
        if (!out) {
            return false;
        }
    }
    return MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    Served served;
    if (argc < 4 || !ParseMode(argv[1], served.mode)) {
        std::fputs("usage: UpdateServer none|newer|truncated|corrupt|slow|junk|badname|longtext <port file> "
                   "<installer> "
                   "[stop event]\n",
                   stderr);
        return 2;
    }
    std::string installer;
    if (!ReadWholeFile(argv[3], installer)) {
        std::fputs("UpdateServer: the installer file cannot be read\n", stderr);
        return 3;
    }
    served.feed = BuildFeed(served.mode, installer);
    served.installer = installer;
    served.sentBeforeClosing = served.mode == Mode::Truncated ? installer.size() / 2 : installer.size();
    if (served.mode == Mode::Corrupt && !installer.empty()) {
        served.installer[installer.size() / 2] =
            static_cast<char>(served.installer[installer.size() / 2] ^ 0x5A);
    }

    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        return 4;
    }
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (listener == INVALID_SOCKET ||
        bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, SOMAXCONN) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        !WritePortFile(argv[2], ntohs(address.sin_port))) {
        std::fputs("UpdateServer: cannot listen on 127.0.0.1\n", stderr);
        return 5;
    }
    std::printf("UpdateServer: http://127.0.0.1:%u/feed.ini\n",
                static_cast<unsigned>(ntohs(address.sin_port)));
    std::fflush(stdout);

    if (argc >= 5) {
        HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, argv[4]);
        std::thread([stop] {
            WaitForSingleObject(stop, INFINITE);
            ExitProcess(0);
        }).detach();
    }
    for (;;) {
        SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            Sleep(10);
            continue;
        }
        // Connections are answered side by side: a slow download must not hold up a feed request.
        std::thread(Serve, client, &served).detach();
    }
}
