#include "core/localizer/lzk.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace localizer {

namespace {

constexpr std::size_t kWindow = 2048;    // a candidate at distance 2048 or more has left it
constexpr std::size_t kLookAhead = 127;  // refilled from the source before every step
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kLongEnough = 8;  // a candidate longer than this ends the scan
constexpr int kCandidates = 40;         // most recent positions kept per byte value
constexpr std::size_t kMaxRun = 127;

// For each byte value, the most recent absolute positions at which it was consumed, in a
// ring: `head` is the newest slot, `count` how many are kept (at most 40; adding a 41st
// overwrites the oldest).
struct Candidates {
    std::uint32_t pos[256][kCandidates];
    std::uint8_t head[256];
    std::uint8_t count[256];

    Candidates() {
        std::memset(head, 0, sizeof head);
        std::memset(count, 0, sizeof count);
    }
    void Add(std::uint8_t b, std::uint32_t p) {
        head[b] = static_cast<std::uint8_t>(head[b] + 1 == kCandidates ? 0 : head[b] + 1);
        pos[b][head[b]] = p;
        if (count[b] < kCandidates) ++count[b];
    }
};

void FlushLiterals(const std::uint8_t* run, std::size_t length, std::vector<std::uint8_t>& out) {
    if (length == 0) return;
    out.push_back(static_cast<std::uint8_t>(length * 2));
    out.insert(out.end(), run, run + length);
}

}  // namespace

bool HasLzkSignature(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 5 && std::memcmp(bytes.data(), kLzkSignature, 5) == 0;
}

std::uint32_t LzkWord(std::span<const std::uint8_t> stream) {
    if (stream.size() < kLzkHeaderSize) return 0;
    return static_cast<std::uint32_t>(stream[5]) | static_cast<std::uint32_t>(stream[6]) << 8 |
           static_cast<std::uint32_t>(stream[7]) << 16 | static_cast<std::uint32_t>(stream[8]) << 24;
}

void LzkEncodeTokens(
    std::span<const std::uint8_t> source, std::vector<std::uint8_t>& out, const LzkProgress& progress
) {
    const std::uint8_t* src = source.data();
    const std::size_t n = source.size();
    auto chains = std::make_unique<Candidates>();
    Candidates& c = *chains;
    std::size_t pos = 0;
    std::size_t pending = 0;  // the pending literals are the `pending` bytes before `pos`
    out.reserve(out.size() + n / 2 + 16);
    while (pos < n) {
        const std::size_t look = std::min(kLookAhead, n - pos);
        std::size_t bestLength = 0, bestPos = 0;
        if (look >= kMinMatch) {
            const std::size_t maxLength = std::min(kMaxMatch, look);
            const std::uint8_t b = src[pos];
            const std::uint8_t* cur = src + pos;
            int head = c.head[b];
            const int count = c.count[b];
            for (int k = 0; k < count; ++k) {
                int slot = head - k;
                if (slot < 0) slot += kCandidates;
                const std::size_t p = c.pos[b][slot];
                if (pos - p >= kWindow) {
                    // Left the window: dropped with every older one, and the scan ends.
                    c.count[b] = static_cast<std::uint8_t>(k);
                    break;
                }
                // Only a candidate longer than the best so far (and than 2) can win, so it
                // must agree at that index; once the best has the longest possible length
                // no later candidate can change the outcome.
                const std::size_t need = std::max<std::size_t>(bestLength, kMinMatch - 1);
                if (need >= maxLength) break;
                const std::uint8_t* cand = src + p;
                if (cand[need] != cur[need]) continue;
                std::size_t length = 1;  // the first byte matches by construction
                while (length < maxLength && cand[length] == cur[length]) ++length;
                if (length > bestLength && length >= kMinMatch) {
                    bestLength = length;
                    bestPos = p;
                    if (length > kLongEnough) break;
                }
            }
        }
        if (bestLength) {
            FlushLiterals(src + pos - pending, pending, out);
            pending = 0;
            const unsigned offset = static_cast<unsigned>(pos - bestPos);
            const unsigned token = (offset * 2 + 1) + (static_cast<unsigned>(bestLength - kMinMatch) << 12);
            out.push_back(static_cast<std::uint8_t>(token));
            out.push_back(static_cast<std::uint8_t>(token >> 8));
            for (std::size_t k = 0; k < bestLength; ++k) c.Add(src[pos + k], static_cast<std::uint32_t>(pos + k));
            pos += bestLength;
        } else {
            if (pending == kMaxRun) {
                FlushLiterals(src + pos - pending, pending, out);
                pending = 0;
            }
            ++pending;
            c.Add(src[pos], static_cast<std::uint32_t>(pos));
            ++pos;
        }
        if (progress) progress(pos, n);
    }
    FlushLiterals(src + pos - pending, pending, out);
}

std::vector<std::uint8_t> LzkCompress(
    std::span<const std::uint8_t> source, std::uint32_t word, const LzkProgress& progress
) {
    std::vector<std::uint8_t> out(kLzkSignature, kLzkSignature + 5);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(word >> (8 * k)));
    LzkEncodeTokens(source, out, progress);
    return out;
}

void KCompressor::Compress(std::uint32_t word) {
    if (!Source) throw KCompressError(msg::kSourceNotDefined);
    if (!Destination) throw KCompressError(msg::kDestinationNotDefined);
    auto packed = LzkCompress(Source->Rest(), word, OnProgress);
    Source->Seek(Source->Size());
    Destination->Write(packed.data(), packed.size());
}

void KCompressor::Decompress() {
    if (!Source) throw KCompressError(msg::kSourceNotDefined);
    if (!Destination) throw KCompressError(msg::kDestinationNotDefined);
    Source->Seek(0);
    auto plain = LzkDecompress(Source->Rest(), OnProgress);
    Source->Seek(Source->Size());
    Destination->Write(plain.data(), plain.size());
}

void KCompressor::Decompress(MemoryStream& source, MemoryStream& destination) {
    Source = &source;
    Destination = &destination;
    Decompress();
}

bool KCompressor::IsCompressed(MemoryStream& stream) {
    std::size_t at = stream.Position();
    auto rest = stream.Rest();
    bool compressed = HasLzkSignature(rest);
    stream.Seek(at);
    return compressed;
}

}  // namespace localizer
