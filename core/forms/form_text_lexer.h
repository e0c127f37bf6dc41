#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/forms/read_budget.h"

namespace forms {

// One character of a string token: a byte between apostrophes, or a #code.
struct StringPiece {
    bool literal;
    std::uint32_t value;
};

struct Token {
    enum class Kind { EndOfText, Identifier, String, Number, Binary, Symbol };
    Kind kind = Kind::EndOfText;
    std::string text;                 // identifier, number or the symbol character
    std::vector<StringPiece> pieces;  // string
    std::vector<std::uint8_t> bytes;  // binary data: "{" hexadecimal digits "}"
    int line = 1;
};

// Malformed text at a line; the parser turns it into the "Wrong FRD Format" error.
struct SyntaxError {
    int line;
};

// Splits the text form into tokens, charging what they hold to the reader's budget.
class FormTextLexer {
public:
    FormTextLexer(std::string_view text, ReadBudget& budget);

    const Token& Peek() const { return current_; }
    Token Next();

private:
    void Advance();
    void SkipSpace();
    void ReadString();
    void ReadNumber();
    void ReadBinaryData();
    [[noreturn]] void Failure() const { throw SyntaxError{line_}; }

    std::string_view text_;
    ReadBudget& budget_;
    size_t pos_ = 0;
    int line_ = 1;
    Token current_;
};

}  // namespace forms
