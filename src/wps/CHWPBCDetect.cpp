#include "wps/CHWPBCDetect.h"

#include "res/WpsHardwareIds.h"

CHWPBCDetect::CHWPBCDetect()
    : wps::WatchedDialog(IDD_DIALOG_MESSAGE_DETECT_HWPBC, u"IDD_DIALOG_MESSAGE_DETECT_HWPBC") {}

bool CHWPBCDetect::OnInit() {
    host().SetCaption(Text(u"TITLE", u"Orvelin Wireless Adapter"));
    host().SetText(
        IDC_DETECT_HWPBC_TEXT,
        Text(u"IDC_STATIC_MESSAGE_DETECT_HWPBC_TEXT",
             u"Link Warden didn't detect the Dire 'Z' Edudade button being pressed. Please pree it now."));
    StartWatchdog();
    return true;
}
