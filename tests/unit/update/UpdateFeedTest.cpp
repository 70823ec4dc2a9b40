#include "UpdateFeed.h"

#include <gtest/gtest.h>

#include <string>

using orvl_update::IsPlainFileName;
using orvl_update::UpdateFeed;

namespace {

std::optional<UpdateFeed> FeedOf(const std::string& text) {
    return UpdateFeed::Parse(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

const std::string kHead = "[Update]\r\nVersion=1.2.10\r\nFile=Setup_1.2.10.exe\r\nSize=4096\r\nMD5="
                          "0123456789ABCDEF0123456789abcdef\r\n";

} // namespace

TEST(UpdateFeed, ReadsTheFieldsAndTheTextOfTheAskedLanguage) {
    auto feed = FeedOf(
        kHead + "[Offer]\r\nenu=New: 1.2.10\\nGet it.\r\ndeu=Neu: 1.2.10\r\n[Ready]\r\nDEU=Fertig\r\n");
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->version(), u"1.2.10");
    EXPECT_EQ(feed->fileName(), u"Setup_1.2.10.exe");
    EXPECT_EQ(feed->size(), 4096u);
    EXPECT_EQ(feed->md5(), "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(feed->OfferText(u"deu"), u"Neu: 1.2.10");
    EXPECT_EQ(feed->OfferText(u"fra"), u"New: 1.2.10\r\nGet it.");
    EXPECT_EQ(feed->ReadyText(u"deu"), u"Fertig");
    EXPECT_EQ(feed->ReadyText(u"enu"), u"Version 1.2.10 has been downloaded.");
}

TEST(UpdateFeed, Utf8TextsWithoutAMarkAreReadAsUtf8) {
    auto feed = FeedOf(kHead + "[Offer]\r\nfra=Mise \xC3\xA0 jour\r\n");
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->OfferText(u"fra"), u"Mise \u00E0 jour");
}

TEST(UpdateFeed, RefusesFeedsThatLackOrGarbleAField) {
    EXPECT_FALSE(FeedOf(""));
    EXPECT_FALSE(FeedOf("\x89PNG\r\n\x1a\n garbage garbage"));
    EXPECT_FALSE(FeedOf("[Update]\r\nVersion=1.2\r\nFile=a.exe\r\nSize=1\r\n"));
    EXPECT_FALSE(FeedOf(
        "[Update]\r\nVersion=new\r\nFile=a.exe\r\nSize=1\r\nMD5=0123456789abcdef0123456789abcdef\r\n"));
    EXPECT_FALSE(
        FeedOf("[Update]\r\nVersion=1\r\nFile=a.exe\r\nSize=-1\r\nMD5=0123456789abcdef0123456789abcdef\r\n"));
    EXPECT_FALSE(
        FeedOf("[Update]\r\nVersion=1\r\nFile=a.exe\r\nSize=1\r\nMD5=0123456789abcdef0123456789abcdeg\r\n"));
    EXPECT_FALSE(FeedOf("[Update]\r\nVersion=1\r\nFile=a.exe\r\nSize=1\r\nMD5=0123456789abcdef\r\n"));
}

TEST(UpdateFeed, TheInstallerMustBeAPlainFileName) {
    for (const char* name :
         {"..\\evil.exe", "../evil.exe", "C:evil.exe", "sub/evil.exe", "\\\\host\\x.exe", "..", "."}) {
        EXPECT_FALSE(FeedOf("[Update]\r\nVersion=1\r\nFile=" + std::string(name) +
                            "\r\nSize=1\r\nMD5=0123456789abcdef0123456789abcdef\r\n"))
            << name;
    }
    EXPECT_TRUE(IsPlainFileName(u"KTVA7700v2 Setup (1.2).exe"));
    EXPECT_FALSE(IsPlainFileName(u"setup.exe."));
    EXPECT_FALSE(IsPlainFileName(u"a\u0001.exe"));
    EXPECT_FALSE(IsPlainFileName(std::u16string(201, u'a')));
}
