#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "platform/win32/WinRandomSource.h"

namespace {

// The generator answers under Wine too, and two draws are not the same bytes (a constant or a stuck
// buffer would show here).
TEST(WinRandomSource, DeliversFreshBytes) {
    platform::win32::WinRandomSource random;
    std::array<uint8_t, 32> first{};
    std::array<uint8_t, 32> second{};
    ASSERT_TRUE(random.Fill(first.data(), first.size()));
    ASSERT_TRUE(random.Fill(second.data(), second.size()));
    EXPECT_NE(first, second);
    EXPECT_NE(first, (std::array<uint8_t, 32>{}));
    EXPECT_TRUE(random.Fill(nullptr, 0));
}

} // namespace
