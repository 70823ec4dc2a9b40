// Writes Bandlore.dat: a header, one type-1 block with the device-identifier patterns, and the
// scrambling that the driver data tool undoes when it loads the file. Standard C++ only, so that the
// build machine's compiler can build the packer on its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bandlore {

constexpr size_t kHeaderSize = 68;
constexpr size_t kChecksumOffset = 64;
constexpr size_t kBlockNameBytes = 400;
constexpr size_t kBlockStringsOffset = 404;
constexpr size_t kMaxBlockBytes = 0xFFFF;

struct DeviceBlock {
    std::string name;                  // 7-bit ASCII
    std::vector<std::string> patterns; // 7-bit ASCII
};

inline void AppendUtf16(std::vector<uint8_t>& out, std::string_view ascii) {
    for (char c : ascii) {
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(0);
    }
}

// The block in its plain form, or nullopt when it does not fit the 16-bit block length or its name does
// not fit the name field.
inline std::optional<std::vector<uint8_t>> BuildBlock(const DeviceBlock& block, uint8_t type = 1,
                                                      uint8_t version = 1) {
    if ((block.name.size() + 1) * 2 > kBlockNameBytes) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(kBlockStringsOffset, 0);
    bytes[0] = type;
    bytes[1] = version;
    for (size_t i = 0; i < block.name.size(); ++i) {
        bytes[4 + 2 * i] = static_cast<uint8_t>(block.name[i]);
    }
    for (const auto& pattern : block.patterns) {
        AppendUtf16(bytes, pattern);
        AppendUtf16(bytes, std::string_view("\0", 1));
    }
    if (bytes.size() > kMaxBlockBytes) {
        return std::nullopt;
    }
    bytes[2] = static_cast<uint8_t>(bytes.size());
    bytes[3] = static_cast<uint8_t>(bytes.size() >> 8);
    return bytes;
}

// The 32-bit sum of the plain bytes, with byte 0 and the checksum field taken as zero.
inline uint32_t Checksum(const std::vector<uint8_t>& plain) {
    uint32_t sum = 0;
    for (size_t i = 1; i < plain.size(); ++i) {
        if (i < kChecksumOffset || i >= kChecksumOffset + 4) {
            sum += plain[i];
        }
    }
    return sum;
}

// The inverse of the loader's descrambling: upwards from 1, each byte mixed with its index, with the
// key in byte 0 and with the already scrambled byte at (i - 1) & 31.
inline void Scramble(std::vector<uint8_t>& bytes) {
    for (size_t i = 1; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(bytes[i] ^ (i & 0xFF) ^ bytes[(i - 1) & 31] ^ bytes[0]);
    }
}

// A header followed by the given plain blocks, checksummed and scrambled with `key`.
inline std::vector<uint8_t> Pack(const std::vector<std::vector<uint8_t>>& blocks, uint8_t key) {
    std::vector<uint8_t> file(kHeaderSize, 0);
    file[0] = key;
    file[2] = static_cast<uint8_t>(kHeaderSize);
    file[3] = 0;
    for (const auto& block : blocks) {
        file.insert(file.end(), block.begin(), block.end());
    }
    uint32_t sum = Checksum(file);
    for (size_t i = 0; i < 4; ++i) {
        file[kChecksumOffset + i] = static_cast<uint8_t>(sum >> (8 * i));
    }
    Scramble(file);
    return file;
}

// The text list: "[Name]" names the block, "#" starts a comment, every other non-blank line is a
// pattern. Patterns are stored in upper case because the tool compares them with an upper-cased
// device identifier. Returns an error text, empty on success.
inline std::string ParseList(std::string_view text, DeviceBlock& block) {
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        for (char c : line) {
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) {
                return "line " + std::to_string(lineNumber) + ": only printable 7-bit characters are allowed";
            }
        }
        if (line.front() == '[' && line.back() == ']') {
            block.name = std::string(line.substr(1, line.size() - 2));
            continue;
        }
        std::string pattern(line);
        for (char& c : pattern) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
        block.patterns.push_back(std::move(pattern));
    }
    if (block.patterns.empty()) {
        return "the list holds no pattern";
    }
    return {};
}

} // namespace bandlore
