#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Decimal texts of the numbers in a form description, shared by the text writer and parser.
namespace forms::number_text {

// Shortest text that reads back to exactly these ten bytes, always with a "." or "E" so it
// is not taken for an integer; nothing when no decimal text does (infinities, NaNs,
// encodings the processor does not produce).
std::optional<std::string> FromExtended(const std::uint8_t (&extended)[10]);
bool ToExtended(std::string_view text, std::uint8_t (&extended)[10]);

// Shortest texts that read back to the same value; callers reject non-finite values first.
std::string FromSingle(float value);
std::string FromDouble(double value);
bool ToSingle(std::string_view text, float& value);
bool ToDouble(std::string_view text, double& value);

// Currency as its value times 10000: "1.5" <-> 15000. Digits beyond the fourth decimal round.
std::string FromCurrency(std::int64_t scaled);
bool ToCurrency(std::string_view text, std::int64_t& scaled);

}  // namespace forms::number_text
