#include "tools/lngtool/program_lang.h"

#include <stdexcept>
#include <string_view>

#include "core/forms/code_page.h"
#include "core/forms/form_text.h"

namespace lngtool {

namespace {

using namespace localizer;

std::u16string Wide(const std::string& narrow) { return forms::Windows1252().ToWide(narrow); }

// The C string literal at `i` (on the opening quote), escapes resolved.
std::string ReadLiteral(const std::string& s, std::size_t& i) {
    std::string out;
    ++i;
    while (i < s.size() && s[i] != '"') {
        char c = s[i++];
        if (c != '\\' || i >= s.size()) {
            out += c;
            continue;
        }
        char e = s[i++];
        switch (e) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '0':
            case '1':
            case '2':
            case '3':
            case '4':
            case '5':
            case '6':
            case '7': {
                int v = e - '0';
                for (int k = 0; k < 2 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++k) v = v * 8 + (s[i++] - '0');
                out += static_cast<char>(v);
                break;
            }
            default:
                out += e;
        }
    }
    ++i;
    return out;
}

std::string Trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool IsSizeProperty(const std::string& name) {
    for (const char* n : {"Left", "Top", "Width", "Height", "ClientWidth", "ClientHeight", "Font.Height"})
        if (name == n) return true;
    return false;
}

// Texts that name things rather than say something: font faces and embedded pictures stay
// as they are in every language.
bool IsNameProperty(const std::string& name) {
    auto endsWith = [&](std::string_view tail) {
        return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    };
    return endsWith("Font.Name") || name == "ResourceName" || endsWith(".ResourceName");
}

void AddProperties(LResFormItem* form, const std::string& component, const std::vector<forms::Property>& props) {
    for (const auto& p : props) {
        const auto& v = p.value;
        switch (v.type) {
            case forms::ValueType::String:
            case forms::ValueType::Utf8String:
            case forms::ValueType::WideString: {
                std::u16string text = v.type == forms::ValueType::WideString ? v.wide
                                      : v.type == forms::ValueType::String   ? Wide(v.text)
                                                                             : forms::Utf8ToUtf16(v.text);
                LResPropertyItem* item = form->FindOrAddProperty(0, component, p.name, kKindText);
                item->Value(0)->SetText(text);
                if (IsNameProperty(p.name)) item->SetFlags(kFlagNeverTranslate, true);
                break;
            }
            case forms::ValueType::List: {
                std::u16string lines;
                bool strings = !v.list.empty();
                for (const auto& item : v.list) {
                    if (item.type != forms::ValueType::String && item.type != forms::ValueType::WideString)
                        strings = false;
                    if (!lines.empty()) lines += u"\r\n";
                    lines += item.type == forms::ValueType::WideString ? item.wide : Wide(item.text);
                }
                if (strings) form->FindOrAddProperty(0, component, p.name, kKindLines)->Value(0)->SetText(lines);
                break;
            }
            case forms::ValueType::Integer:
                if (IsSizeProperty(p.name))
                    form->FindOrAddProperty(0, component, p.name, kKindInteger)
                        ->Value(0)
                        ->SetText(Wide(std::to_string(v.integer)));
                break;
            case forms::ValueType::Ident:
                if (p.name == "Font.Charset")
                    form->FindOrAddProperty(0, component, p.name, kKindIdent)->Value(0)->SetText(Wide(v.text));
                break;
            default:
                break;
        }
    }
}

// Components go by their own name, as the form translation finds them; those inside an
// inline frame by the frame's path, a dot and their name.
void AddObject(LResFormItem* form, const forms::Object& object, const std::string& prefix) {
    for (const auto& child : object.children) {
        if (child.name.empty()) continue;
        const std::string path = prefix + child.name;
        AddProperties(form, path, child.properties);
        AddObject(form, child, (child.flags & forms::kInline) ? path + "." : prefix);
    }
}

}  // namespace

void AddStringTable(LangResource& dict, const std::string& text) {
    std::size_t at = 0;
    while ((at = text.find("STRING(", at)) != std::string::npos) {
        if (at > 0 && text[at - 1] != '\n') {
            at += 7;
            continue;
        }
        std::size_t i = at + 7;
        std::string fields[3];
        for (auto& f : fields) {
            std::size_t comma = text.find(',', i);
            if (comma == std::string::npos) throw std::runtime_error("strings.def: malformed entry");
            f = Trimmed(text.substr(i, comma - i));
            i = comma + 1;
        }
        while (i < text.size() && text[i] == ' ') ++i;
        if (i >= text.size() || text[i] != '"') throw std::runtime_error("strings.def: malformed entry");
        std::string value = ReadLiteral(text, i);
        auto* c = dict.Units().FindOrAdd(fields[0])->FindOrAddConstant(
            fields[1], 0, static_cast<std::uint16_t>(std::stoul(fields[2]))
        );
        c->Value(0)->SetText(Wide(value));
        at = i;
    }
}

void AddFormText(LangResource& dict, const std::string& formText) {
    forms::Object top = forms::ParseFormText(formText);
    LResFormItem* form = dict.Forms().FindOrAdd(top.name);
    AddProperties(form, "", top.properties);
    AddObject(form, top, "");
}

void NumberItems(LangResource& dict, std::uint32_t& lastConst, std::uint32_t& lastProp) {
    lastConst = lastProp = 0;
    for (auto* c : dict.BuildConstantList(false).Items) c->ID = ++lastConst;
    for (auto* p : dict.BuildPropertyList(false).Items) p->ID = ++lastProp;
}

}  // namespace lngtool
