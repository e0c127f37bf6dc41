#include <charconv>
#include <limits>
#include <new>
#include <optional>
#include <stdexcept>

#include "core/forms/form_text.h"
#include "core/forms/form_text_lexer.h"
#include "core/forms/identifier.h"
#include "core/forms/number_text.h"

namespace forms {
namespace {

// Deep enough for any real window, shallow enough that hostile text cannot exhaust the stack.
constexpr int kMaxDepth = 100;

class TextParser {
public:
    TextParser(std::string_view text, const CodePage& codePage, ReadBudget& budget)
        : budget_(budget), lexer_(text, budget), codePage_(codePage) {}

    Object Parse() {
        budget_.Charge(sizeof(Object));
        Object form;
        ParseObject(form, 0);
        if (lexer_.Peek().kind != Token::Kind::EndOfText) Fail();
        return form;
    }

    const std::string& FormName() const { return formName_; }

private:
    [[noreturn]] void Fail() const { throw SyntaxError{lexer_.Peek().line}; }

    void CheckDepth(int depth) const {
        if (depth > kMaxDepth) Fail();
    }

    bool AtSymbol(char symbol) const {
        const Token& token = lexer_.Peek();
        return token.kind == Token::Kind::Symbol && token.text[0] == symbol;
    }

    bool AtWord(std::string_view word) const {
        const Token& token = lexer_.Peek();
        return token.kind == Token::Kind::Identifier && SameText(token.text, word);
    }

    bool AtObjectHeader() const { return AtWord("object") || AtWord("inherited") || AtWord("inline"); }

    void Expect(char symbol) {
        if (!AtSymbol(symbol)) Fail();
        lexer_.Next();
    }

    void ExpectWord(std::string_view word) {
        if (!AtWord(word)) Fail();
        lexer_.Next();
    }

    std::string Identifier() {
        if (lexer_.Peek().kind != Token::Kind::Identifier) Fail();
        return lexer_.Next().text;
    }

    std::int32_t Integer() {
        const Value value = ParseNumber();
        if (value.type != ValueType::Integer) Fail();
        return std::int32_t(value.integer);
    }

    std::int32_t BracketedInteger() {
        Expect('[');
        const std::int32_t value = Integer();
        Expect(']');
        return value;
    }

    void ParseObject(Object& object, int depth) {
        CheckDepth(depth);
        if (AtWord("inherited")) {
            object.flags |= kInherited;
        } else if (AtWord("inline")) {
            object.flags |= kInline;
        } else if (!AtWord("object")) {
            Fail();
        }
        lexer_.Next();
        object.className = Identifier();
        if (AtSymbol(':')) {
            lexer_.Next();
            object.name = std::move(object.className);
            object.className = Identifier();
        }
        if (depth == 0) formName_ = object.name;
        if (AtSymbol('[')) {
            object.flags |= kChildPos;
            object.position = BracketedInteger();
        }
        while (!AtObjectHeader() && !AtWord("end")) ParseProperty(object.properties, depth);
        while (AtObjectHeader()) {
            budget_.Grow(object.children);
            ParseObject(object.children.emplace_back(), depth + 1);
        }
        ExpectWord("end");
    }

    void ParseProperty(std::vector<Property>& properties, int depth) {
        budget_.Grow(properties);
        Property& property = properties.emplace_back();
        property.name = Identifier();
        Expect('=');
        property.value = ParseValue(depth + 1);
    }

    // The value's own storage is charged by its container; what it holds, here.
    Value ParseValue(int depth) {
        CheckDepth(depth);
        const Token& token = lexer_.Peek();
        switch (token.kind) {
            case Token::Kind::String:
                return ParseString();
            case Token::Kind::Number:
                return ParseNumber();
            case Token::Kind::Identifier:
                return ParseWord();
            case Token::Kind::Binary: {
                Value value;
                value.type = ValueType::Binary;
                value.binary = std::move(lexer_.Next().bytes);
                return value;
            }
            case Token::Kind::Symbol:
                if (AtSymbol('[')) return ParseSet();
                if (AtSymbol('(')) return ParseList(depth);
                if (AtSymbol('<')) return ParseCollection(depth);
                break;
            case Token::Kind::EndOfText:
                break;
        }
        Fail();
    }

    Value ParseWord() {
        Value value;
        std::string word = std::move(lexer_.Next().text);
        if (SameText(word, "True")) {
            value.type = ValueType::True;
        } else if (SameText(word, "False")) {
            value.type = ValueType::False;
        } else if (SameText(word, "nil")) {
            value.type = ValueType::Nil;
        } else {
            value.type = ValueType::Ident;
            value.text = std::move(word);
        }
        return value;
    }

