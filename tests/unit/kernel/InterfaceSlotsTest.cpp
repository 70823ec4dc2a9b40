#include <gtest/gtest.h>

#include "VtableSlot.h"
#include "kernel/IWirelessKernel.h"

using kernel::INotificationReceiver;
using kernel::IWirelessKernel;

// The library was built against this table: an operation one slot off calls the wrong function.
TEST(InterfaceSlots, WirelessKernelOperationsSitInTheirSlots) {
    EXPECT_EQ(VtableSlot(&IWirelessKernel::Start), 0);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::AddReceiver), 1);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::RemoveReceiver), 2);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::SetInternetCheck), 8);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::GetZeroConfigState), 11);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsFailureCheck), 12);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::GetAdapterConfig), 13);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::ReadAdapterState), 14);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::ReadConnection), 15);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::ReadIpInfo), 16);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::GetNetWorkList), 17);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::SetRegionCode), 19);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::ZeroConfigControl), 20);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::StartSiteSurvey), 28);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::ConnectWithBlock), 30);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::Disconnect), 31);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::InitConnectionBlock), 33);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsPrepare), 35);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsStop), 36);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsStart), 37);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsAbort), 38);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsQuery), 39);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsStartTick), 40);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsGetApName), 41);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsGetResult), 42);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsGetApList), 43);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::WpsGetPin), 44);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::RegSetString), 59);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::RegSetDword), 61);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::RegDeleteKeyTree), 64);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::RegDeleteNamedValue), 65);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::GrantKeyAccess), 66);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::Reserved3), 3);
    EXPECT_EQ(VtableSlot(&IWirelessKernel::Reserved60), 60);
}

TEST(InterfaceSlots, ReceiverOperationsSitInTheirSlots) {
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKDeviceLoaded), 0);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKDeviceRemoved), 1);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKZeroCfgChanged), 4);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKRadioChanged), 5);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKSiteSurveyBegun), 6);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKSiteSurveyed), 7);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKAssociationChanged), 9);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKQuietRefresh), 11);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKInternetChanged), 12);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKLinkNotice), 13);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKChannelChanged), 16);
    EXPECT_EQ(VtableSlot(&INotificationReceiver::OnWKWPSStatus), 17);
}

TEST(WpsStatusNames, EveryCodeOfTheTableHasItsName) {
    EXPECT_STREQ(reinterpret_cast<const char*>(kernel::WpsStatusName(0x8005)),
                 reinterpret_cast<const char*>(u"KWL_WPS_MANY_APS_IN_PB_MODE"));
    EXPECT_EQ(std::u16string(kernel::WpsStatusName(0x0110)), u"KWL_WPS_EAP_M1");
    EXPECT_EQ(std::u16string(kernel::WpsStatusName(0x0180)), u"KWL_WPS_EAP_M8");
    EXPECT_EQ(std::u16string(kernel::WpsStatusName(0x1010)), u"KWL_WPS_CARD_RESTARTED");
    EXPECT_EQ(kernel::WpsStatusName(0x0118), nullptr);
    EXPECT_EQ(kernel::WpsStatusName(0x0190), nullptr);
    EXPECT_EQ(kernel::WpsStatusName(7), nullptr);
}
