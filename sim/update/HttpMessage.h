// The small part of HTTP/1.0 the update library speaks: the feed address and the head of an answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvl_update {

struct HttpUrl {
    std::string host;
    uint16_t port = 80;
    std::string path; // starts with '/'

    // The address of a file beside this one: the path up to its last '/' followed by the name.
    HttpUrl Sibling(std::string_view fileName) const;
};

// "http://host[:port][/path]"; null for another scheme, an empty host, a bad port, or characters that
// do not belong in a request line (spaces, control characters).
std::optional<HttpUrl> ParseHttpUrl(std::u16string_view text);

// The request line and headers of a GET for the URL.
std::string BuildGetRequest(const HttpUrl& url);

struct HttpResponseHead {
    int status = 0;
    std::optional<uint64_t> contentLength;
    size_t headLength = 0; // bytes up to and including the blank line
};

// Null while the blank line that ends the head has not arrived, or when the status line is not HTTP.
std::optional<HttpResponseHead> ParseResponseHead(std::string_view received);

// Connect and receive time-outs: 30 seconds, or a shorter number of milliseconds from the environment
// (tests); a longer, zero or malformed value keeps 30 seconds.
uint32_t TimeoutFromSetting(const char* setting);

// Percent of a transfer, 0..100, without overflow; an unknown total counts as 0 %.
uint32_t PercentOf(uint64_t received, uint64_t total);

} // namespace orvl_update
