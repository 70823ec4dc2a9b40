#include "networks/StatisticsMeter.h"

#include <algorithm>
#include <string>

namespace networks {

namespace {

constexpr int kSegmentHeight = 2;
constexpr int kSegmentGap = 1;
constexpr int kBarMargin = 3;

} // namespace

ui::Picture LoadBarPicture(int width, int height, int position) {
    ui::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.background = kMeterBackground;
    int pitch = kSegmentHeight + kSegmentGap;
    int segments = (height - 2 * kBarMargin + kSegmentGap) / pitch;
    if (segments <= 0 || width <= 2 * kBarMargin) {
        return picture;
    }
    int lit = segments * std::clamp(position, 0, 100) / 100;
    // Two columns with a gap, as the system's own load meters draw them.
    int middle = width / 2;
    for (int i = 0; i < segments; ++i) {
        int bottom = height - kBarMargin - i * pitch;
        ui::Color color = i < lit ? kMeterLit : kMeterUnlit;
        picture.Fill({kBarMargin, bottom - kSegmentHeight, middle - 1, bottom}, color);
        picture.Fill({middle + 1, bottom - kSegmentHeight, width - kBarMargin, bottom}, color);
    }
    return picture;
}

ui::Picture PercentPicture(int width, int height, std::u16string_view text) {
    ui::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.background = kMeterBackground;
    // Arial at 14 pixels, semi-bold: the closest the picture's fonts come is a bold 10-point Arial.
    picture.Text({0, 0, width, height}, std::u16string(text), ui::Font{u"Arial", 10, true, false}, kMeterLit,
                 ui::Align::Center);
    return picture;
}

} // namespace networks
