// Following a link of CMarkupStatic: an "APP:" command sent to a window of the owner, or any other
// target opened by the shell, with the browser registered for ".htm" as the fallback.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/WindowManager.h"

struct MarkupAppCommand {
    platform::WindowHandle window = 0;
    uint32_t message = 0;
    uintptr_t wParam = 0;
    std::u16string name; // as written after "APP:"
};

// The command name of an "APP:" target (surrounding quotes stripped); nullopt-like empty when the
// target is no application command.
bool IsAppCommandTarget(std::u16string_view target, std::u16string& name);

// The command line of the program registered for ".htm", cut before its "%1" placeholder; empty
// when none is registered.
std::u16string HtmOpenCommand(platform::Registry& registry);

// True when the link was followed.
bool FollowMarkupLink(std::u16string_view target, const std::vector<MarkupAppCommand>& commands,
                      platform::Shell& shell, platform::Registry& registry, platform::WindowManager& windows);
