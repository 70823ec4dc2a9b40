// Diagnostics to the debugger output only. The Windows entry points route the sink to
// OutputDebugStringW; tests may capture it.
#pragma once

#include <functional>
#include <string_view>

namespace base {

using TraceSink = std::function<void(std::u16string_view line)>;

// Replaces the sink and returns the previous one. Not for use while other threads trace.
TraceSink SetTraceSink(TraceSink sink);

void Trace(std::u16string_view line);

} // namespace base
