#include "core/update/version_feed.h"

#include <charconv>

namespace update {
namespace {

bool IsPlainAddressText(std::string_view text) {
    for (unsigned char c : text)
        if (c <= ' ' || c == 0x7f) return false;
    return true;
}

// What follows the scheme has a host before any path.
bool HasHost(std::string_view address, std::string_view scheme) {
    if (address.substr(0, scheme.size()) != scheme) return false;
    std::string_view rest = address.substr(scheme.size());
    return !rest.empty() && rest.front() != '/' && rest.front() != ':' && IsPlainAddressText(address);
}

std::string_view TrimLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

std::optional<Version> ParseVersion(std::string_view text) {
    Version version;
    std::size_t index = 0;
    while (true) {
        if (index == version.parts.size()) return std::nullopt;
        const char* begin = text.data();
        const char* end = text.data() + text.size();
        unsigned value = 0;
        auto [next, error] = std::from_chars(begin, end, value);
        if (error != std::errc() || next == begin || value > 0xffff) return std::nullopt;
        version.parts[index++] = static_cast<std::uint16_t>(value);
        text.remove_prefix(static_cast<std::size_t>(next - begin));
        if (text.empty()) return version;
        if (text.front() != '.') return std::nullopt;
        text.remove_prefix(1);
    }
}

std::string VersionText(const Version& version) {
    std::string text = std::to_string(version.parts[0]);
    for (std::size_t i = 1; i < version.parts.size(); ++i) {
        text.push_back('.');
        text.append(std::to_string(version.parts[i]));
    }
    return text;
}

std::optional<Feed> ParseFeed(std::string_view text) {
    if (text.size() > kMaxFeedSize) return std::nullopt;
    std::optional<Version> version;
    std::optional<std::string> page;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = TrimLineEnd(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        std::string_view key = line.substr(0, equals);
        std::string_view value = line.substr(equals + 1);
        if (key == "version") {
            version = ParseVersion(value);
            if (!version) return std::nullopt;
        } else if (key == "page") {
            if (!IsHttpsAddress(value)) return std::nullopt;
            page = std::string(value);
        }
    }
    if (!version || !page) return std::nullopt;
    return Feed{*version, *page};
}

bool IsHttpsAddress(std::string_view address) { return HasHost(address, "https://"); }

bool IsLoopbackHttpAddress(std::string_view address) {
    for (std::string_view host : {"http://127.0.0.1", "http://localhost"}) {
        if (address.substr(0, host.size()) != host) continue;
        std::string_view rest = address.substr(host.size());
        if ((rest.empty() || rest.front() == ':' || rest.front() == '/') && IsPlainAddressText(address)) return true;
    }
    return false;
}

}  // namespace update
