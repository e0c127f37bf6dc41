#include "tools/lngtool/text_shape.h"

#include <algorithm>
#include <cctype>

namespace lngtool {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : " ") + part;
    return text.empty() ? "none" : text;
}

}  // namespace

// A placeholder as the program's formatting reads it: "%%", or "%", an optional index with
// ":", an optional "-", width and precision, and a type letter; a "%" followed by anything
// else stands alone.
std::vector<std::string> Placeholders(const std::string& text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            found.push_back("%%");
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        auto digits = [&] {
            while (end < text.size() && IsDigit(text[end])) ++end;
        };
        digits();
        if (end < text.size() && text[end] == ':') ++end;
        if (end < text.size() && text[end] == '-') ++end;
        digits();
        if (end + 1 < text.size() && text[end] == '.' && IsDigit(text[end + 1])) {
            ++end;
            digits();
        }
        if (end < text.size() && IsLetter(text[end])) {
            found.push_back(text.substr(i, end + 1 - i));
            i = end;
        } else {
            found.push_back("%");
        }
    }
    return found;
}

int MnemonicCount(const std::string& text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (i + 1 < text.size() && text[i + 1] == '&')
            ++i;
        else
            ++count;
    }
    return count;
}

std::optional<std::string> ShapeDifference(const std::string& source, const std::string& translation) {
    std::vector<std::string> differences;
    auto sourcePlaces = Placeholders(source), translatedPlaces = Placeholders(translation);
    std::sort(sourcePlaces.begin(), sourcePlaces.end());
    std::sort(translatedPlaces.begin(), translatedPlaces.end());
    if (sourcePlaces != translatedPlaces)
        differences.push_back(
            "placeholders " + Joined(Placeholders(source)) + " became " + Joined(Placeholders(translation))
        );
    if (MnemonicCount(source) != MnemonicCount(translation))
        differences.push_back(
            "mnemonics " + std::to_string(MnemonicCount(source)) + " became " +
            std::to_string(MnemonicCount(translation))
        );
    const auto breaks = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
    if (breaks(source) != breaks(translation))
        differences.push_back(
            "line breaks " + std::to_string(breaks(source)) + " became " + std::to_string(breaks(translation))
        );
    if (differences.empty()) return std::nullopt;
    std::string text = differences[0];
    for (std::size_t i = 1; i < differences.size(); ++i) text += ", " + differences[i];
    return text;
}

}  // namespace lngtool
