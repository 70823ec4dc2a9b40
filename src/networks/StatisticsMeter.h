// The load meter beside the graph: a bar of lit and unlit segments that fills from the bottom, and
// the percentage under it, green on black as the graph is. Both are drawn pictures, so that the
// once-a-second change is copied to the screen in one piece.
#pragma once

#include <string_view>

#include "ui/Picture.h"

namespace networks {

constexpr ui::Color kMeterBackground = 0x000000;
constexpr ui::Color kMeterLit = 0x00FF00;
constexpr ui::Color kMeterUnlit = 0x004000;

// `position` as the bar is given it; the bar shows 0..100 of it.
ui::Picture LoadBarPicture(int width, int height, int position);
ui::Picture PercentPicture(int width, int height, std::u16string_view text);

} // namespace networks
