// admx: the administrative templates of the settings a policy may fix.
//   admx write OUT PO_DIR   OUT/TesslyDozidiDavazez.admx and OUT/<culture>/TesslyDozidiDavazez.adml
//                           for English and every translation PO_DIR/<language>.po; nothing is
//                           written while a policy of the settings table lacks a text in any
//                           language (each missing or stale text is listed)
//   admx template POT       the translators' template of the templates' texts
//   admx table              the settings table's policy settings as the tests read them: a line
//                           "megabytes MIN MAX", then per setting "NAME FORM MIN MAX DEFAULT CAPACITY"
// Errors go to stderr; the exit code is then 1 (2 for usage).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/admx/template_writer.h"

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::fputs("usage: admx write OUT PO_DIR\n       admx template POT\n       admx table\n", stderr);
    return 2;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error(path.string() + ": cannot be written");
}

int Write(const fs::path& out, const fs::path& poFolder) {
    const std::vector<admx::SourceText> source = admx::SourceTexts();
    std::vector<std::pair<fs::path, std::string>> files{
        {out / (std::string(admx::kTemplateName) + ".admx"), admx::AdmxDocument()}};
    bool complete = true;
    for (const admx::TemplateLanguage& language : admx::TemplateLanguages()) {
        admx::Texts texts;
        if (*language.po == '\0') {
            texts = admx::EnglishTexts(source);
        } else {
            const fs::path po = poFolder / (std::string(language.po) + ".po");
            std::vector<std::string> problems;
            try {
                texts = admx::TranslatedTexts(source, lngtool::ParsePo(ReadFile(po)), problems);
            } catch (const std::runtime_error& e) {
                problems.push_back(e.what());
            }
            for (const std::string& p : problems) std::fprintf(stderr, "%s: %s\n", po.string().c_str(), p.c_str());
            if (!problems.empty()) {
                complete = false;
                continue;
            }
        }
        files.push_back(
            {out / language.culture / (std::string(admx::kTemplateName) + ".adml"), admx::AdmlDocument(texts)}
        );
    }
    if (!complete) {
        std::fputs("admx: templates not written: translations incomplete\n", stderr);
        return 1;
    }
    for (const auto& [path, text] : files) WriteFile(path, text);
    return 0;
}

const char* FormName(settings::PolicyForm form) {
    constexpr const char* kNames[] = {"None",      "Flag",   "Number",      "Choice",
                                      "Megabytes", "HotKey", "ProgramList", "Language"};
    return kNames[static_cast<int>(form)];
}

int Table() {
    std::printf("megabytes %d %d\n", settings::kPolicyMinMegabytes, settings::kPolicyMaxMegabytes);
    for (const settings::PolicySetting& p : settings::AllPolicySettings()) {
        if (p.number)
            std::printf(
                "%s %s %d %d %d 0\n", p.Name(), FormName(p.Form()), p.number->min, p.number->max, p.number->defaultValue
            );
        else
            std::printf("%s %s 0 0 0 %zu\n", p.Name(), FormName(p.Form()), p.text->capacity);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "write") return Write(args[1], args[2]);
        if (args.size() == 1 && args[0] == "table") return Table();
        if (args.size() == 2 && args[0] == "template") {
            WriteFile(fs::absolute(args[1]), admx::TemplateCatalog(admx::SourceTexts()));
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "admx: %s\n", e.what());
        return 1;
    }
    return Usage();
}
