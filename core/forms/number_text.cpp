#include "core/forms/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace forms::number_text {
namespace {

// Extended numbers are the x87 80-bit format, which long double is on every target we build.
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be x87 extended");

// "1.5e-07" -> "1.5E-7": the exponent the way form texts write it.
std::string Tidy(const char* begin, const char* end) {
    std::string text(begin, end);
    const auto e = text.find('e');
    if (e == std::string::npos) return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (exponent[0] == '-') sign = "-";
        exponent.erase(0, 1);
    }
    const auto digits = exponent.find_first_not_of('0');
    exponent = digits == std::string::npos ? "0" : exponent.substr(digits);
    return mantissa + "E" + sign + exponent;
}

template <typename T>
std::string Shortest(T value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Tidy(buffer, result.ptr);
}

template <typename T>
bool Parse(std::string_view text, T& value) {
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

std::optional<std::string> FromExtended(const std::uint8_t (&extended)[10]) {
    long double value = 0;
    std::memcpy(&value, extended, 10);
    if (!std::isfinite(value)) return std::nullopt;
    std::string text = Shortest(value);
    std::uint8_t check[10];
    if (!ToExtended(text, check) || std::memcmp(check, extended, 10) != 0) return std::nullopt;
    if (text.find_first_of(".E") == std::string::npos) text += ".0";
    return text;
}

bool ToExtended(std::string_view text, std::uint8_t (&extended)[10]) {
    long double value = 0;
    if (!Parse(text, value)) return false;
    std::memcpy(extended, &value, 10);
    return true;
}

std::string FromSingle(float value) { return Shortest(value); }
std::string FromDouble(double value) { return Shortest(value); }
bool ToSingle(std::string_view text, float& value) { return Parse(text, value); }
bool ToDouble(std::string_view text, double& value) { return Parse(text, value); }

std::string FromCurrency(std::int64_t scaled) {
    const bool negative = scaled < 0;
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(scaled) : std::uint64_t(scaled);
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

bool ToCurrency(std::string_view text, std::int64_t& scaled) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty()) return false;
    for (std::string_view part : {whole, fraction})
        for (char c : part)
            if (c < '0' || c > '9') return false;
    // Accumulate unsigned so that the most negative value still fits.
    constexpr std::uint64_t limit = std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1;
    std::uint64_t magnitude = 0;
    auto addDigit = [&](std::uint64_t digit) {
        if (magnitude > (limit - digit) / 10) return false;
        magnitude = magnitude * 10 + digit;
        return true;
    };
    for (char c : whole)
        if (!addDigit(c - '0')) return false;
    for (size_t i = 0; i < 4; ++i)
        if (!addDigit(i < fraction.size() ? fraction[i] - '0' : 0)) return false;
    if (fraction.size() > 4 && fraction[4] >= '5') ++magnitude;
    if (magnitude > limit - (negative ? 0 : 1)) return false;
    scaled = negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
    return true;
}

}  // namespace forms::number_text
