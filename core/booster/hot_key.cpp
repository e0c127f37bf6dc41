#include "core/booster/hot_key.h"

#include "core/settings/settings_table.h"

namespace booster {
namespace {

constexpr std::int32_t kShift = settings::kHotKeyShift;
constexpr std::int32_t kCtrl = settings::kHotKeyCtrl;
constexpr std::int32_t kAlt = settings::kHotKeyAlt;
constexpr std::int32_t kKeyMask = settings::kHotKeyKeyMask;

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
