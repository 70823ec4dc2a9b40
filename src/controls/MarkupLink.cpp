#include "controls/MarkupLink.h"

#include "base/Text.h"

namespace {

constexpr intptr_t kShellSuccessAbove = 32;

std::u16string_view StripQuotes(std::u16string_view text) {
    text = base::Trim(text);
    if (!text.empty() && text.front() == u'"') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.back() == u'"') {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool IsAppCommandTarget(std::u16string_view target, std::u16string& name) {
    std::u16string_view text = StripQuotes(target);
    if (text.size() < 4 || !base::EqualsAsciiNoCase(text.substr(0, 4), u"APP:")) {
        return false;
    }
    name = std::u16string(StripQuotes(text.substr(4)));
    return true;
}

std::u16string HtmOpenCommand(platform::Registry& registry) {
    std::u16string className;
    if (registry.ReadString(platform::kHkeyClassesRoot, u".htm", u"", className) != platform::kErrorSuccess ||
        className.empty()) {
        return {};
    }
    std::u16string command;
    if (registry.ReadString(platform::kHkeyClassesRoot, className + u"\\shell\\open\\command", u"", command,
                            1024) != platform::kErrorSuccess) {
        return {};
    }
    size_t cut = command.find(u"\"%1\"");
    if (cut == std::u16string::npos) {
        cut = command.find(u"%1");
    }
    if (cut != std::u16string::npos) {
        command.resize(cut);
    }
    return std::u16string(base::TrimRight(command));
}

bool FollowMarkupLink(std::u16string_view target, const std::vector<MarkupAppCommand>& commands,
                      platform::Shell& shell, platform::Registry& registry,
                      platform::WindowManager& windows) {
    std::u16string name;
    if (IsAppCommandTarget(target, name)) {
        for (const MarkupAppCommand& command : commands) {
            if (base::EqualsAsciiNoCase(command.name, name)) {
                if (!windows.Exists(command.window)) {
                    return false;
                }
                windows.Send(command.window, command.message, command.wParam, 0);
                return true;
            }
        }
        return false;
    }
    if (shell.Open(u"open", target) > kShellSuccessAbove) {
        return true;
    }
    std::u16string browser = HtmOpenCommand(registry);
    if (browser.empty()) {
        return false;
    }
    return shell.Run(browser + u" " + std::u16string(target)) > kShellSuccessAbove;
}
