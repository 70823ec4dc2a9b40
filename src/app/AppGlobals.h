// The process-wide values that start-up sets once, before any window or worker exists, and that every
// later part of the program reads. DevicePresent and g_bZeroConfig change later, on the library's
// thread and the user-interface thread, and are atomic for that reason.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "kernel/IWirelessKernel.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

// The service library's interface object; null when the library could not be bound.
extern kernel::IWirelessKernel* g_pnKernel;

extern std::u16string ProgramFolder;   // with its trailing backslash
extern std::u16string ProgramFileName; // lower-cased
extern std::u16string ProductName;     // Product.ini [Information] Name
extern std::u16string MakerName;       // Product.ini [Information] Corp
extern std::u16string AppKey;          // "Software\" + maker + "\" + product, below HKEY_LOCAL_MACHINE

extern int OsClass;
extern bool g_bWindows7;
extern std::atomic<bool> DevicePresent;
extern std::atomic<bool> g_bZeroConfig;

// "Def_Profile_Name" of every language file, in collection order. (The texts of the chosen language
// that start-up reads are in app/AppTexts.h.)
extern std::vector<std::u16string> DefaultProfileNames;

// OsClass values.
constexpr int kOs95 = 0;
constexpr int kOs98 = 1;
constexpr int kOsMe = 2;
constexpr int kOsNt4 = 3;
constexpr int kOs2000 = 4;
constexpr int kOsXp = 5;
constexpr int kOs2003Wow64 = 6;
constexpr int kOs2003 = 7;
constexpr int kOsVista = 8;
constexpr int kOsVista64 = 9;
constexpr int kOsUnknown = 65535;

// What the settings and the language code ask of the platform (Windows in the program, fakes in tests).
// Set by start-up before any lookup; every later part reaches the same objects.
platform::Registry* AppRegistry();
void SetAppRegistry(platform::Registry* registry);
platform::SystemInfo* AppSystem();
void SetAppSystem(platform::SystemInfo* system);
platform::FileSystem* AppFiles();
void SetAppFiles(platform::FileSystem* files);

// Back to the values before start-up (tests).
void ResetAppGlobals();
