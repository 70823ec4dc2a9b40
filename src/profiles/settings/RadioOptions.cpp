#include "profiles/settings/RadioOptions.h"

#include "kernel/ConnectionBlock.h"
#include "kernel/WirelessProfile.h"
#include "profiles/ProfileCodec.h"

namespace profiles {
namespace {

constexpr uint32_t kModeBits[kModeBoxCount] = {kernel::kMode300AG, kernel::kMode300G, kernel::kMode300A,
                                               kernel::kMode54G, kernel::kMode54A};

constexpr int kFourLevels = 4;
constexpr int kFiveLevels = 5;

constexpr uint8_t kPreambleOrder[] = {kernel::kPreambleShort, kernel::kPreambleLong, kernel::kPreambleAuto};

void Lock(ModeBoxes& boxes, ModeBox box) {
    boxes.checked[box] = true;
    boxes.enabled[box] = false;
}

} // namespace

void ApplyModeRule(ModeBoxes& boxes, ModeBox changed) {
    switch (changed) {
    case kBox300AG:
        if (boxes.checked[kBox300AG]) {
            for (ModeBox box : {kBox300G, kBox300A, kBox54G, kBox54A}) {
                Lock(boxes, box);
            }
        } else {
            // The 54 Mbps boxes stay locked: the 300 Mbps boxes that include them are still checked.
            boxes.enabled[kBox300G] = true;
            boxes.enabled[kBox300A] = true;
        }
        break;
    case kBox300G:
        if (boxes.checked[kBox300G]) {
            Lock(boxes, kBox54G);
        } else {
            boxes.enabled[kBox54G] = true;
        }
        break;
    case kBox300A:
        if (boxes.checked[kBox300A]) {
            Lock(boxes, kBox54A);
        } else {
            boxes.enabled[kBox54A] = true;
        }
        break;
    default:
        break;
    }
}

void ApplyModeRules(ModeBoxes& boxes) {
    for (ModeBox box : {kBox300AG, kBox300G, kBox300A}) {
        ApplyModeRule(boxes, box);
    }
}

ModeBoxes ModeBoxesFromBits(uint32_t modeBits) {
    ModeBoxes boxes;
    for (int box = 0; box < kModeBoxCount; ++box) {
        boxes.checked[box] = (modeBits & kModeBits[box]) != 0;
    }
    ApplyModeRules(boxes);
    return boxes;
}

uint32_t ModeBitsFromBoxes(const std::array<bool, kModeBoxCount>& checked) {
    using namespace kernel;
    if (checked[kBox300AG]) {
        return kMode300AG;
    }
    if (checked[kBox300G]) {
        if (checked[kBox300A]) {
            return kMode300G | kMode300A;
        }
        return checked[kBox54A] ? (kMode300G | kMode54A) : kMode300G;
    }
    if (checked[kBox300A]) {
        return checked[kBox54G] ? (kMode300A | kMode54G) : kMode300A;
    }
    return (checked[kBox54G] ? kMode54G : 0u) | (checked[kBox54A] ? kMode54A : 0u);
}

int PowerLevelCount(bool fiveLevels) {
    return fiveLevels ? kFiveLevels : kFourLevels;
}

// The list's order is the store's level order, so the store's table is the one table of the scale.
std::optional<int> PowerIndexOfCode(uint16_t powerCode, bool fiveLevels) {
    std::optional<uint32_t> level = EncodeTransmitPower(powerCode, fiveLevels);
    if (!level) {
        return std::nullopt;
    }
    return static_cast<int>(*level);
}

std::optional<uint16_t> PowerCodeAt(int index, bool fiveLevels) {
    if (index < 0 || index >= PowerLevelCount(fiveLevels)) {
        return std::nullopt;
    }
    return DecodeTransmitPower(static_cast<uint32_t>(index), fiveLevels);
}

std::vector<uint8_t> OfferedPreambles(uint8_t adapterPreambles) {
    std::vector<uint8_t> offered;
    for (uint8_t value : kPreambleOrder) {
        if (adapterPreambles & value) {
            offered.push_back(value);
        }
    }
    return offered;
}

int PreambleIndexFor(const std::vector<uint8_t>& offered, uint8_t preamble) {
    for (size_t i = 0; i < offered.size(); ++i) {
        if ((preamble & offered[i]) == offered[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int AutoPreambleIndex(const std::vector<uint8_t>& offered) {
    for (size_t i = 0; i < offered.size(); ++i) {
        if (offered[i] & kernel::kPreambleAuto) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ThresholdRangeKnown(int minimum, int maximum) {
    return maximum > 0 && minimum <= maximum;
}

} // namespace profiles
