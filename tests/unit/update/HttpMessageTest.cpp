#include "HttpMessage.h"

#include "base/Text.h"

#include <gtest/gtest.h>

using namespace orvl_update;

TEST(HttpUrl, SplitsHostPortAndPath) {
    auto url = ParseHttpUrl(u"http://127.0.0.1:8123/updates/feed.ini");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->host, "127.0.0.1");
    EXPECT_EQ(url->port, 8123);
    EXPECT_EQ(url->path, "/updates/feed.ini");
    EXPECT_EQ(url->Sibling("Setup.exe").path, "/updates/Setup.exe");

    auto bare = ParseHttpUrl(u"HTTP://localhost");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->port, 80);
    EXPECT_EQ(bare->path, "/");
    EXPECT_EQ(bare->Sibling("a.exe").path, "/a.exe");
}

TEST(HttpUrl, RefusesWhatCannotBeRequested) {
    for (const char16_t* text :
         {u"https://host/feed", u"ftp://host/x", u"http://:80/x", u"http://host:0/x", u"http://host:65536/x",
          u"http://host:8x/x", u"http://host/a b", u"http://host/a\r\nX: y", u"http://user@host/x", u""}) {
        EXPECT_FALSE(ParseHttpUrl(text)) << base::NarrowForLog(text);
    }
}

TEST(HttpResponse, ReadsStatusAndLengthOnceTheHeadIsComplete) {
    EXPECT_FALSE(ParseResponseHead("HTTP/1.0 200 OK\r\nContent-Length: 12\r\n"));
    std::string_view answer = "HTTP/1.0 200 OK\r\ncontent-LENGTH:  12 \r\nX: y\r\n\r\nbody";
    auto head = ParseResponseHead(answer);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_EQ(head->contentLength, 12u);
    EXPECT_EQ(answer.substr(head->headLength), "body");
    auto notFound = ParseResponseHead("HTTP/1.1 404 Not Found\r\n\r\n");
    ASSERT_TRUE(notFound);
    EXPECT_EQ(notFound->status, 404);
    EXPECT_FALSE(notFound->contentLength);
    EXPECT_FALSE(ParseResponseHead("SSH-2.0-junk\r\n\r\n"));
    EXPECT_FALSE(ParseResponseHead("HTTP/1.0 200 OK\r\nContent-Length: -5\r\n\r\n"));
}

TEST(HttpSettings, TimeoutsOnlyGetShorterAndPercentStaysInRange) {
    EXPECT_EQ(TimeoutFromSetting(nullptr), 30000u);
    EXPECT_EQ(TimeoutFromSetting("1500"), 1500u);
    EXPECT_EQ(TimeoutFromSetting("0"), 30000u);
    EXPECT_EQ(TimeoutFromSetting("90000"), 30000u);
    EXPECT_EQ(TimeoutFromSetting("fast"), 30000u);
    EXPECT_EQ(PercentOf(0, 0), 0u);
    EXPECT_EQ(PercentOf(50, 200), 25u);
    EXPECT_EQ(PercentOf(300, 200), 100u);
    EXPECT_EQ(PercentOf(UINT64_MAX - 1, UINT64_MAX), 99u);
}
