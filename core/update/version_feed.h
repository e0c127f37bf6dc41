#pragma once
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The updater's version feed: a short text served over HTTPS, one "key=value" per line,
//   version=5.5.2.700
//   page=https://.../download
// Blank lines, lines starting with '#' and unknown keys are skipped, so the feed can grow.
// Anything else (no version, a version that is not up to four numbers, a download page that is
// not an https: address, an oversized answer) makes the whole answer malformed.
namespace update {

struct Version {
    std::array<std::uint16_t, 4> parts{};
    auto operator<=>(const Version&) const = default;
};

// "5.5.1.603"; missing trailing parts are 0 ("5.6" is 5.6.0.0).
std::optional<Version> ParseVersion(std::string_view text);
// All four parts: "5.6.0.0".
std::string VersionText(const Version& version);

struct Feed {
    Version version;
    std::string page;
};

inline constexpr std::size_t kMaxFeedSize = 4096;

std::optional<Feed> ParseFeed(std::string_view text);

// An https: address with a host and no spaces or control characters.
bool IsHttpsAddress(std::string_view address);
// An http: address of this machine (127.0.0.1 or localhost), accepted only as a test feed.
bool IsLoopbackHttpAddress(std::string_view address);

}  // namespace update
