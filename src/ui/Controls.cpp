#include "ui/Controls.h"

namespace ui {

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Any:
        return "control";
    case ControlKind::Static:
        return "static";
    case ControlKind::Button:
        return "button";
    case ControlKind::Edit:
        return "edit";
    case ControlKind::List:
        return "list box";
    case ControlKind::Combo:
        return "combo box";
    case ControlKind::Report:
        return "list view";
    case ControlKind::Tab:
        return "tab control";
    case ControlKind::Slider:
        return "slider";
    case ControlKind::Progress:
        return "progress bar";
    case ControlKind::RichText:
        return "rich edit";
    case ControlKind::Canvas:
        return "canvas";
    }
    return "control";
}

int ListControl::Find(std::u16string_view text) {
    int count = Count();
    for (int i = 0; i < count; ++i) {
        if (ItemText(i) == text) {
            return i;
        }
    }
    return -1;
}

const Picture& CanvasControl::CurrentPicture() {
    static const Picture none;
    return none;
}

} // namespace ui
