// The binding of the wireless service library: "Skyvane.dll" loaded by name for the whole life of the
// process, its one export called once for the interface object.
#pragma once

#include <string>

#include "kernel/IWirelessKernel.h"
#include "platform/DynamicLibrary.h"

constexpr std::u16string_view kServiceLibraryName = u"Skyvane.dll";
constexpr const char* kServiceLibraryExport = "GetSkyvaneInstance";

class ServiceLibraryBinding {
public:
    enum class Failure { None, LibraryMissing, ExportMissing, NoInterface };

    explicit ServiceLibraryBinding(platform::DynamicLibraries& libraries);
    ~ServiceLibraryBinding(); // unloads the library and clears the pointer
    ServiceLibraryBinding(const ServiceLibraryBinding&) = delete;
    ServiceLibraryBinding& operator=(const ServiceLibraryBinding&) = delete;

    kernel::IWirelessKernel* Kernel() const { return m_kernel; }
    Failure failure() const { return m_failure; }
    // The message shown when start-up has to stop because the binding failed; empty when bound.
    std::u16string FailureMessage() const;

private:
    platform::DynamicLibraries& m_libraries;
    platform::LibraryHandle m_library = 0;
    kernel::IWirelessKernel* m_kernel = nullptr;
    Failure m_failure = Failure::None;
};
