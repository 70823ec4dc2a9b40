#include <gtest/gtest.h>

#include "app/DeviceTest.h"
#include "fakes/FakeUsbDevices.h"

TEST(DeviceTest, FragmentsAreSplitAtSemicolonsAndUpperCased) {
    EXPECT_EQ(SplitVidPid(u"vid_1234&pid_5678;VID_1234&PID_9999"),
              (std::vector<std::u16string>{u"VID_1234&PID_5678", u"VID_1234&PID_9999"}));
    EXPECT_EQ(SplitVidPid(u"VID_1234"), std::vector<std::u16string>{u"VID_1234"});
    EXPECT_TRUE(SplitVidPid(u"").empty());
    EXPECT_TRUE(SplitVidPid(u";;;").empty()) << "only separators: nothing to look for";
    EXPECT_EQ(SplitVidPid(u";A;;B;"), (std::vector<std::u16string>{u"A", u"B"}));
}

TEST(DeviceTest, AnyFragmentFoundInAHardwareIdWithoutRegardToCase) {
    fakes::FakeUsbDevices devices;
    devices.devices = {{u"USB\\VID_0000&PID_0001", 0}, {u"usb\\vid_1234&pid_9999&rev_0001", 0}};
    EXPECT_TRUE(IsSupportedAdapterPlugged(u"VID_1234&PID_5678;VID_1234&PID_9999", devices));
    EXPECT_TRUE(IsSupportedAdapterPlugged(u"vid_1234&PID_9999", devices));
    EXPECT_FALSE(IsSupportedAdapterPlugged(u"VID_1234&PID_5678", devices));
}

TEST(DeviceTest, AGoneDeviceNodeDoesNotCountButAnyOtherStatusDoes) {
    fakes::FakeUsbDevices devices;
    devices.devices = {{u"USB\\VID_1234&PID_9999", platform::kCrNoSuchDevnode}};
    EXPECT_FALSE(IsSupportedAdapterPlugged(u"VID_1234&PID_9999", devices));
    devices.devices.push_back({u"USB\\VID_1234&PID_9999&REV_2", 0x1F});
    EXPECT_TRUE(IsSupportedAdapterPlugged(u"VID_1234&PID_9999", devices));
}

TEST(DeviceTest, EmptyOrSeparatorOnlyValuesFindNothingAndDoNotEnumerate) {
    fakes::FakeUsbDevices devices;
    devices.devices = {{u"USB\\VID_1234&PID_9999", 0}};
    EXPECT_FALSE(IsSupportedAdapterPlugged(u"", devices));
    EXPECT_FALSE(IsSupportedAdapterPlugged(u";", devices));
    EXPECT_EQ(devices.enumerations, 0);
}
