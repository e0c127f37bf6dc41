#include "core/booster/hot_key.h"

namespace booster {
namespace {

constexpr std::int32_t kShift = 0x2000;
constexpr std::int32_t kCtrl = 0x4000;
constexpr std::int32_t kAlt = 0x8000;
constexpr std::int32_t kKeyMask = 0x00FF;

constexpr unsigned kFirstFunctionKey = 0x70;  // F1
constexpr unsigned kLastFunctionKey = 0x87;   // F24

}  // namespace

std::optional<HotKey> HotKeyFromShortcut(std::int32_t code) {
    if (code <= 0 || (code & ~(kKeyMask | kShift | kCtrl | kAlt)) != 0) return std::nullopt;
    HotKey key{0, static_cast<unsigned>(code & kKeyMask)};
    if (key.virtualKey == 0) return std::nullopt;
    if (code & kShift) key.modifiers |= kModShift;
    if (code & kCtrl) key.modifiers |= kModControl;
    if (code & kAlt) key.modifiers |= kModAlt;
    bool functionKey = key.virtualKey >= kFirstFunctionKey && key.virtualKey <= kLastFunctionKey;
    if (!functionKey && (key.modifiers & (kModControl | kModAlt)) == 0) return std::nullopt;
    return key;
}

}  // namespace booster
