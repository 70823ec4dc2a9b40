#include "skyvane/KeyMatch.h"

#include <algorithm>
#include <cstring>

#include "base/Encoding.h"
#include "base/Text.h"
#include "kernel/BssEntry.h"

namespace skyvane {

namespace {

class Sha1 {
public:
    void Update(const uint8_t* data, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            m_block[m_used++] = data[i];
            if (m_used == 64) {
                Compress();
                m_used = 0;
            }
        }
        m_bits += static_cast<uint64_t>(size) * 8;
    }

    std::array<uint8_t, 20> Finish() {
        uint64_t bits = m_bits;
        uint8_t pad = 0x80;
        Update(&pad, 1);
        uint8_t zero = 0;
        while (m_used != 56) {
            Update(&zero, 1);
        }
        uint8_t length[8];
        for (int i = 0; i < 8; ++i) {
            length[i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
        }
        Update(length, 8);
        std::array<uint8_t, 20> out{};
        for (int i = 0; i < 5; ++i) {
            for (int j = 0; j < 4; ++j) {
                out[static_cast<size_t>(i * 4 + j)] = static_cast<uint8_t>(m_h[i] >> (24 - 8 * j));
            }
        }
        return out;
    }

private:
    static uint32_t Rol(uint32_t v, int n) { return (v << n) | (v >> (32 - n)); }

    void Compress() {
        uint32_t w[80];
        for (int i = 0; i < 16; ++i) {
            w[i] = static_cast<uint32_t>(m_block[i * 4]) << 24 |
                   static_cast<uint32_t>(m_block[i * 4 + 1]) << 16 |
                   static_cast<uint32_t>(m_block[i * 4 + 2]) << 8 | m_block[i * 4 + 3];
        }
        for (int i = 16; i < 80; ++i) {
            w[i] = Rol(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        }
        uint32_t a = m_h[0], b = m_h[1], c = m_h[2], d = m_h[3], e = m_h[4];
        for (int i = 0; i < 80; ++i) {
            uint32_t f, k;
            if (i < 20) {
                f = (b & c) | (~b & d);
                k = 0x5A827999;
            } else if (i < 40) {
                f = b ^ c ^ d;
                k = 0x6ED9EBA1;
            } else if (i < 60) {
                f = (b & c) | (b & d) | (c & d);
                k = 0x8F1BBCDC;
            } else {
                f = b ^ c ^ d;
                k = 0xCA62C1D6;
            }
            uint32_t t = Rol(a, 5) + f + e + k + w[i];
            e = d;
            d = c;
            c = Rol(b, 30);
            b = a;
            a = t;
        }
        m_h[0] += a;
        m_h[1] += b;
        m_h[2] += c;
        m_h[3] += d;
        m_h[4] += e;
    }

    uint32_t m_h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    uint8_t m_block[64] = {};
    size_t m_used = 0;
    uint64_t m_bits = 0;
};

std::array<uint8_t, 20> HmacSha1(std::string_view key, const uint8_t* data, size_t size) {
    uint8_t k[64] = {};
    if (key.size() > 64) {
        Sha1 h;
        h.Update(reinterpret_cast<const uint8_t*>(key.data()), key.size());
        auto digest = h.Finish();
        std::memcpy(k, digest.data(), digest.size());
    } else {
        std::memcpy(k, key.data(), key.size());
    }
    uint8_t ipad[64], opad[64];
    for (int i = 0; i < 64; ++i) {
        ipad[i] = k[i] ^ 0x36;
        opad[i] = k[i] ^ 0x5C;
    }
    Sha1 inner;
    inner.Update(ipad, 64);
    inner.Update(data, size);
    auto innerDigest = inner.Finish();
    Sha1 outer;
    outer.Update(opad, 64);
    outer.Update(innerDigest.data(), innerDigest.size());
    return outer.Finish();
}

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    c = base::AsciiLower(c);
    return c >= u'a' && c <= u'f' ? c - u'a' + 10 : -1;
}

} // namespace

std::array<uint8_t, 32> DerivePsk(std::string_view passphrase, std::string_view ssid) {
    std::array<uint8_t, 32> out{};
    for (uint32_t blockIndex = 1; blockIndex <= 2; ++blockIndex) {
        std::vector<uint8_t> salt(ssid.begin(), ssid.end());
        for (int s = 24; s >= 0; s -= 8) {
            salt.push_back(static_cast<uint8_t>(blockIndex >> s));
        }
        auto u = HmacSha1(passphrase, salt.data(), salt.size());
        auto t = u;
        for (int round = 1; round < 4096; ++round) {
            u = HmacSha1(passphrase, u.data(), u.size());
            for (size_t i = 0; i < t.size(); ++i) {
                t[i] ^= u[i];
            }
        }
        size_t offset = (blockIndex - 1) * 20;
        for (size_t i = 0; i < 20 && offset + i < 32; ++i) {
            out[offset + i] = t[i];
        }
    }
    return out;
}

std::optional<std::vector<uint8_t>> WepKeyBytes(std::u16string_view text) {
    std::vector<uint8_t> bytes;
    if (text.size() == 10 || text.size() == 26) {
        for (size_t i = 0; i < text.size(); i += 2) {
            int hi = HexValue(text[i]);
            int lo = HexValue(text[i + 1]);
            if (hi < 0 || lo < 0) {
                return std::nullopt;
            }
            bytes.push_back(static_cast<uint8_t>(hi * 16 + lo));
        }
        return bytes;
    }
    if (text.size() == 5 || text.size() == 13) {
        for (char16_t c : text) {
            if (c > 0xFF) {
                return std::nullopt;
            }
            bytes.push_back(static_cast<uint8_t>(c));
        }
        return bytes;
    }
    return std::nullopt;
}

std::u16string NetworkPsk(const Network& network) {
    if (!network.pskHex.empty()) {
        return base::AsciiUpper(network.pskHex);
    }
    if (network.passphrase.empty()) {
        return {};
    }
    auto key = DerivePsk(base::Utf16ToUtf8(network.passphrase), base::Utf16ToUtf8(network.ssid));
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string out;
    for (uint8_t b : key) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

const char16_t* JoinResultName(JoinResult r) {
    switch (r) {
    case JoinResult::Joined:
        return u"joined";
    case JoinResult::WrongType:
        return u"wrong network type";
    case JoinResult::WrongSecurity:
        return u"security does not match";
    case JoinResult::WrongKey:
        return u"wrong key";
    case JoinResult::Refused:
        return u"refused (802.1X is not offered to this adapter)";
    }
    return u"?";
}

JoinResult Judge(const kernel::ConnectionBlock& block, const Network& network) {
    using namespace kernel;
    if (block.NetworkConnectType != network.networkType) {
        return JoinResult::WrongType;
    }
    const uint32_t flags = block.securityFlags;
    const uint32_t cipher = flags & 0xFFFF;
    const uint32_t auth = flags & 0xFFFF0000u;
    if (network.security & (kBssWpaRadius | kBssWpa2Radius)) {
        return JoinResult::Refused;
    }
    if (network.security == kBssOpen || network.security == 0) {
        return cipher == kCipherNone && (auth & (kAuthWpaPsk | kAuthWpa2Psk)) == 0
                   ? JoinResult::Joined
                   : JoinResult::WrongSecurity;
    }
    if (network.security == kBssWep) {
        if (cipher != kCipherWep || (auth & (kAuthWpaPsk | kAuthWpa2Psk)) != 0) {
            return JoinResult::WrongSecurity;
        }
        if (block.defaultKey > 3) {
            return JoinResult::WrongKey;
        }
        auto sent = WepKeyBytes(base::FieldText(block.wepKeys[block.defaultKey]));
        auto expected = WepKeyBytes(network.key);
        return sent && expected && *sent == *expected ? JoinResult::Joined : JoinResult::WrongKey;
    }
    // WPA family: the authentication must be one the network offers, with TKIP or AES.
    bool wpaOk = (auth & kAuthWpaPsk) && (network.security & kBssWpaPsk);
    bool wpa2Ok = (auth & kAuthWpa2Psk) && (network.security & kBssWpa2Psk);
    if ((!wpaOk && !wpa2Ok) || (cipher & (kCipherTkip | kCipherAes)) == 0) {
        return JoinResult::WrongSecurity;
    }
    std::u16string_view psk = base::FieldText(block.psk);
    bool hexForm =
        psk.size() == 64 && std::all_of(psk.begin(), psk.end(), [](char16_t c) { return HexValue(c) >= 0; });
    if (hexForm && (block.keyFormat & kKeyPskHex || network.passphrase.size() != 64)) {
        return base::AsciiUpper(psk) == NetworkPsk(network) ? JoinResult::Joined : JoinResult::WrongKey;
    }
    if (!network.passphrase.empty()) {
        return psk == network.passphrase ? JoinResult::Joined : JoinResult::WrongKey;
    }
    return JoinResult::WrongKey;
}

} // namespace skyvane
