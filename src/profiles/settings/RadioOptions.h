// The rules of the advanced dialog over plain values: which wireless-mode boxes are checked and usable,
// the mode bits they give, the power levels of the adapter's scale and the preambles it offers. The
// dialog only moves these values between the rules and its controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace profiles {

// The five wireless-mode check boxes in the order of their bits (0x01 .. 0x10).
enum ModeBox { kBox300AG, kBox300G, kBox300A, kBox54G, kBox54A, kModeBoxCount };

struct ModeBoxes {
    std::array<bool, kModeBoxCount> checked{};
    std::array<bool, kModeBoxCount> enabled{true, true, true, true, true};
    bool operator==(const ModeBoxes&) const = default;
};

// The rule of one box just changed: a wider mode checks and locks the modes it includes, and unlocks
// them when it is cleared. Only the three 300 Mbps boxes have a rule; the others change nothing.
void ApplyModeRule(ModeBoxes& boxes, ModeBox changed);
// The three rules in order, widest first: the state shown when the dialog opens.
void ApplyModeRules(ModeBoxes& boxes);
// A profile's mode bits as boxes, with the rules applied.
ModeBoxes ModeBoxesFromBits(uint32_t modeBits);
// The mode bits the checked boxes stand for (0 when none is checked). A wider box takes precedence over
// the boxes it locked, so that what is stored names the widest choice.
uint32_t ModeBitsFromBoxes(const std::array<bool, kModeBoxCount>& checked);

// The transmit-power list: entry index <-> the adapter's power code, on a four- or five-level scale. The
// index is also the level number the store keeps.
int PowerLevelCount(bool fiveLevels);
std::optional<int> PowerIndexOfCode(uint16_t powerCode, bool fiveLevels); // none for a code off the scale
std::optional<uint16_t> PowerCodeAt(int index, bool fiveLevels);          // none for an index off the list

// The preamble list: the values the adapter offers, in the order short, long, automatic.
std::vector<uint8_t> OfferedPreambles(uint8_t adapterPreambles);
// The entry a profile's preamble selects: the first whose value it fully contains; -1 when none does.
int PreambleIndexFor(const std::vector<uint8_t>& offered, uint8_t preamble);
// The entry Use Default selects: the automatic one; -1 when the adapter does not offer it.
int AutoPreambleIndex(const std::vector<uint8_t>& offered);

// A threshold slider's range as the adapter reports it. Without a maximum (no service library, or an
// adapter that reported none) there is nothing to choose from, and the profile's value is kept.
bool ThresholdRangeKnown(int minimum, int maximum);

} // namespace profiles
