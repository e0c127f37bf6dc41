#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

// The LZK00 encoder as its rules read, one step at a time and without regard to speed: the
// yardstick for the program's encoder, whose output must be the same token for token.
namespace lzk_reference {

inline std::vector<std::uint8_t> EncodeTokens(std::span<const std::uint8_t> src) {
    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> pending;
    std::array<std::deque<std::size_t>, 256> lists;  // per byte value, newest position first
    auto flush = [&] {
        if (pending.empty()) return;
        out.push_back(static_cast<std::uint8_t>(pending.size() * 2));
        out.insert(out.end(), pending.begin(), pending.end());
        pending.clear();
    };
    auto consume = [&](std::size_t p) {
        auto& list = lists[src[p]];
        list.push_front(p);
        if (list.size() > 40) list.pop_back();
    };
    std::size_t pos = 0;
    while (pos < src.size()) {
        const std::size_t look = std::min<std::size_t>(127, src.size() - pos);
        std::size_t best = 0, bestPos = 0;
        if (look >= 3) {
            auto& list = lists[src[pos]];
            for (std::size_t k = 0; k < list.size(); ++k) {
                if (pos - list[k] >= 2048) {
                    list.resize(k);
                    break;
                }
                std::size_t length = 1;
                while (length < std::min<std::size_t>(18, look) && src[list[k] + length] == src[pos + length]) ++length;
                if (length > 2 && length > best) {
                    best = length;
                    bestPos = list[k];
                    if (length > 8) break;
                }
            }
        }
        if (best) {
            flush();
            const std::size_t token = (pos - bestPos) * 2 + 1 + ((best - 3) << 12);
            out.push_back(static_cast<std::uint8_t>(token));
            out.push_back(static_cast<std::uint8_t>(token >> 8));
            for (std::size_t k = 0; k < best; ++k) consume(pos + k);
            pos += best;
        } else {
            if (pending.size() == 127) flush();
            pending.push_back(src[pos]);
            consume(pos);
            ++pos;
        }
    }
    flush();
    return out;
}

}  // namespace lzk_reference
