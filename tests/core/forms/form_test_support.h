#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"

namespace formtest {

// The lines joined the way the text form ends them.
inline std::string Crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) (text += line) += "\r\n";
    return text;
}

inline std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// Text form -> binary -> text form.
inline std::string ThroughBinary(const std::string& text, int writerFormat = 6) {
    return forms::WriteFormText(forms::ReadFormBinary(forms::WriteFormBinary(forms::ParseFormText(text), writerFormat))
    );
}

// A form with a single property holding `value`.
inline forms::Object FormWith(forms::Value value) {
    forms::Object form;
    form.name = "Form1";
    form.className = "TForm1";
    form.properties.push_back({"Value", std::move(value)});
    return form;
}

// The property line of a one-property form written as text, without its line end.
inline std::string ValueLine(const std::string& text) {
    const auto start = text.find("\r\n") + 2;
    return text.substr(start, text.rfind("\r\nend") - start);
}

// A code page that, like Windows' conversion without WC_NO_BEST_FIT_CHARS, turns letters it
// lacks into look-alikes and does not report it: "\u00E9" becomes "e".
class BestFit final : public forms::CodePage {
public:
    std::u16string ToWide(std::string_view text) const override { return {text.begin(), text.end()}; }
    std::optional<std::string> ToNarrow(std::u16string_view text) const override {
        std::string narrow;
        for (char16_t c : text) {
            if (c >= 0x80 && c != u'\u00E9') return std::nullopt;
            narrow.push_back(c == u'\u00E9' ? 'e' : char(c));
        }
        return narrow;
    }
};

}  // namespace formtest
