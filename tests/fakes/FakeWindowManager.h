// Top-level windows by caption, with every post, send and z-order call recorded. Thread-safe, because
// the start-up watchers post from their own threads.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/WindowManager.h"

namespace fakes {

class FakeWindowManager final : public platform::WindowManager {
public:
    struct Message {
        platform::WindowHandle window;
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
    };

    platform::WindowHandle AddWindow(std::u16string caption) {
        std::lock_guard lock(m_mutex);
        platform::WindowHandle handle = m_next++;
        m_captions[handle] = std::move(caption);
        return handle;
    }
    void RemoveWindow(platform::WindowHandle window) {
        std::lock_guard lock(m_mutex);
        m_captions.erase(window);
    }
    void SetPopup(platform::WindowHandle owner, platform::WindowHandle popup) {
        std::lock_guard lock(m_mutex);
        m_popups[owner] = popup;
    }

    platform::WindowHandle FindTopWindow(std::u16string_view caption) override {
        std::lock_guard lock(m_mutex);
        ++findCalls;
        for (const auto& [handle, text] : m_captions) {
            if (text == caption) {
                return handle;
            }
        }
        return 0;
    }
    bool Exists(platform::WindowHandle window) override {
        std::lock_guard lock(m_mutex);
        return m_captions.count(window) != 0;
    }
    bool Post(platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        std::lock_guard lock(m_mutex);
        m_posted.push_back({window, message, wParam, lParam});
        return m_captions.count(window) != 0;
    }
    intptr_t Send(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                  intptr_t lParam) override {
        std::lock_guard lock(m_mutex);
        m_sent.push_back({window, message, wParam, lParam});
        return 0;
    }
    void ShowNormal(platform::WindowHandle window) override { Record(u"show", window); }
    void ShowTopMost(platform::WindowHandle window) override { Record(u"topmost", window); }
    void CentreAndBringToFront(platform::WindowHandle window) override { Record(u"front", window); }
    void UseWhiteBackground(platform::WindowHandle window) override { Record(u"white", window); }
    platform::WindowHandle LastActivePopup(platform::WindowHandle window) override {
        std::lock_guard lock(m_mutex);
        auto it = m_popups.find(window);
        return it == m_popups.end() ? window : it->second;
    }

    std::vector<Message> Posted() {
        std::lock_guard lock(m_mutex);
        return m_posted;
    }
    std::vector<Message> Sent() {
        std::lock_guard lock(m_mutex);
        return m_sent;
    }
    std::vector<std::pair<std::u16string, platform::WindowHandle>> Calls() {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    std::atomic<int> findCalls{0};

private:
    void Record(std::u16string what, platform::WindowHandle window) {
        std::lock_guard lock(m_mutex);
        m_calls.emplace_back(std::move(what), window);
    }

    std::mutex m_mutex;
    platform::WindowHandle m_next = 0x100;
    std::map<platform::WindowHandle, std::u16string> m_captions;
    std::map<platform::WindowHandle, platform::WindowHandle> m_popups;
    std::vector<Message> m_posted;
    std::vector<Message> m_sent;
    std::vector<std::pair<std::u16string, platform::WindowHandle>> m_calls;
};

} // namespace fakes
