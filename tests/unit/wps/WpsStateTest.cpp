#include <gtest/gtest.h>

#include "wps/WpsState.h"

namespace {

TEST(WpsStateTest, ResetClearsWhatAProcessRemembers) {
    WpsPin[0] = u'1';
    WpsApCount = 3;
    WpsApList[0].signal = 7;
    WpsCheckCancelled = true;
    WpsRetryRequested = true;
    wps::ResetWpsState();
    EXPECT_EQ(WpsPin[0], u'\0');
    EXPECT_EQ(WpsApCount, 0u);
    EXPECT_EQ(WpsApList[0].signal, 0);
    EXPECT_FALSE(WpsCheckCancelled);
    EXPECT_FALSE(WpsRetryRequested);
}

} // namespace
