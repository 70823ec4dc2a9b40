#include "drvseed/BandloreFile.h"

#include <filesystem>
#include <fstream>
#include <new>

#include "base/Bytes.h"
#include "base/Text.h"

namespace drvseed {
namespace {

// A real list is a few kilobytes; anything near this is not ours and is not loaded whole.
constexpr uintmax_t kMaxFileBytes = 16u * 1024u * 1024u;

// UTF-16LE units of [begin, end), cut at the first zero unit. An odd last byte is ignored.
std::u16string ReadUnits(std::span<const uint8_t> bytes, size_t begin, size_t end, size_t* next) {
    std::u16string text;
    size_t at = begin;
    while (end - at >= 2) {
        auto unit = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
        at += 2;
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    if (next != nullptr) {
        *next = end - at < 2 ? end : at;
    }
    return text;
}

} // namespace

bool DeviceList::Matches(std::u16string_view matchingDeviceId) const {
    std::u16string upper = base::AsciiUpper(matchingDeviceId);
    for (const auto& pattern : patterns) {
        if (upper.find(pattern) != std::u16string::npos) {
            return true;
        }
    }
    return false;
}

void DescrambleBandlore(std::span<uint8_t> bytes) {
    // Downwards, so that the bytes read at (i - 1) & 31 and at 0 are still in their stored form.
    for (size_t i = bytes.size(); i-- > 1;) {
        bytes[i] = static_cast<uint8_t>(bytes[i] ^ (i & 0xFF) ^ bytes[(i - 1) & 31] ^ bytes[0]);
    }
}

uint32_t BandloreChecksum(std::span<const uint8_t> plain) {
    uint32_t sum = 0;
    for (size_t i = 1; i < plain.size(); ++i) {
        if (i >= kBandloreChecksumOffset && i < kBandloreChecksumOffset + 4) {
            continue;
        }
        sum += plain[i];
    }
    return sum;
}

int ParseBandlore(std::vector<uint8_t> stored, DeviceList& out) {
    out = DeviceList{};
    if (stored.size() < kBandloreHeaderSize) {
        return kBandloreBadFormat;
    }
    DescrambleBandlore(stored);
    std::span<const uint8_t> plain(stored);
    if (*base::ReadLe32(plain, kBandloreChecksumOffset) != BandloreChecksum(plain)) {
        return kBandloreBadChecksum;
    }

    DeviceList list;
    size_t offset = *base::ReadLe16(plain, kBandloreFirstBlockOffset);
    while (offset < plain.size()) {
        if (plain.size() - offset < kBandloreBlockHeaderSize) {
            return kBandloreBadFormat;
        }
        uint8_t type = plain[offset];
        uint8_t version = plain[offset + 1];
        size_t length = *base::ReadLe16(plain, offset + 2);
        // A length below the header cannot move the walk on, and one past the end describes bytes the
        // file does not have.
        if (length < kBandloreBlockHeaderSize || length > plain.size() - offset) {
            return kBandloreBadFormat;
        }
        if (type == kBandloreDeviceBlock) {
            if (version != kBandloreDeviceBlockVersion || length < kBandloreBlockStringsOffset) {
                return kBandloreBadFormat;
            }
            size_t end = offset + length;
            list.patterns.clear();
            list.name = ReadUnits(plain, offset + kBandloreBlockNameOffset,
                                  offset + kBandloreBlockNameOffset + kBandloreBlockNameBytes, nullptr);
            size_t at = offset + kBandloreBlockStringsOffset;
            while (at < end) {
                std::u16string pattern = ReadUnits(plain, at, end, &at);
                // Padding zeros would give empty patterns, and an empty pattern matches every adapter.
                if (!pattern.empty()) {
                    list.patterns.push_back(std::move(pattern));
                }
            }
        }
        offset += length;
    }
    out = std::move(list);
    return kBandloreOk;
}

int LoadBandlore(std::u16string_view path, DeviceList& out) {
    out = DeviceList{};
    try {
        std::filesystem::path fsPath{std::u16string(path)};
        std::error_code ec;
        uintmax_t size = std::filesystem::file_size(fsPath, ec);
        if (ec) {
            return kBandloreUnreadable;
        }
        if (size > kMaxFileBytes) {
            return kBandloreNoMemory;
        }
        std::ifstream in(fsPath, std::ios::binary);
        if (!in) {
            return kBandloreUnreadable;
        }
        std::vector<uint8_t> bytes(static_cast<size_t>(size));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (static_cast<uintmax_t>(in.gcount()) != size) {
            return kBandloreUnreadable;
        }
        return ParseBandlore(std::move(bytes), out);
    } catch (const std::bad_alloc&) {
        out = DeviceList{};
        return kBandloreNoMemory;
    }
}

} // namespace drvseed
