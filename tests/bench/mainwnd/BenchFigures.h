// The arithmetic and the inputs of the main-window benchmark, kept apart from the Windows side so they
// can be checked natively: the options, the application values an installation writes, medians, CPU
// shares and the aims the figures are held against.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bench {

struct Options {
    int runs = 7;
    int idleSeconds = 60;
    // After both programs are ready and before the idle window opens: the utility's first survey and
    // connection (and the profile fallback's 15 s grace) belong to its start, not to its idleness.
    int settleSeconds = 20;
    std::u16string scenario; // empty: the library's built-in world
    bool ok = true;
    std::u16string error;
};

Options ParseOptions(const std::vector<std::u16string>& arguments);

// Name=Value lines; ';' starts a comment only at the beginning of a line, because values such as
// VIDPID carry ';' themselves.
std::vector<std::pair<std::string, std::string>> ParseInstallerValues(const std::string& text);

// Of a sample that may be empty (then 0); an even count gives the mean of the middle two.
double Median(std::vector<double> values);

// Processor time over wall time, both in 100 ns units, as a percentage of one core.
double CpuPercentOfOneCore(uint64_t cpuTime, uint64_t wallTime);

// What the utility may cost over the empty dialog program.
inline constexpr double kStartRatioAim = 1.3;
inline constexpr double kIdleCpuAimPercent = 0.2;
inline constexpr double kMemoryFactorAim = 1.5;
inline constexpr uint64_t kMemoryAllowanceBytes = 8ull * 1024 * 1024;

uint64_t MemoryAimBytes(uint64_t emptyProgramBytes);

// From Linux's /proc/<pid>/task/<tid>/stat: user + system time in clock ticks, or nothing when the
// line does not have them. The name in parentheses may hold blanks and parentheses itself.
std::optional<uint64_t> StatCpuTicks(const std::string& stat);
// From .../schedstat: the time the thread has run, in nanoseconds (the first number). Unlike the ticks
// it counts the short runs of a thread that wakes, looks and sleeps again.
std::optional<uint64_t> SchedRunNanoseconds(const std::string& schedstat);
// From .../status: the number after "<key>:", or nothing.
std::optional<uint64_t> StatusValue(const std::string& status, const std::string& key);

// 0 when the reference is 0, so that a failed reading prints as such instead of as infinity.
double Ratio(double value, double reference);

} // namespace bench
