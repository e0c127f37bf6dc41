// formc: converts a text form description to its binary form.
//
//   formc input.form output.bin [output.rc]
//       writes the binary form in the writer format of the program as built (format 5:
//       non-ASCII strings as 8-bit strings, never UTF-8); with output.rc also a
//       resource script line naming it after the form's class in upper case, as the
//       program looks forms up.
//   formc --text input.form output.form
//       rewrites a form in the canonical text form.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"

namespace {

struct IoError {
    std::string message;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw IoError{"cannot open " + path};
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Written whole or not at all, so a failed run never leaves a half file behind for make.
void WriteFile(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file.write(contents.data(), std::streamsize(contents.size())) || !file.flush())
            throw IoError{"cannot write " + temporary};
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) throw IoError{"cannot write " + path};
}

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return text;
}

// The error texts end lines with CR LF, which a terminal shows as one line per part.
std::string ForTerminal(std::string text) {
    for (size_t at; (at = text.find('\r')) != std::string::npos;) text.erase(at, 1);
    return text;
}

void Compile(const std::string& input, const std::string& binaryPath, const std::string& rcPath) {
    const forms::Object form = forms::ParseFormText(ReadFile(input));
    const std::vector<std::uint8_t> binary = forms::WriteFormBinary(form, forms::kBuiltWriterFormat);
    WriteFile(binaryPath, std::string(binary.begin(), binary.end()));
    if (!rcPath.empty()) WriteFile(rcPath, UpperCase(form.className) + " RCDATA \"" + binaryPath + "\"\n");
}

int Usage() {
    std::cerr << "usage: formc input.form output.bin [output.rc]\n"
                 "       formc --text input.form output.form\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string input;
    try {
        if (args.size() == 3 && args[0] == "--text") {
            input = args[1];
            WriteFile(args[2], forms::WriteFormText(forms::ParseFormText(ReadFile(input))));
        } else if ((args.size() == 2 || args.size() == 3) && args[0][0] != '-') {
            input = args[0];
            Compile(input, args[1], args.size() == 3 ? args[2] : std::string());
        } else {
            return Usage();
        }
    } catch (const forms::FormError& error) {
        std::cerr << input << ": " << ForTerminal(error.what()) << "\n";
        return 1;
    } catch (const IoError& error) {
        std::cerr << "formc: " << error.message << "\n";
        return 2;
    }
    return 0;
}
