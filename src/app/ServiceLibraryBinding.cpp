#include "app/ServiceLibraryBinding.h"

namespace {
using GetInstanceFunction = kernel::IWirelessKernel* (*)();
} // namespace

ServiceLibraryBinding::ServiceLibraryBinding(platform::DynamicLibraries& libraries) : m_libraries(libraries) {
    m_library = m_libraries.Load(kServiceLibraryName);
    if (m_library == 0) {
        m_failure = Failure::LibraryMissing;
        return;
    }
    void* address = m_libraries.FindExport(m_library, kServiceLibraryExport);
    if (address == nullptr) {
        m_failure = Failure::ExportMissing;
        return;
    }
    auto getInstance = reinterpret_cast<GetInstanceFunction>(address);
    m_kernel = getInstance();
    if (m_kernel == nullptr) {
        m_failure = Failure::NoInterface;
    }
}

ServiceLibraryBinding::~ServiceLibraryBinding() {
    m_kernel = nullptr;
    if (m_library != 0) {
        m_libraries.Unload(m_library);
    }
}

std::u16string ServiceLibraryBinding::FailureMessage() const {
    switch (m_failure) {
    case Failure::None:
        return {};
    case Failure::LibraryMissing:
        return u"The wireless service library Skyvane.dll could not be loaded. Please reinstall the "
               u"adapter's software.";
    case Failure::ExportMissing:
        return u"The wireless service library Skyvane.dll does not provide GetSkyvaneInstance. Please "
               u"reinstall the adapter's software.";
    case Failure::NoInterface:
        return u"The wireless service library Skyvane.dll did not start. Please reinstall the adapter's "
               u"software.";
    }
    return {};
}
