// Makes sure the Windows service the wireless library needs is running before the library starts.
#pragma once

#include <string_view>

#include "platform/Clock.h"
#include "platform/ServiceManager.h"

constexpr std::u16string_view kWirelessServiceName = u"WSKTVA7700";

// How long start-up waits for a service that is not running yet. An administrator on an older Windows
// may start it; everyone else can only wait for the system to start it.
constexpr uint32_t kManageWaitMs = 60'000;
constexpr uint32_t kObserveWaitMs = 6'000'000;
constexpr uint32_t kAfterStartWaitMs = 30'000;
constexpr uint32_t kServicePollMs = 200;

// Manage mode when OsClass is neither 8 nor 9 and the user is an administrator.
bool ServiceManageMode(int osClass, bool isAdministrator);

// True when the service could be opened and (manage mode) runs or was started. In observe mode a
// service that never reached the running state within the wait still counts as success.
bool StartWirelessService(platform::ServiceManager& manager, platform::Clock& clock, bool manage);
