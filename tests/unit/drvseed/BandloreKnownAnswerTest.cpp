// Bandlore.dat against a file worked out by hand from the format, not produced by the packer: a
// misreading that the packer and the loader share (offsets, byte order, the direction of the
// scrambling) cannot hide behind a round trip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drvseed/BandloreFile.h"

namespace drvseed {
namespace {

// The plain file, 492 bytes:
//   0      A5           scramble byte
//   1      7E           not read
//   2..3   46 00        first block at 70 (bytes 68 and 69 are padding the walk never sees)
//   64..67 0C 05 00 00  checksum 0x50C: the sum of every byte but 0 and these four
//   70     02 09 06 00 FF FF        a type-2 block of 6 bytes, skipped whatever its version
//   76     01 01 A0 01              the device block, version 1, 416 bytes
//   80     4B 00 54 00 00 00 ...    its name "KT" in a 400-byte field
//   480    41 00 42 00 00 00 43 00 31 00 00 00   the patterns "AB" and "C1"
std::vector<uint8_t> PlainFile() {
    std::vector<uint8_t> plain(492, 0);
    auto put = [&plain](size_t at, std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes) {
            plain[at++] = b;
        }
    };
    put(0, {0xA5, 0x7E, 0x46, 0x00});
    put(64, {0x0C, 0x05, 0x00, 0x00});
    put(70, {0x02, 0x09, 0x06, 0x00, 0xFF, 0xFF});
    put(76, {0x01, 0x01, 0xA0, 0x01});
    put(80, {0x4B, 0x00, 0x54, 0x00});
    put(480, {0x41, 0x00, 0x42, 0x00, 0x00, 0x00, 0x43, 0x00, 0x31, 0x00, 0x00, 0x00});
    return plain;
}

// The same file as stored: stored[i] = plain[i] ^ (i & 0xFF) ^ stored[(i - 1) & 31] ^ stored[0],
// worked upwards from byte 1.
std::vector<uint8_t> StoredFile() {
    static const char* const kHex[] = {
        "A57F9E3899399A3895399638913992388D398E3889398A388539863881398238",
        "BD21F818B919BA18B519B618B119B218AD19AE18A919AA18A519A618A119A218",
        "D1449878D979D871D3792987D078727986799A78C979CA78C579C678C179C278",
        "FD61B858F959FA58F559F658F159F258ED59EE58E959EA58E559E658E159E258",
        "1D8158B819B91AB815B916B811B912B80DB90EB809B90AB805B906B801B902B8",
        "3DA1789839993A9835993698319932982D992E9829992A982599269821992298",
        "5DC118F859F95AF855F956F851F952F84DF94EF849F94AF845F946F841F942F8",
        "7DE138D879D97AD875D976D871D972D86DD96ED869D96AD865D966D861D962D8",
        "9D01D83899399A3895399638913992388D398E3889398A388539863881398238",
        "BD21F818B919BA18B519B618B119B218AD19AE18A919AA18A519A618A119A218",
        "DD419878D979DA78D579D678D179D278CD79CE78C979CA78C579C678C179C278",
        "FD61B858F959FA58F559F658F159F258ED59EE58E959EA58E559E658E159E258",
        "1D8158B819B91AB815B916B811B912B80DB90EB809B90AB805B906B801B902B8",
        "3DA1789839993A9835993698319932982D992E9829992A982599269821992298",
        "5DC118F859F95AF855F956F851F952F84DF94EF849F94AF845F946F841F942F8",
        "3CE17AD879D939D844D976D8",
    };
    std::vector<uint8_t> bytes;
    for (const std::string line : kHex) {
        for (size_t i = 0; i + 1 < line.size(); i += 2) {
            bytes.push_back(static_cast<uint8_t>(std::stoi(line.substr(i, 2), nullptr, 16)));
        }
    }
    return bytes;
}

TEST(BandloreKnownAnswer, DescramblesToTheHandWorkedPlainFile) {
    std::vector<uint8_t> bytes = StoredFile();
    ASSERT_EQ(bytes.size(), 492u);
    DescrambleBandlore(bytes);
    std::vector<uint8_t> plain = PlainFile();
    for (size_t i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(bytes[i], plain[i]) << "byte " << i;
    }
    EXPECT_EQ(BandloreChecksum(plain), 0x50Cu);
}

TEST(BandloreKnownAnswer, LoadsTheNameAndPatternsOfTheDeviceBlock) {
    DeviceList list;
    ASSERT_EQ(ParseBandlore(StoredFile(), list), kBandloreOk);
    EXPECT_EQ(list.name, u"KT");
    EXPECT_EQ(list.patterns, (std::vector<std::u16string>{u"AB", u"C1"}));
    EXPECT_TRUE(list.Matches(u"usb\\vid_ab"));
    EXPECT_FALSE(list.Matches(u"USB\\VID_A"));
}

TEST(BandloreKnownAnswer, OneChangedStoredByteRejectsTheFile) {
    // The last byte feeds no other: only the checksum can notice it.
    std::vector<uint8_t> bytes = StoredFile();
    bytes.back() ^= 0x01;
    DeviceList list;
    EXPECT_EQ(ParseBandlore(bytes, list), kBandloreBadChecksum);
    EXPECT_TRUE(list.patterns.empty());
}

} // namespace
} // namespace drvseed
