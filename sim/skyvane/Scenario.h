// Scenario files: an INI text with [World], [Adapter] and one section per network (any other name).
// Every value that cannot be used is reported and the built-in world's value stands in for it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skyvane/World.h"

namespace skyvane {

struct ScenarioResult {
    World world;
    std::vector<std::u16string> problems; // one readable line each, naming the section and key
};

// Decodes (byte-order marks for UTF-16 and UTF-8, else UTF-8 when valid, else Windows-1252) and loads.
ScenarioResult LoadScenario(std::span<const uint8_t> bytes);
ScenarioResult LoadScenarioText(std::u16string_view text);

// Value parsers shared with the control commands; false leaves `out` untouched.
bool ParseMac(std::u16string_view text, std::array<uint8_t, 6>& out);
bool ParseIpv4(std::u16string_view text, std::array<uint8_t, 4>& out);
bool ParseUnsigned(std::u16string_view text, uint32_t maxValue, uint32_t& out);
bool ParseSwitch(std::u16string_view text, bool& out);
bool ParseSecurity(std::u16string_view text, uint32_t& out);
std::u16string SecurityName(uint32_t security);

} // namespace skyvane
