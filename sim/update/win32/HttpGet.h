// A plain-socket HTTP/1.0 GET: the update server is a local program, and a bare socket with its own
// connect and receive time-outs behaves the same under every Windows and under Wine.
#pragma once

#include "HttpMessage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace orvl_update {

enum class FetchResult { Ok, NoConnection, TimedOut, BadAnswer, NotFound, Cut, Refused };

struct FetchHandlers {
    // Called once with the announced length (null when the server names none); false stops the fetch
    // with Refused.
    std::function<bool(std::optional<uint64_t>)> onLength;
    // Called for every piece of the body as it arrives; false stops the fetch with Refused.
    std::function<bool(std::string_view)> onBody;
};

// The answer must be status 200; the body must be as long as announced (else Cut). A connect or a
// receive that takes longer than timeoutMs ends the fetch with TimedOut.
FetchResult HttpGet(const HttpUrl& url, uint32_t timeoutMs, const FetchHandlers& handlers);

} // namespace orvl_update
