#include "ui/Host.h"

namespace ui {

int Host::ListFind(ControlId id, std::u16string_view text) {
    int count = ListCount(id);
    for (int i = 0; i < count; ++i) {
        if (ListItemText(id, i) == text) {
            return i;
        }
    }
    return -1;
}

} // namespace ui
