#include "core/forms/form_text_lexer.h"

#include "core/forms/identifier.h"

namespace forms {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

constexpr std::string_view kSymbols = "=:()[]<>,+";
constexpr std::uint32_t kMaxCharCode = 0xFFFF;

}  // namespace

FormTextLexer::FormTextLexer(std::string_view text, ReadBudget& budget) : text_(text), budget_(budget) { Advance(); }

Token FormTextLexer::Next() {
    Token token = std::move(current_);
    Advance();
    return token;
}

void FormTextLexer::SkipSpace() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '\n') {
            ++line_;
        } else if (c != ' ' && c != '\t' && c != '\r') {
            return;
        }
        ++pos_;
    }
}

void FormTextLexer::Advance() {
    SkipSpace();
    current_ = Token();
    current_.line = line_;
    if (pos_ >= text_.size()) return;
    const char c = text_[pos_];
    if (IsIdentifierStart(c)) {
        const size_t start = pos_;
        while (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) ++pos_;
        current_.kind = Token::Kind::Identifier;
        budget_.Charge(pos_ - start);
        current_.text = std::string(text_.substr(start, pos_ - start));
    } else if (c == '\'' || c == '#') {
        ReadString();
    } else if (c == '{') {
        ReadBinaryData();
    } else if (IsDigit(c) || c == '-' || c == '$') {
        ReadNumber();
    } else if (kSymbols.find(c) != std::string_view::npos) {
        current_.kind = Token::Kind::Symbol;
        current_.text = std::string(1, c);
        ++pos_;
    } else {
        Failure();
    }
}

// Quoted runs and #codes written next to each other form one string.
void FormTextLexer::ReadString() {
    current_.kind = Token::Kind::String;
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
        if (text_[pos_] == '#') {
            ++pos_;
            std::uint32_t code = 0;
            const bool hex = pos_ < text_.size() && text_[pos_] == '$';
            if (hex) ++pos_;
            const size_t start = pos_;
            for (; pos_ < text_.size(); ++pos_) {
                const int digit = hex ? HexDigit(text_[pos_]) : (IsDigit(text_[pos_]) ? text_[pos_] - '0' : -1);
                if (digit < 0) break;
                code = code * (hex ? 16 : 10) + std::uint32_t(digit);
                if (code > kMaxCharCode) Failure();
            }
            if (pos_ == start) Failure();
            budget_.Add(current_.pieces, {false, code});
            continue;
        }
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n') Failure();
            const char c = text_[pos_++];
            if (c == '\'') {
                if (pos_ < text_.size() && text_[pos_] == '\'') {
                    ++pos_;
                } else {
                    break;
                }
            }
            budget_.Add(current_.pieces, {true, static_cast<unsigned char>(c)});
        }
    }
}

// Integers ("-12", "$FF"), floating-point numbers ("1.5", "2E-3") and the suffixed kinds
// ("1.5s", "2c", "45000d"); the value is decided by the parser.
void FormTextLexer::ReadNumber() {
    current_.kind = Token::Kind::Number;
    const size_t start = pos_;
    if (text_[pos_] == '$') {
        ++pos_;
        while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) ++pos_;
    } else {
        if (text_[pos_] == '-') ++pos_;
        auto digits = [&] {
            const size_t from = pos_;
            while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
            return pos_ > from;
        };
        if (!digits()) Failure();
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            digits();
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (!digits()) Failure();
        }
        if (pos_ < text_.size() && std::string_view("sScCdD").find(text_[pos_]) != std::string_view::npos) ++pos_;
    }
    if (pos_ - start < 2 && text_[start] == '$') Failure();
    if (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) Failure();
    budget_.Charge(pos_ - start);
    current_.text = std::string(text_.substr(start, pos_ - start));
}

void FormTextLexer::ReadBinaryData() {
    current_.kind = Token::Kind::Binary;
    ++pos_;
    for (;;) {
        SkipSpace();
        if (pos_ >= text_.size()) Failure();
        if (text_[pos_] == '}') break;
        if (pos_ + 1 >= text_.size()) Failure();
        const int high = HexDigit(text_[pos_]), low = HexDigit(text_[pos_ + 1]);
        if (high < 0 || low < 0) Failure();
        budget_.Add(current_.bytes, std::uint8_t(high * 16 + low));
        pos_ += 2;
    }
    ++pos_;
}

}  // namespace forms
