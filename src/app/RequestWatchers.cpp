#include "app/RequestWatchers.h"

#include <algorithm>

#include "app/AppMessages.h"
#include "base/Trace.h"

RequestWatcher::RequestWatcher(platform::NamedObjects& objects, platform::SyncObject& request,
                               MainWindowSource mainWindow)
    : m_objects(objects), m_request(request), m_mainWindow(std::move(mainWindow)),
      m_wake(objects.CreateLocalEvent(false, false)) {}

RequestWatcher::~RequestWatcher() {
    // The derived destructors stop first, since the thread calls their Step; this is the last guard.
    Stop();
}

void RequestWatcher::Start() {
    if (m_thread.joinable() || m_stop) {
        return;
    }
    if (!m_wake) {
        // Without its wake event the thread could never be stopped; better no watcher than a hang.
        base::Trace(u"VX_GUI: request watcher not started (no wake event)");
        return;
    }
    m_thread = std::thread([this] {
        while (Step(platform::kInfinite)) {
        }
    });
}

void RequestWatcher::Stop() {
    m_stop = true;
    if (m_wake) {
        m_wake->Set();
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void RequestWatcher::Wake() {
    if (m_wake) {
        m_wake->Set();
    }
}

platform::EitherResult RequestWatcher::WaitForRequestOrWake(uint32_t milliseconds) {
    if (!m_wake) {
        return platform::EitherResult::Failed;
    }
    return m_objects.WaitForEither(m_request, *m_wake, milliseconds);
}

void RequestWatcher::WaitForWake(uint32_t milliseconds) {
    if (m_wake) {
        m_wake->Wait(milliseconds);
    }
}

CloseWatcher::CloseWatcher(platform::NamedObjects& objects, platform::SyncObject& closeEvent,
                           MainWindowSource mainWindow)
    : RequestWatcher(objects, closeEvent, std::move(mainWindow)) {}

CloseWatcher::~CloseWatcher() {
    Stop();
}

bool CloseWatcher::Step(uint32_t milliseconds) {
    if (Stopping()) {
        return false;
    }
    switch (WaitForRequestOrWake(milliseconds)) {
    case platform::EitherResult::First:
        break;
    case platform::EitherResult::Second:
    case platform::EitherResult::TimedOut:
        return !Stopping();
    case platform::EitherResult::Failed:
        return false;
    }
    if (Stopping()) {
        return false;
    }
    if (MainWindow().Post(kMsgExitProgram)) {
        return false;
    }
    // Set before the main window exists: the request is kept until a window registers.
    WaitForWake(milliseconds);
    return !Stopping();
}

ShowWatcher::ShowWatcher(platform::NamedObjects& objects, platform::SyncObject& showEvent,
                         MainWindowSource mainWindow, platform::Clock& clock)
    : RequestWatcher(objects, showEvent, std::move(mainWindow)), m_clock(clock) {}

ShowWatcher::~ShowWatcher() {
    Stop();
}

bool ShowWatcher::Step(uint32_t milliseconds) {
    if (Stopping()) {
        return false;
    }
    if (m_settling) {
        uint32_t elapsed = m_clock.TickCount() - m_shownAt;
        if (elapsed < kSettleMs) {
            WaitForWake(std::min(milliseconds, kSettleMs - elapsed));
            return !Stopping();
        }
        m_settling = false;
        Request().Reset();
        return true;
    }
    switch (WaitForRequestOrWake(milliseconds)) {
    case platform::EitherResult::First:
        break;
    case platform::EitherResult::Second:
    case platform::EitherResult::TimedOut:
        return !Stopping();
    case platform::EitherResult::Failed:
        return false;
    }
    if (Stopping()) {
        return false;
    }
    if (!MainWindow().Post(kMsgShowMainWindow)) {
        WaitForWake(milliseconds);
        return !Stopping();
    }
    base::Trace(u"ShowWindow - 1");
    m_settling = true;
    m_shownAt = m_clock.TickCount();
    return true;
}