    // Pieces joined with "+". Characters between apostrophes are bytes of the code page; a
    // #code is the character of that number (Unicode). A code above 255 makes the string
    // wide, and so does a code from 128 to 255 whose character the code page lacks: a wide
    // string's characters that the writer gives as codes come back as the same characters,
    // never as the code page's byte of that number ("caf"#233 in Windows-1251 is "caf\u00E9",
    // not the Cyrillic letter of byte 233).
    Value ParseString() {
        std::vector<StringPiece> pieces = std::move(lexer_.Next().pieces);
        while (AtSymbol('+')) {
            lexer_.Next();
            if (lexer_.Peek().kind != Token::Kind::String) Fail();
            const Token next = lexer_.Next();
            for (const StringPiece& piece : next.pieces) budget_.Add(pieces, StringPiece(piece));
        }
        Value value;
        if (auto narrow = NarrowString(pieces)) {
            value.type = ValueType::String;
            value.text = std::move(*narrow);
            return value;
        }
        budget_.Charge(pieces.size() * sizeof(char16_t));
        value.type = ValueType::WideString;
        std::string literal;
        for (const StringPiece& piece : pieces) {
            if (piece.literal) {
                literal.push_back(char(piece.value));
                continue;
            }
            value.wide += codePage_.ToWide(literal);
            literal.clear();
            value.wide.push_back(char16_t(piece.value));
        }
        value.wide += codePage_.ToWide(literal);
        return value;
    }

    std::optional<std::string> NarrowString(const std::vector<StringPiece>& pieces) {
        budget_.Charge(pieces.size());
        std::string text;
        text.reserve(pieces.size());
        for (const StringPiece& piece : pieces) {
            if (piece.literal || piece.value < 0x80) {
                text.push_back(char(piece.value));
                continue;
            }
            if (piece.value > 0xFF) return std::nullopt;
            const char16_t c = char16_t(piece.value);
            const auto byte = ExactNarrow(codePage_, std::u16string_view(&c, 1));
            if (!byte || byte->size() != 1) return std::nullopt;
            text.push_back((*byte)[0]);
        }
        return text;
    }

    Value ParseNumber() {
        if (lexer_.Peek().kind != Token::Kind::Number) Fail();
        const std::string text = lexer_.Peek().text;
        Value value;
        bool valid;
        const char suffix = char(text.back() | 0x20);
        const std::string_view body = std::string_view(text).substr(0, text.size() - 1);
        if (text[0] == '$') {
            value.type = ValueType::Integer;
            std::uint32_t bits = 0;
            const auto result = std::from_chars(text.data() + 1, text.data() + text.size(), bits, 16);
            valid = result.ec == std::errc() && result.ptr == text.data() + text.size();
            value.integer = std::int32_t(bits);
        } else if (suffix == 's') {
            value.type = ValueType::Single;
            float single = 0;
            valid = number_text::ToSingle(body, single);
            value.real = single;
        } else if (suffix == 'd') {
            value.type = ValueType::Date;
            valid = number_text::ToDouble(body, value.real);
        } else if (suffix == 'c') {
            value.type = ValueType::Currency;
            valid = number_text::ToCurrency(body, value.integer);
        } else if (text.find_first_of(".eE") != std::string::npos) {
            value.type = ValueType::Extended;
            valid = number_text::ToExtended(text, value.extended);
        } else {
            value.type = ValueType::Integer;
            std::int32_t integer = 0;
            const auto result = std::from_chars(text.data(), text.data() + text.size(), integer);
            valid = result.ec == std::errc() && result.ptr == text.data() + text.size();
            value.integer = integer;
        }
        if (!valid) Fail();
        lexer_.Next();
        return value;
    }

    Value ParseSet() {
        Expect('[');
        Value value;
        value.type = ValueType::Set;
        if (!AtSymbol(']')) {
            budget_.Add(value.names, Identifier());
            while (AtSymbol(',')) {
                lexer_.Next();
                budget_.Add(value.names, Identifier());
            }
        }
        Expect(']');
        return value;
    }

    Value ParseList(int depth) {
        Expect('(');
        Value value;
        value.type = ValueType::List;
        while (!AtSymbol(')')) {
            budget_.Grow(value.list);
            value.list.push_back(ParseValue(depth + 1));
        }
        Expect(')');
        return value;
    }

    Value ParseCollection(int depth) {
        Expect('<');
        Value value;
        value.type = ValueType::Collection;
        while (!AtSymbol('>')) {
            budget_.Grow(value.items);
            CollectionItem& item = value.items.emplace_back();
            ExpectWord("item");
            if (AtSymbol('[')) item.order = BracketedInteger();
            while (!AtWord("end")) ParseProperty(item.properties, depth);
            lexer_.Next();
        }
        Expect('>');
        return value;
    }

    ReadBudget& budget_;
    FormTextLexer lexer_;
    const CodePage& codePage_;
    std::string formName_;
};

}  // namespace

Object ParseFormText(std::string_view text, const CodePage& codePage, const ReadLimits& limits) {
    std::string formName;
    ReadBudget budget(text.size(), limits);
    try {
        TextParser parser(text, codePage, budget);
        try {
            return parser.Parse();
        } catch (const SyntaxError&) {
            formName = parser.FormName();
            throw;
        }
    } catch (const SyntaxError& error) {
        throw FormError("Wrong FRD Format\r\nLine#: " + std::to_string(error.line) + "\r\nForm: " + formName);
    } catch (const std::bad_alloc&) {
        throw FormError("Form description too large: out of memory while reading it");
    } catch (const std::length_error&) {
        throw FormError("Form description too large: out of memory while reading it");
    }
}

}  // namespace forms
