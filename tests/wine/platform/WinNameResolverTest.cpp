// Host-name lookup through the socket library: answers come from the lookup itself, whatever the
// thread's last socket error says.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/WinNameResolver.h"

using platform::win32::WinNameResolver;

namespace {

TEST(WinNameResolver, LocalNameResolvesAndAReservedOneDoesNot) {
    WinNameResolver resolver;
    EXPECT_TRUE(resolver.Resolve(u"localhost"));
    EXPECT_FALSE(resolver.Resolve(u"nohost.invalid")) << "the .invalid domain never exists";
    EXPECT_FALSE(resolver.Resolve(u""));
    EXPECT_FALSE(resolver.Resolve(std::u16string(u"localhost\0.invalid", 18)))
        << "looked up whole or not at all";
}

TEST(WinNameResolver, LastSocketErrorDoesNotDecide) {
    WinNameResolver resolver;
    ASSERT_TRUE(resolver.Resolve(u"localhost")); // the socket library is started from here on
    WSASetLastError(0);
    EXPECT_FALSE(resolver.Resolve(u"nohost.invalid")) << "a clear error left over from before";
    WSASetLastError(WSAHOST_NOT_FOUND);
    EXPECT_TRUE(resolver.Resolve(u"localhost")) << "an error left over from an earlier failure";
}

TEST(WinNameResolver, StartsTheSocketLibraryItself) {
    // Another part of the program stopping its own use must not take the resolver's start away.
    WSADATA data{};
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    ASSERT_EQ(WSACleanup(), 0);
    WinNameResolver resolver;
    EXPECT_TRUE(resolver.Resolve(u"localhost"));
}

} // namespace
