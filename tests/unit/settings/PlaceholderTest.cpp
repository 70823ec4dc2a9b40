#include <gtest/gtest.h>
#include "profiles/ProfilesEqual.h"
TEST(SettingsPlaceholder, Builds) { SUCCEED(); }
