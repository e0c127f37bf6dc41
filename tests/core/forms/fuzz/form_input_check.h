#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"

namespace formtest {

namespace detail {

// Text the writer produced must read back, and after one pass (which settles the few
// characters whose code is ambiguous between 8-bit and wide strings) convert unchanged
// through the binary form.
inline std::optional<std::string> CheckWrittenText(const std::string& text, bool mustBeSettled) {
    forms::Object parsed;
    try {
        parsed = forms::ParseFormText(text);
    } catch (const forms::FormError& error) {
        return std::string("written text does not parse: ") + error.what();
    }
    const std::string settled = forms::WriteFormText(parsed);
    if (mustBeSettled && settled != text) return "parsed text writes back differently";
    if (forms::WriteFormText(forms::ParseFormText(settled)) != settled) return "text does not settle";
    std::vector<std::uint8_t> binary;
    try {
        binary = forms::WriteFormBinary(forms::ParseFormText(settled));
    } catch (const forms::FormError&) {
        return std::nullopt;  // a name too long for the binary form: refused, as it should be
    }
    if (forms::WriteFormText(forms::ReadFormBinary(binary)) != settled) return "text changes through the binary form";
    return std::nullopt;
}

}  // namespace detail

// Feeds arbitrary bytes to both readers. They either refuse them with FormError or accept
// them, and whatever they accept must convert on consistently. Returns the broken promise.
inline std::optional<std::string> CheckFormInput(std::span<const std::uint8_t> data) {
    try {
        const forms::Object form = forms::ReadFormBinary(data);
        std::string text;
        try {
            text = forms::WriteFormText(form);
        } catch (const forms::FormError&) {
            text.clear();  // a value with no text form (NaN, invalid name): refused
        }
        if (!text.empty())
            if (auto problem = detail::CheckWrittenText(text, false)) return "binary input: " + *problem;
    } catch (const forms::FormError&) {
    }
    try {
        const std::string input(data.begin(), data.end());
        const std::string text = forms::WriteFormText(forms::ParseFormText(input));
        if (auto problem = detail::CheckWrittenText(text, true)) return "text input: " + *problem;
    } catch (const forms::FormError&) {
    }
    return std::nullopt;
}

}  // namespace formtest
