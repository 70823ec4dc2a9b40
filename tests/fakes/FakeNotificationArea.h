// The notification area as Windows keeps it: one icon per id, texts cut to the platform's fields, an
// add of an icon already there or a change to one that is not refused. Every call is recorded with
// its answer; `refuse` makes the shell refuse everything, as when no taskbar runs.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/NotificationArea.h"

namespace fakes {

class FakeNotificationArea final : public platform::NotificationArea {
public:
    struct Balloon {
        std::u16string title;
        std::u16string text;
        platform::BalloonIcon icon = platform::BalloonIcon::None;
        uint32_t timeoutMs = 0;
    };
    struct Call {
        enum class Kind { Add, Modify, Delete, Balloon };
        Kind kind;
        platform::TrayIcon icon; // as asked, before any cut; only the id for Delete and Balloon
        Balloon balloon;         // Kind::Balloon, as asked
        bool result;
    };

    bool Add(const platform::TrayIcon& icon) override {
        bool ok = !refuse && icon.iconResource != 0 && shown.count(icon.id) == 0;
        if (ok) {
            platform::TrayIcon& entry = shown[icon.id];
            entry.id = icon.id;
            Apply(entry, icon);
        }
        return Record({Call::Kind::Add, icon, {}, ok});
    }
    bool Modify(const platform::TrayIcon& icon) override {
        auto found = shown.find(icon.id);
        bool ok = !refuse && found != shown.end();
        if (ok) {
            Apply(found->second, icon);
        }
        return Record({Call::Kind::Modify, icon, {}, ok});
    }
    bool Delete(uint32_t id) override {
        bool ok = !refuse && shown.erase(id) != 0;
        balloons.erase(id);
        return Record({Call::Kind::Delete, {id, 0, {}, 0}, {}, ok});
    }
    bool ShowBalloon(uint32_t id, std::u16string_view title, std::u16string_view text,
                     platform::BalloonIcon icon, uint32_t timeoutMs) override {
        bool ok = !refuse && shown.count(id) != 0;
        if (ok) {
            balloons[id] = {std::u16string(platform::CutForField(title, platform::kBalloonTitleCapacity)),
                            std::u16string(platform::CutForField(text, platform::kBalloonTextCapacity)), icon,
                            timeoutMs};
        }
        return Record({Call::Kind::Balloon,
                       {id, 0, {}, 0},
                       {std::u16string(title), std::u16string(text), icon, timeoutMs},
                       ok});
    }

    bool refuse = false;
    std::map<uint32_t, platform::TrayIcon> shown; // what the taskbar shows, tooltips as cut
    std::map<uint32_t, Balloon> balloons;         // the last balloon of each shown icon, texts as cut
    std::vector<Call> calls;

private:
    // Zero and empty fields leave what is shown, as the platform's flags do.
    static void Apply(platform::TrayIcon& entry, const platform::TrayIcon& icon) {
        if (icon.iconResource != 0) {
            entry.iconResource = icon.iconResource;
        }
        if (!icon.tooltip.empty()) {
            entry.tooltip = std::u16string(platform::CutForField(icon.tooltip, platform::kTrayTipCapacity));
        }
        if (icon.callbackMessage != 0) {
            entry.callbackMessage = icon.callbackMessage;
        }
    }
    bool Record(Call call) {
        calls.push_back(std::move(call));
        return calls.back().result;
    }
};

} // namespace fakes
