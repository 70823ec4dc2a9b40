#include "skyvane/ControlCommands.h"

#include "base/Text.h"
#include "skyvane/SimKernel.h"

namespace skyvane {

std::vector<std::u16string> SplitWords(std::u16string_view line) {
    std::vector<std::u16string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && base::IsBlank(line[i])) {
            ++i;
        }
        if (i >= line.size()) {
            break;
        }
        std::u16string word;
        if (line[i] == u'"') {
            ++i;
            while (i < line.size() && line[i] != u'"') {
                word += line[i++];
            }
            ++i;
        } else {
            while (i < line.size() && !base::IsBlank(line[i])) {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

namespace {

const char16_t kUsage[] =
    u"commands: unplug | plug | survey | radio on|off | hwbutton [ms] | hwcancel | internet on|off | "
    u"signal <ssid|bssid> <0-100> | apbutton <ssid|bssid> on|off | load <scenario file> | "
    u"log [prefix] | clearlog | status";

bool Is(const std::u16string& word, std::u16string_view name) {
    return base::EqualsAsciiNoCase(word, name);
}

} // namespace

std::u16string RunControlCommand(SimKernel& kernel, std::u16string_view commandLine) {
    std::vector<std::u16string> w = SplitWords(commandLine);
    if (w.empty()) {
        return std::u16string(u"error: empty command; ") + kUsage;
    }
    const std::u16string& cmd = w[0];
    bool onOff = false;
    if (Is(cmd, u"unplug") && w.size() == 1) {
        return kernel.Unplug();
    }
    if (Is(cmd, u"plug") && w.size() == 1) {
        return kernel.Plug();
    }
    if (Is(cmd, u"survey") && w.size() == 1) {
        return kernel.Survey();
    }
    if (Is(cmd, u"radio") && w.size() == 2 && ParseSwitch(w[1], onOff)) {
        return kernel.SetRadio(onOff);
    }
    uint32_t agoMs = 0;
    if (Is(cmd, u"hwbutton") &&
        (w.size() == 1 || (w.size() == 2 && ParseUnsigned(w[1], 0x7FFFFFFF, agoMs)))) {
        return kernel.HardwareButton(agoMs);
    }
    if (Is(cmd, u"hwcancel") && w.size() == 1) {
        return kernel.HardwareCancel();
    }
    if (Is(cmd, u"internet") && w.size() == 2 && ParseSwitch(w[1], onOff)) {
        return kernel.SetInternet(onOff);
    }
    uint32_t percent = 0;
    if (Is(cmd, u"signal") && w.size() == 3 && ParseUnsigned(w[2], 100, percent)) {
        return kernel.SetSignal(w[1], percent);
    }
    if (Is(cmd, u"apbutton") && w.size() == 3 && ParseSwitch(w[2], onOff)) {
        return kernel.SetPushButton(w[1], onOff);
    }
    if (Is(cmd, u"load") && w.size() == 2) {
        return kernel.LoadScenarioFile(w[1]);
    }
    if (Is(cmd, u"log") && w.size() <= 2) {
        std::u16string out;
        for (const auto& line :
             kernel.Log().Lines(w.size() == 2 ? std::u16string_view(w[1]) : std::u16string_view())) {
            out += line;
            out += u'\n';
        }
        return out;
    }
    if (Is(cmd, u"clearlog") && w.size() == 1) {
        kernel.Log().Clear();
        return u"ok log cleared";
    }
    if (Is(cmd, u"status") && w.size() == 1) {
        return kernel.Status();
    }
    return u"error: bad command " + std::u16string(commandLine) + u"; " + kUsage;
}

} // namespace skyvane
