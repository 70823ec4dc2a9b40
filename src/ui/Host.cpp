#include "ui/Host.h"

namespace ui::detail {

bool KindFits(ControlKind wanted, ControlKind actual) {
    // A combo box's list answers the list-box calls.
    return wanted == ControlKind::Any || wanted == actual ||
           (wanted == ControlKind::List && actual == ControlKind::Combo);
}

} // namespace ui::detail
