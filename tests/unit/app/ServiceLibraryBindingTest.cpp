#include <gtest/gtest.h>

#include "app/ServiceLibraryBinding.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeLibraries.h"

namespace {

fakes::FakeRegistry s_registry;
fakes::FakeKernel s_kernel(s_registry);
int s_instanceCalls = 0;

kernel::IWirelessKernel* GetInstance() {
    ++s_instanceCalls;
    return &s_kernel;
}
kernel::IWirelessKernel* GetNothing() {
    return nullptr;
}

fakes::FakeLibraries::Library WithExport(kernel::IWirelessKernel* (*function)()) {
    fakes::FakeLibraries::Library library;
    library.handle = 0x7000;
    library.exports["GetSkyvaneInstance"] = reinterpret_cast<void*>(function);
    return library;
}

} // namespace

TEST(ServiceLibraryBinding, LoadsByNameCallsTheExportOnceAndUnloadsAtTheEnd) {
    fakes::FakeLibraries libraries;
    libraries.libraries[u"Skyvane.dll"] = WithExport(&GetInstance);
    s_instanceCalls = 0;
    {
        ServiceLibraryBinding binding(libraries);
        EXPECT_EQ(binding.Kernel(), &s_kernel);
        EXPECT_EQ(binding.failure(), ServiceLibraryBinding::Failure::None);
        EXPECT_TRUE(binding.FailureMessage().empty());
        EXPECT_EQ(s_instanceCalls, 1);
        EXPECT_EQ(libraries.loaded, 1);
    }
    EXPECT_EQ(libraries.loads, std::vector<std::u16string>{u"Skyvane.dll"});
    EXPECT_EQ(libraries.unloads, std::vector<platform::LibraryHandle>{0x7000});
    EXPECT_EQ(s_kernel.Calls().size(), 0u) << "binding alone calls nothing in the interface";
}

TEST(ServiceLibraryBinding, MissingLibraryOrExportLeavesNoInterfaceAndAClearMessage) {
    fakes::FakeLibraries none;
    ServiceLibraryBinding missing(none);
    EXPECT_EQ(missing.Kernel(), nullptr);
    EXPECT_EQ(missing.failure(), ServiceLibraryBinding::Failure::LibraryMissing);
    EXPECT_NE(missing.FailureMessage().find(u"Skyvane.dll"), std::u16string::npos);

    fakes::FakeLibraries noExport;
    noExport.libraries[u"Skyvane.dll"].handle = 0x7100;
    {
        ServiceLibraryBinding binding(noExport);
        EXPECT_EQ(binding.Kernel(), nullptr);
        EXPECT_EQ(binding.failure(), ServiceLibraryBinding::Failure::ExportMissing);
        EXPECT_NE(binding.FailureMessage().find(u"GetSkyvaneInstance"), std::u16string::npos);
    }
    EXPECT_EQ(noExport.unloads.size(), 1u) << "a loaded library is released even without its export";

    fakes::FakeLibraries nothing;
    nothing.libraries[u"Skyvane.dll"] = WithExport(&GetNothing);
    ServiceLibraryBinding binding(nothing);
    EXPECT_EQ(binding.failure(), ServiceLibraryBinding::Failure::NoInterface);
}
