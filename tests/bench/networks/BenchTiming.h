// Timing for the Networks benchmarks: samples in microseconds, printed as one row of median, fastest and
// slowest, so a single slow run (a page fault, the other core busy) shows without moving the median.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace benchtiming {

using Clock = std::chrono::steady_clock;

inline double MicrosecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

template <class F> double TimeMicroseconds(F&& work) {
    Clock::time_point start = Clock::now();
    work();
    return MicrosecondsSince(start);
}

class Samples {
public:
    void Add(double microseconds) { m_values.push_back(microseconds); }
    size_t Count() const { return m_values.size(); }
    double Median() const { return Nth(m_values.size() / 2); }
    double Min() const { return m_values.empty() ? 0 : *std::min_element(m_values.begin(), m_values.end()); }
    double Max() const { return m_values.empty() ? 0 : *std::max_element(m_values.begin(), m_values.end()); }
    void Clear() { m_values.clear(); }

private:
    double Nth(size_t n) const {
        if (m_values.empty()) {
            return 0;
        }
        std::vector<double> sorted = m_values;
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(n), sorted.end());
        return sorted[n];
    }
    std::vector<double> m_values;
};

// "label  runs  median  min  max  note", microseconds with one decimal.
inline void PrintRow(const std::string& label, const Samples& samples, const std::string& note = {}) {
    std::printf("%-40s %5zu  %10.1f %10.1f %10.1f  %s\n", label.c_str(), samples.Count(), samples.Median(),
                samples.Min(), samples.Max(), note.c_str());
}

inline void PrintHeader(const char* title) {
    std::printf("\n%s\n%-40s %5s  %10s %10s %10s  %s\n", title, "what", "runs", "median us", "min us",
                "max us", "note");
}

} // namespace benchtiming
