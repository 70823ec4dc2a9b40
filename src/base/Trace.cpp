#include "base/Trace.h"

#include <mutex>

namespace base {
namespace {

std::mutex g_traceMutex;
TraceSink g_traceSink;

} // namespace

TraceSink SetTraceSink(TraceSink sink) {
    std::lock_guard lock(g_traceMutex);
    std::swap(g_traceSink, sink);
    return sink;
}

void Trace(std::u16string_view line) {
    std::lock_guard lock(g_traceMutex);
    if (g_traceSink) {
        g_traceSink(line);
    }
}

} // namespace base
