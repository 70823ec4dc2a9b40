// Where the update notice stands while it slides in: its right edge on the screen's right edge, its
// bottom on the work area's bottom, `height` pixels of it showing.
#pragma once

#include "ui/Types.h"

namespace about {

ui::Rect SlideInPlace(const ui::Rect& screen, const ui::Rect& workArea, int width, int height);

} // namespace about
