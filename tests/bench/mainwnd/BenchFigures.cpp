#include "BenchFigures.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace bench {

namespace {

// Whole seconds or counts from 1 up to a day's worth; anything else is refused rather than read as 0,
// which would make an idle window of no length and a CPU share divided by nothing.
bool ParseCount(const std::u16string& text, int& value) {
    if (text.empty() || text.size() > 6) {
        return false;
    }
    int result = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
        result = result * 10 + (c - u'0');
    }
    if (result < 1 || result > 86400) {
        return false;
    }
    value = result;
    return true;
}

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

Options ParseOptions(const std::vector<std::u16string>& arguments) {
    Options options;
    auto fail = [&options](std::u16string why) {
        options.ok = false;
        options.error = std::move(why);
        return options;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string& name = arguments[i];
        if (name != u"--runs" && name != u"--idle-seconds" && name != u"--settle-seconds" &&
            name != u"--scenario") {
            return fail(u"unknown option " + name);
        }
        if (i + 1 >= arguments.size()) {
            return fail(name + u" needs a value");
        }
        const std::u16string& value = arguments[++i];
        if (name == u"--scenario") {
            options.scenario = value;
            continue;
        }
        int count = 0;
        if (!ParseCount(value, count)) {
            return fail(name + u" needs a whole number from 1 to 86400, not " + value);
        }
        (name == u"--runs"           ? options.runs
         : name == u"--idle-seconds" ? options.idleSeconds
                                     : options.settleSeconds) = count;
    }
    return options;
}

std::vector<std::pair<std::string, std::string>> ParseInstallerValues(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> values;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') {
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0) {
            continue;
        }
        values.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    return values;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double CpuPercentOfOneCore(uint64_t cpuTime, uint64_t wallTime) {
    if (wallTime == 0) {
        return 0;
    }
    return 100.0 * static_cast<double>(cpuTime) / static_cast<double>(wallTime);
}

uint64_t MemoryAimBytes(uint64_t emptyProgramBytes) {
    return static_cast<uint64_t>(std::llround(kMemoryFactorAim * static_cast<double>(emptyProgramBytes))) +
           kMemoryAllowanceBytes;
}

std::optional<uint64_t> StatCpuTicks(const std::string& stat) {
    size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(stat.substr(close + 1));
    // After the name: state, then ten more fields before utime and stime.
    std::string field;
    std::vector<std::string> values;
    while (values.size() < 13 && fields >> field) {
        values.push_back(field);
    }
    if (values.size() < 13) {
        return std::nullopt;
    }
    uint64_t ticks = 0;
    for (const std::string& number : {values[11], values[12]}) {
        if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        ticks += std::stoull(number);
    }
    return ticks;
}

std::optional<uint64_t> SchedRunNanoseconds(const std::string& schedstat) {
    std::istringstream fields(schedstat);
    std::string first;
    if (!(fields >> first) || first.size() > 19 ||
        first.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoull(first);
}

std::optional<uint64_t> StatusValue(const std::string& status, const std::string& key) {
    std::istringstream lines(status);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == ':') {
            std::string number = Trim(line.substr(key.size() + 1));
            size_t digits = number.find_first_not_of("0123456789");
            number = number.substr(0, digits);
            if (number.empty() || number.size() > 18) {
                return std::nullopt;
            }
            return std::stoull(number);
        }
    }
    return std::nullopt;
}

double Ratio(double value, double reference) {
    return reference == 0 ? 0 : value / reference;
}

} // namespace bench
