#include "HttpMessage.h"

#include "base/Encoding.h"

#include <cstdlib>

namespace orvl_update {
namespace {

constexpr uint32_t kDefaultTimeoutMs = 30000;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
        if (a != prefix[i]) {
            return false;
        }
    }
    return true;
}

std::optional<uint64_t> Decimal(std::string_view text, size_t longest) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > longest) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value;
}

} // namespace

HttpUrl HttpUrl::Sibling(std::string_view fileName) const {
    HttpUrl sibling = *this;
    sibling.path = path.substr(0, path.find_last_of('/') + 1);
    sibling.path += fileName;
    return sibling;
}

std::optional<HttpUrl> ParseHttpUrl(std::u16string_view text) {
    std::string url = base::Utf16ToUtf8(text);
    while (!url.empty() && (url.back() == ' ' || url.back() == '\t')) {
        url.pop_back();
    }
    if (!StartsWithNoCase(url, "http://")) {
        return std::nullopt;
    }
    for (char c : url) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            return std::nullopt;
        }
    }
    std::string_view rest = std::string_view(url).substr(7);
    size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    HttpUrl out;
    out.path = slash == std::string_view::npos ? "/" : std::string(rest.substr(slash));
    size_t colon = authority.find(':');
    out.host = std::string(authority.substr(0, colon));
    if (colon != std::string_view::npos) {
        std::optional<uint64_t> port = Decimal(authority.substr(colon + 1), 5);
        if (!port || *port == 0 || *port > 65535) {
            return std::nullopt;
        }
        out.port = static_cast<uint16_t>(*port);
    }
    if (out.host.empty() || out.host.find('@') != std::string::npos) {
        return std::nullopt;
    }
    return out;
}

std::string BuildGetRequest(const HttpUrl& url) {
    return "GET " + url.path + " HTTP/1.0\r\nHost: " + url.host + ":" + std::to_string(url.port) +
           "\r\nUser-Agent: OrvlAdapterUpdate\r\nConnection: close\r\n\r\n";
}

std::optional<HttpResponseHead> ParseResponseHead(std::string_view received) {
    size_t end = received.find("\r\n\r\n");
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view head = received.substr(0, end + 2);
    if (!StartsWithNoCase(head, "http/1.")) {
        return std::nullopt;
    }
    HttpResponseHead out;
    out.headLength = end + 4;
    size_t lineEnd = head.find("\r\n");
    std::string_view statusLine = head.substr(0, lineEnd);
    size_t space = statusLine.find(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    std::optional<uint64_t> status = Decimal(statusLine.substr(space + 1, 3), 3);
    if (!status) {
        return std::nullopt;
    }
    out.status = static_cast<int>(*status);
    size_t at = lineEnd + 2;
    while (at < head.size()) {
        size_t next = head.find("\r\n", at);
        std::string_view line = head.substr(at, next - at);
        at = next + 2;
        if (StartsWithNoCase(line, "content-length:")) {
            out.contentLength = Decimal(line.substr(15), 18);
            if (!out.contentLength) {
                return std::nullopt;
            }
        }
    }
    return out;
}

uint32_t TimeoutFromSetting(const char* setting) {
    if (!setting) {
        return kDefaultTimeoutMs;
    }
    std::optional<uint64_t> value = Decimal(setting, 9);
    if (!value || *value == 0 || *value > kDefaultTimeoutMs) {
        return kDefaultTimeoutMs;
    }
    return static_cast<uint32_t>(*value);
}

uint32_t PercentOf(uint64_t received, uint64_t total) {
    if (total == 0) {
        return 0;
    }
    if (received >= total) {
        return 100;
    }
    // 100 means finished: a transfer one byte short of its end still shows 99.
    uint64_t percent = total > UINT64_MAX / 100 ? received / (total / 100) : received * 100 / total;
    return static_cast<uint32_t>(percent > 99 ? 99 : percent);
}

} // namespace orvl_update
