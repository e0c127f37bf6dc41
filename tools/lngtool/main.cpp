// lngtool: makes and checks language files.
//   lngtool compress IN OUT      LZK00-compresses IN (the 4-byte word is IN's length)
//   lngtool decompress IN OUT    decodes an LZK00 file
//   lngtool dump FILE            header fields and every unit/constant and
//                                form/component/property with ID, kind and value
//   lngtool build OUT [-c] STRINGS.DEF [FORM...]
//                                a native-language file from the program's string table
//                                and form descriptions (-c: compressed)
// Errors go to stderr with the system's message; the exit code is then 1 (2 for usage).
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/forms/code_page.h"
#include "core/forms/form_error.h"
#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_file.h"
#include "tools/lngtool/program_lang.h"

using namespace localizer;

namespace {

int Usage() {
    std::fputs(
        "usage: lngtool compress IN OUT\n"
        "       lngtool decompress IN OUT\n"
        "       lngtool dump FILE\n"
        "       lngtool build OUT [-c] STRINGS.DEF [FORM...]\n",
        stderr
    );
    return 2;
}

std::string Quoted(std::u16string_view text) {
    std::string utf8 = Utf16ToUtf8(text), out = "\"";
    for (char ch : utf8) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\x%02X", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

void PrintItem(const char* what, const LResItem& item, const std::string& extra) {
    const LResValue* v = item.Value(0);
    std::printf(
        "  %s %s id=%u%s kind=%u flags=0x%04X revision=%u extra=%08X:%08X value=%s\n", what, item.Name().c_str(),
        item.ID, extra.c_str(), item.Kind(), v ? v->Flags : 0, v ? v->Revision : 0, v ? v->Extra[0] : 0,
        v ? v->Extra[1] : 0, v ? Quoted(v->Text()).c_str() : "\"\""
    );
}

int Dump(const std::string& name) {
    BasicLocale locale;
    LangResource dict(locale);
    LangFile file;
    MemoryStream stream(ReadWholeFile(name));
    file.LoadInto(stream, &dict, 0, -1);
    std::printf("File: %s\nStorage: %s\n", name.c_str(), file.Compressed ? "LZK00" : "plain");
    std::printf(
        "Version: %u\nBuildStamp: %u\nLangStamp: %u\nLangID: 0x%04X\nHeaderWord50: %u\n", file.Version, file.BuildStamp,
        file.LangStamp, file.LangID, file.HeaderWord50
    );
    std::printf(
        "Name: %s\nNativeName: %s\nHeaderFlag: %s\nHeaderWord48: %u\n",
        Quoted(forms::Windows1252().ToWide(file.Name)).c_str(), Quoted(file.NativeName).c_str(),
        file.HeaderFlag ? "true" : "false", file.HeaderWord48
    );
    std::printf("LastConstID: %u\nLastPropID: %u\n", file.LastConstID, file.LastPropID);
    std::printf("Units: %d\n", dict.Units().Count());
    for (auto* unit : dict.Units()) {
        std::printf(
            "unit %s flags=0x%04X constants=%d\n", unit->Name().c_str(), unit->Flags, unit->Constants().Count()
        );
        for (auto* c : unit->Constants()) PrintItem("constant", *c, " resid=" + std::to_string(c->ResID));
    }
    std::printf("Forms: %d\n", dict.Forms().Count());
    for (auto* form : dict.Forms()) {
        std::printf(
            "form %s flags=0x%04X properties=%d components=%d\n", form->Name().c_str(), form->Flags,
            form->Properties().Count(), form->Components().Count()
        );
        for (auto* p : form->Properties()) PrintItem("property", *p, "");
        for (auto* component : form->Components()) {
            std::printf(" component %s properties=%d\n", component->Name().c_str(), component->Properties().Count());
            for (auto* p : component->Properties()) PrintItem(" property", *p, "");
        }
    }
    return 0;
}

std::string ReadText(const std::string& name) {
    auto bytes = ReadWholeFile(name);
    return std::string(bytes.begin(), bytes.end());
}

int Build(const std::vector<std::string>& args) {
    std::size_t i = 0;
    std::string out = args.at(i++);
    bool compress = false;
    if (i < args.size() && args[i] == "-c") {
        compress = true;
        ++i;
    }
    if (i >= args.size()) return Usage();
    BasicLocale locale;
    LangResource dict(locale);
    dict.LangID = 0x0409;
    lngtool::AddStringTable(dict, ReadText(args[i++]));
    for (; i < args.size(); ++i) {
        try {
            lngtool::AddFormText(dict, ReadText(args[i]));
        } catch (const forms::FormError& e) {
            throw Error(std::string(e.what()) + " (" + args[i] + ")");
        }
    }
    LangFile file;
    file.LangID = 0x0409;
    file.BuildStamp = 174;
    file.Name = "English";
    file.NativeName = u"English";
    lngtool::NumberItems(dict, file.LastConstID, file.LastPropID);
    file.SaveToFile(out, dict, 0, compress);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "compress" && args.size() == 2) {
            auto plain = ReadWholeFile(args[0]);
            WriteWholeFile(args[1], LzkCompress(plain, static_cast<std::uint32_t>(plain.size())));
            return 0;
        }
        if (command == "decompress" && args.size() == 2) {
            WriteWholeFile(args[1], LzkDecompress(ReadWholeFile(args[0])));
            return 0;
        }
        if (command == "dump" && args.size() == 1) return Dump(args[0]);
        if (command == "build" && args.size() >= 2) return Build(args);
        return Usage();
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "lngtool: Out of memory\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lngtool: %s\n", e.what());
    }
    return 1;
}
