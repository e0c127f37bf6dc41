#include <charconv>
#include <limits>

#include "core/forms/form_text.h"
#include "core/forms/form_text_lexer.h"
#include "core/forms/number_text.h"

namespace forms {
namespace {

// Deep enough for any real window, shallow enough that hostile text cannot exhaust the stack.
constexpr int kMaxDepth = 100;

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

class TextParser {
public:
    TextParser(std::string_view text, const CodePage& codePage) : lexer_(text), codePage_(codePage) {}

    Object Parse() {
        Object form = ParseObject(0);
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

    Object ParseObject(int depth) {
        CheckDepth(depth);
        Object object;
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
        while (!AtObjectHeader() && !AtWord("end")) object.properties.push_back(ParseProperty(depth));
        while (AtObjectHeader()) object.children.push_back(ParseObject(depth + 1));
        ExpectWord("end");
        return object;
    }

    Property ParseProperty(int depth) {
        Property property;
        property.name = Identifier();
        Expect('=');
        property.value = ParseValue(depth + 1);
        return property;
    }

    Value ParseValue(int depth) {
        CheckDepth(depth);
        const Token& token = lexer_.Peek();
        switch (token.kind) {
        case Token::Kind::String: return ParseString();
        case Token::Kind::Number: return ParseNumber();
        case Token::Kind::Identifier: return ParseWord();
        case Token::Kind::Binary: {
            Value value;
            value.type = ValueType::Binary;
            value.binary = lexer_.Next().bytes;
            return value;
        }
        case Token::Kind::Symbol:
            if (AtSymbol('[')) return ParseSet();
            if (AtSymbol('(')) return ParseList(depth);
            if (AtSymbol('<')) return ParseCollection(depth);
            break;
        case Token::Kind::EndOfText: break;
        }
        Fail();
    }

    Value ParseWord() {
        Value value;
        const std::string word = lexer_.Next().text;
        if (SameText(word, "True")) {
            value.type = ValueType::True;
        } else if (SameText(word, "False")) {
            value.type = ValueType::False;
        } else if (SameText(word, "nil")) {
            value.type = ValueType::Nil;
        } else {
            value.type = ValueType::Ident;
            value.text = word;
        }
        return value;
    }

    // Pieces joined with "+"; a code above 255 anywhere makes the whole string wide.
    Value ParseString() {
        std::vector<StringPiece> pieces = lexer_.Next().pieces;
        while (AtSymbol('+')) {
            lexer_.Next();
            if (lexer_.Peek().kind != Token::Kind::String) Fail();
            const Token next = lexer_.Next();
            pieces.insert(pieces.end(), next.pieces.begin(), next.pieces.end());
        }
        Value value;
        bool wide = false;
        for (const StringPiece& piece : pieces) wide = wide || (!piece.literal && piece.value > 255);
        if (!wide) {
            value.type = ValueType::String;
            for (const StringPiece& piece : pieces) value.text.push_back(char(piece.value));
            return value;
        }
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
            value.names.push_back(Identifier());
            while (AtSymbol(',')) {
                lexer_.Next();
                value.names.push_back(Identifier());
            }
        }
        Expect(']');
        return value;
    }

    Value ParseList(int depth) {
        Expect('(');
        Value value;
        value.type = ValueType::List;
        while (!AtSymbol(')')) value.list.push_back(ParseValue(depth + 1));
        Expect(')');
        return value;
    }

    Value ParseCollection(int depth) {
        Expect('<');
        Value value;
        value.type = ValueType::Collection;
        while (!AtSymbol('>')) {
            CollectionItem item;
            ExpectWord("item");
            if (AtSymbol('[')) item.order = BracketedInteger();
            while (!AtWord("end")) item.properties.push_back(ParseProperty(depth));
            lexer_.Next();
            value.items.push_back(std::move(item));
        }
        Expect('>');
        return value;
    }

    FormTextLexer lexer_;
    const CodePage& codePage_;
    std::string formName_;
};

}  // namespace

Object ParseFormText(std::string_view text, const CodePage& codePage) {
    std::string formName;
    try {
        TextParser parser(text, codePage);
        try {
            return parser.Parse();
        } catch (const SyntaxError&) {
            formName = parser.FormName();
            throw;
        }
    } catch (const SyntaxError& error) {
        throw FormError("Wrong FRD Format\r\nLine#: " + std::to_string(error.line) + "\r\nForm: " + formName);
    }
}

}  // namespace forms
