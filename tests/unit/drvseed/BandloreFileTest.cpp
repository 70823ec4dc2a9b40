#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "BandlorePacker.h"
#include "drvseed/BandloreFile.h"

namespace drvseed {
namespace {

std::vector<uint8_t> PlainBlock(std::vector<std::string> patterns, std::string name = "KTVA7700v2") {
    return *bandlore::BuildBlock({std::move(name), std::move(patterns)});
}

// A plain file put together by hand (header + blocks), checksummed and scrambled as the packer does.
std::vector<uint8_t> Seal(std::vector<uint8_t> plain, uint8_t key = 0x5C, int checksumDelta = 0) {
    plain[0] = key;
    uint32_t sum = bandlore::Checksum(plain) + static_cast<uint32_t>(checksumDelta);
    for (size_t i = 0; i < 4; ++i) {
        plain[bandlore::kChecksumOffset + i] = static_cast<uint8_t>(sum >> (8 * i));
    }
    bandlore::Scramble(plain);
    return plain;
}

std::vector<uint8_t> Header() {
    std::vector<uint8_t> plain(bandlore::kHeaderSize, 0);
    plain[2] = static_cast<uint8_t>(bandlore::kHeaderSize);
    return plain;
}

void Append(std::vector<uint8_t>& file, const std::vector<uint8_t>& block) {
    file.insert(file.end(), block.begin(), block.end());
}

std::vector<uint8_t> RawBlock(uint8_t type, uint8_t version, uint16_t length) {
    std::vector<uint8_t> block(std::max<size_t>(length, 4), 0);
    block[0] = type;
    block[1] = version;
    block[2] = static_cast<uint8_t>(length);
    block[3] = static_cast<uint8_t>(length >> 8);
    return block;
}

TEST(BandloreFile, PackerOutputLoadsBackWithEveryKey) {
    bandlore::DeviceBlock block;
    ASSERT_EQ(bandlore::ParseList("# ours\r\n[Adapters]\r\nusb\\vid_2f7c&pid_7700\r\n\r\n  USB\\VID_0BDA  \n",
                                  block),
              "");
    // Every key byte, so that no value of byte 0 is special to either side.
    for (int key = 0; key < 256; ++key) {
        DeviceList list;
        ASSERT_EQ(
            ParseBandlore(bandlore::Pack({*bandlore::BuildBlock(block)}, static_cast<uint8_t>(key)), list),
            kBandloreOk)
            << "key " << key;
        EXPECT_EQ(list.name, u"Adapters");
        ASSERT_EQ(list.patterns, (std::vector<std::u16string>{u"USB\\VID_2F7C&PID_7700", u"USB\\VID_0BDA"}));
    }
}

TEST(BandloreFile, PackerRefusesListsItCannotStore) {
    bandlore::DeviceBlock block;
    EXPECT_NE(bandlore::ParseList("# nothing but comments\n\n", block), "");
    block = {};
    EXPECT_NE(bandlore::ParseList("USB\\VID_2F7C\nUSB\\VID_\xC3\xA9\n", block), "");
    EXPECT_FALSE(bandlore::BuildBlock({std::string(200, 'n'), {"A"}}));
    EXPECT_TRUE(bandlore::BuildBlock({std::string(199, 'n'), {"A"}}));
    EXPECT_FALSE(bandlore::BuildBlock({"big", std::vector<std::string>(4000, std::string(16, 'P'))}));
}

TEST(BandloreFile, BuildsListFromTheBuildsOwnFile) {
    DeviceList list;
    ASSERT_EQ(LoadBandlore(std::filesystem::path(KT_BANDLORE_DAT).u16string(), list), kBandloreOk);
    EXPECT_FALSE(list.patterns.empty());
    EXPECT_TRUE(list.Matches(u"usb\\vid_2f7c&pid_7700"));
}

TEST(BandloreFile, ChecksumOffByOneRejectsTheWholeFile) {
    for (int delta : {1, -1}) {
        auto plain = Header();
        Append(plain, PlainBlock({"USB\\VID_2F7C&PID_7700"}));
        DeviceList list;
        list.patterns = {u"stale"};
        EXPECT_EQ(ParseBandlore(Seal(plain, 0x5C, delta), list), kBandloreBadChecksum) << delta;
        EXPECT_TRUE(list.patterns.empty());
        EXPECT_TRUE(list.name.empty());
    }
}

TEST(BandloreFile, DamagedBlocksGiveBadFormatAndAnEmptyList) {
    struct Case {
        const char* what;
        std::vector<uint8_t> after; // blocks after a good type-1 block
    };
    std::vector<Case> cases = {
        {"version 2", RawBlock(1, 2, 404)},
        {"version 0", RawBlock(1, 0, 404)},
        {"length 0", RawBlock(1, 1, 0)},
        {"length 3", RawBlock(7, 1, 3)},
        {"length past the end", std::vector<uint8_t>{2, 1, 0x00, 0x40, 0, 0}},
        {"type-1 block shorter than its name", RawBlock(1, 1, 40)},
        {"partial block header", std::vector<uint8_t>{1, 1}},
    };
    for (const auto& c : cases) {
        auto plain = Header();
        Append(plain, PlainBlock({"USB\\VID_2F7C&PID_7700"}));
        Append(plain, c.after);
        DeviceList list;
        EXPECT_EQ(ParseBandlore(Seal(plain), list), kBandloreBadFormat) << c.what;
        EXPECT_TRUE(list.patterns.empty()) << c.what;
    }
}

TEST(BandloreFile, LastTypeOneBlockWinsAndOtherTypesAreSkipped) {
    auto plain = Header();
    Append(plain, PlainBlock({"USB\\VID_1111"}, "first"));
    auto other = RawBlock(2, 9, 12); // any version is fine outside type 1
    other[4] = 'X';
    Append(plain, other);
    Append(plain, PlainBlock({"USB\\VID_2222", "USB\\VID_3333"}, "second"));
    Append(plain, RawBlock(0, 0, 4));
    DeviceList list;
    ASSERT_EQ(ParseBandlore(Seal(plain), list), kBandloreOk);
    EXPECT_EQ(list.name, u"second");
    EXPECT_EQ(list.patterns, (std::vector<std::u16string>{u"USB\\VID_2222", u"USB\\VID_3333"}));
}

TEST(BandloreFile, StringsEndAtTheBlockEvenUnterminated) {
    auto block = PlainBlock({"USB\\VID_AAAA"});
    // Padding zeros (empty strings) and an unterminated last string cut by the block's end.
    for (char c : std::string("\0\0\0\0PCI\\VEN_1", 13)) {
        block.push_back(static_cast<uint8_t>(c));
        block.push_back(0);
    }
    block.pop_back(); // odd length: half a unit at the end
    block[2] = static_cast<uint8_t>(block.size());
    block[3] = static_cast<uint8_t>(block.size() >> 8);
    auto plain = Header();
    Append(plain, block);
    DeviceList list;
    ASSERT_EQ(ParseBandlore(Seal(plain), list), kBandloreOk);
    EXPECT_EQ(list.patterns, (std::vector<std::u16string>{u"USB\\VID_AAAA", u"PCI\\VEN_"}));
}

TEST(BandloreFile, HeaderProblemsLeaveTheListEmpty) {
    DeviceList list;
    EXPECT_EQ(ParseBandlore({}, list), kBandloreBadFormat);
    EXPECT_EQ(ParseBandlore(std::vector<uint8_t>(67, 0), list), kBandloreBadFormat);

    auto truncated = bandlore::Pack({PlainBlock({"USB\\VID_2F7C"})}, 0x11);
    truncated.resize(truncated.size() - 10);
    EXPECT_NE(ParseBandlore(truncated, list), kBandloreOk);
    EXPECT_TRUE(list.patterns.empty());

    // A first block beyond the end: nothing to walk, nothing listed.
    auto plain = Header();
    plain[2] = 0xFF;
    plain[3] = 0xFF;
    EXPECT_EQ(ParseBandlore(Seal(plain), list), kBandloreOk);
    EXPECT_TRUE(list.patterns.empty());

    EXPECT_EQ(LoadBandlore(u"/nonexistent/folder/Bandlore.dat", list), kBandloreUnreadable);
    EXPECT_TRUE(list.patterns.empty());
}

TEST(BandloreFile, MatchesUpperCasedIdentifierAgainstPatterns) {
    DeviceList list;
    list.patterns = {u"USB\\VID_2F7C&PID_7700"};
    EXPECT_TRUE(list.Matches(u"usb\\vid_2f7c&pid_7700"));
    EXPECT_TRUE(list.Matches(u"USB\\VID_2F7C&PID_7700&REV_0001"));
    EXPECT_FALSE(list.Matches(u"USB\\VID_2F7C&PID_7701"));
    EXPECT_FALSE(list.Matches(u""));
    EXPECT_FALSE(DeviceList{}.Matches(u"USB\\VID_2F7C&PID_7700"));
}

} // namespace
} // namespace drvseed
