// One run of the program's start-up over fakes, for the tests that only need to see how it ends and
// what it touched: the message boxes, the folder deletions and the registry.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/CNetUIApp.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeNamedObjects.h"
#include "fakes/FakeProcesses.h"
#include "fakes/FakeServiceManager.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/FakeUsbDevices.h"
#include "fakes/FakeWindowManager.h"

namespace apptest {

struct StartUpProcess {
    struct Shown {
        std::u16string text;
        std::u16string caption;
    };

    StartUpProcess(fakes::FakeRegistry& registry, fakes::FakeKernel& kernel, std::u16string modulePath)
        : namedObjects(std::make_shared<fakes::FakeNamespace>()),
          app({registry, system, files, namedObjects, services, clock, processes, windows, devices},
              AppUi{[this](std::u16string_view text, std::u16string_view caption, uint32_t) {
                        shown.push_back({std::u16string(text), std::u16string(caption)});
                        return ui::kAnswerOk;
                    },
                    [](ui::Dialog&) { return ui::kIdOk; },
                    [this](CNetUIApp&) {
                        ++mainWindowRuns;
                        return 1;
                    }},
              &kernel) {
        system.modulePath = std::move(modulePath);
    }

    fakes::FakeSystemInfo system;
    fakes::FakeFileSystem files;
    fakes::FakeNamedObjects namedObjects;
    fakes::FakeServiceManager services;
    fakes::FakeClock clock;
    fakes::FakeProcesses processes;
    fakes::FakeWindowManager windows;
    fakes::FakeUsbDevices devices;
    std::vector<Shown> shown;
    int mainWindowRuns = 0;
    CNetUIApp app;
};

} // namespace apptest
