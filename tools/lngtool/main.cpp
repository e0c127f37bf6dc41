// lngtool: makes and checks language files.
//   lngtool compress IN OUT      LZK00-compresses IN (the 4-byte word is IN's length)
//   lngtool decompress IN OUT    decodes an LZK00 file
//   lngtool dump FILE            header fields and every unit/constant and
//                                form/component/property with ID, kind and value
//   lngtool build OUT [-c] STRINGS.DEF [FORM...]
//                                a native-language file from the program's string table
//                                and form descriptions (-c: compressed)
//   lngtool settings OUT         the program's language settings record ("KEXE")
//   lngtool extract NTV POT      the translators' template from the native language file
//   lngtool compile NTV PO DIR   a translation to DIR/<program>.<abbreviation>.lng, where
//                                <program> is NTV's name before ".ntv.lng"
//   lngtool coverage NTV PO...   untranslated, obsolete and misshapen entries per language; exit code 1
//                                when any language is incomplete
// Errors go to stderr with the system's message; the exit code is then 1 (2 for usage).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "core/forms/code_page.h"
#include "core/forms/form_error.h"
#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_file.h"
#include "core/localizer/lang_settings.h"
#include "tools/lngtool/po_catalog.h"
#include "tools/lngtool/program_lang.h"

using namespace localizer;

namespace {

// A name from the command line as the file functions take it.
std::wstring Path(const std::string& name) { return std::filesystem::path(name).wstring(); }

int Usage() {
    std::fputs(
        "usage: lngtool compress IN OUT\n"
        "       lngtool decompress IN OUT\n"
        "       lngtool dump FILE\n"
        "       lngtool build OUT [-c] STRINGS.DEF [FORM...]\n"
        "       lngtool settings OUT\n"
        "       lngtool extract NTV POT\n"
        "       lngtool compile NTV PO DIR\n"
        "       lngtool coverage NTV PO...\n",
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
    MemoryStream stream(ReadWholeFile(Path(name)));
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
    auto bytes = ReadWholeFile(Path(name));
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
    dict.LangID = kProgramLangId;
    lngtool::AddStringTable(dict, ReadText(args[i++]));
    for (; i < args.size(); ++i) {
        try {
            lngtool::AddFormText(dict, ReadText(args[i]));
        } catch (const forms::FormError& e) {
            throw Error(std::string(e.what()) + " (" + args[i] + ")");
        }
    }
    const LangSettings program = ProgramLangSettings();
    LangFile file;
    file.LangID = program.LangID;
    file.BuildStamp = program.BuildStamp;
    file.Name = program.Name;
    file.NativeName = program.NativeName;
    lngtool::NumberItems(dict, file.LastConstID, file.LastPropID);
    file.SaveToFile(Path(out), dict, 0, compress);
    return 0;
}

void WriteText(const std::string& name, const std::string& text) {
    WriteWholeFile(Path(name), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// The native language file as the dictionary's structure.
LangFile LoadNative(LangResource& dict, const std::string& name) {
    LangFile file;
    MemoryStream stream(ReadWholeFile(Path(name)));
    file.LoadInto(stream, &dict, 0, -1);
    return file;
}

lngtool::PoCatalog LoadPo(const std::string& name) {
    try {
        return lngtool::ParsePo(ReadText(name));
    } catch (const std::runtime_error& e) {
        throw Error(name + ": " + e.what());
    }
}

int Extract(const std::string& native, const std::string& pot) {
    BasicLocale locale;
    LangResource dict(locale);
    LoadNative(dict, native);
    WriteText(pot, lngtool::ExtractTemplate(dict));
    return 0;
}

int Compile(const std::string& native, const std::string& po, const std::string& folder) {
    static constexpr std::string_view kNativeSuffix = ".ntv.lng";
    std::string program = native.substr(native.find_last_of("/\\") + 1);
    if (!program.ends_with(kNativeSuffix)) throw Error(native + ": not a native language file (*.ntv.lng)");
    program.resize(program.size() - kNativeSuffix.size());

    BasicLocale locale;
    LangResource dict(locale);
    const LangFile nativeFile = LoadNative(dict, native);
    lngtool::PoCatalog catalog = LoadPo(po);
    LangFile language;
    try {
        language = lngtool::CompileTranslation(dict, nativeFile, catalog);
    } catch (const std::runtime_error& e) {
        throw Error(po + ": " + e.what());
    }
    const std::string abbreviation = LanguageAbbreviation(locale, language.LangID);
    if (abbreviation.empty()) throw Error(po + ": no abbreviation for the language");
    language.SaveToFile(Path(folder + "/" + program + "." + abbreviation + ".lng"), dict, language.TargetIndex, false);
    return 0;
}

void PrintList(const char* what, const std::vector<std::string>& contexts) {
    for (const std::string& context : contexts) std::printf("  %s: %s\n", what, context.c_str());
}

int Coverage(const std::vector<std::string>& args) {
    BasicLocale locale;
    LangResource dict(locale);
    LoadNative(dict, args.at(0));
    bool complete = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const lngtool::PoCatalog catalog = LoadPo(args[i]);
        const auto language = catalog.header.find("Language");
        const lngtool::Coverage coverage = lngtool::CheckCoverage(dict, catalog);
        const std::size_t done = coverage.total - coverage.untranslated.size();
        std::printf(
            "%s (%s): %zu of %zu translated (%.1f %%), %zu untranslated, %zu changed, %zu obsolete, %zu misshapen\n",
            args[i].c_str(), language == catalog.header.end() ? "?" : language->second.c_str(), done, coverage.total,
            coverage.total ? 100.0 * double(done) / double(coverage.total) : 100.0, coverage.untranslated.size(),
            coverage.changed.size(), coverage.obsolete.size(), coverage.misshapen.size()
        );
        PrintList("untranslated", coverage.untranslated);
        PrintList("changed English text", coverage.changed);
        PrintList("obsolete", coverage.obsolete);
        PrintList("placeholders, mnemonics or line breaks differ", coverage.misshapen);
        complete = complete && coverage.Complete();
    }
    return complete ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "compress" && args.size() == 2) {
            auto plain = ReadWholeFile(Path(args[0]));
            WriteWholeFile(Path(args[1]), LzkCompress(plain, static_cast<std::uint32_t>(plain.size())));
            return 0;
        }
        if (command == "decompress" && args.size() == 2) {
            WriteWholeFile(Path(args[1]), LzkDecompress(ReadWholeFile(Path(args[0]))));
            return 0;
        }
        if (command == "dump" && args.size() == 1) return Dump(args[0]);
        if (command == "build" && args.size() >= 2) return Build(args);
        if (command == "settings" && args.size() == 1) {
            WriteWholeFile(Path(args[0]), WriteLangSettings(ProgramLangSettings()));
            return 0;
        }
        if (command == "extract" && args.size() == 2) return Extract(args[0], args[1]);
        if (command == "compile" && args.size() == 3) return Compile(args[0], args[1], args[2]);
        if (command == "coverage" && args.size() >= 2) return Coverage(args);
        return Usage();
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "lngtool: Out of memory\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lngtool: %s\n", e.what());
    }
    return 1;
}
