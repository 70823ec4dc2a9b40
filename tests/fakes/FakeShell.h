// Shell opens and command lines are recorded; their results are what the test sets.
#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace fakes {

class FakeShell final : public platform::Shell {
public:
    intptr_t Open(std::u16string_view verb, std::u16string_view target,
                  std::u16string_view parameters = {}) override {
        opened.push_back(std::u16string(verb) + u" " + std::u16string(target));
        parameterTexts.push_back(std::u16string(parameters));
        return openResult;
    }
    intptr_t Run(std::u16string_view commandLine) override {
        runs.push_back(std::u16string(commandLine));
        return runResult;
    }
    intptr_t openResult = 42;
    intptr_t runResult = 33;
    std::vector<std::u16string> opened;
    std::vector<std::u16string> parameterTexts; // one per Open, in the same order
    std::vector<std::u16string> runs;
};

} // namespace fakes
