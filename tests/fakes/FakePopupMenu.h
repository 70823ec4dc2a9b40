// A pop-up menu whose user is a script: each Track takes the next scripted choice (none left: the
// menu is dismissed). A choice that the shown menu does not offer fails the test, since no user
// could have made it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/PopupMenu.h"

namespace fakes {

class FakePopupMenu final : public platform::PopupMenu {
public:
    bool Append(const platform::MenuItem& item) override {
        if (!item.separator && !platform::IsMenuCommandId(item.id)) {
            return false;
        }
        items.push_back(item);
        return true;
    }
    bool CheckItem(uint32_t id, bool checked) override {
        auto found = Find(id);
        if (found == items.end()) {
            return false;
        }
        found->checked = checked;
        return true;
    }
    bool RemoveItem(uint32_t id) override {
        auto found = Find(id);
        if (found == items.end()) {
            return false;
        }
        items.erase(found);
        return true;
    }
    uint32_t Track() override {
        shownMenus.push_back(items);
        if (choices.empty()) {
            return 0;
        }
        uint32_t choice = choices.front();
        choices.pop_front();
        if (choice == 0) {
            return 0;
        }
        auto found = Find(choice);
        if (found == items.end() || !found->enabled) {
            ADD_FAILURE() << "the script chooses " << choice << ", which the menu does not offer";
            return 0;
        }
        return choice;
    }

    // The item with this id, or null.
    const platform::MenuItem* Item(uint32_t id) const {
        auto found = std::find_if(items.begin(), items.end(), [id](const platform::MenuItem& item) {
            return !item.separator && item.id == id;
        });
        return found == items.end() ? nullptr : &*found;
    }

    std::vector<platform::MenuItem> items;
    std::deque<uint32_t> choices;                            // 0: the user dismisses the menu
    std::vector<std::vector<platform::MenuItem>> shownMenus; // the items as they were at each Track

private:
    std::vector<platform::MenuItem>::iterator Find(uint32_t id) {
        return std::find_if(items.begin(), items.end(), [id](const platform::MenuItem& item) {
            return !item.separator && item.id == id;
        });
    }
};

} // namespace fakes
