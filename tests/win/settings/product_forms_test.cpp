#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"
#include "tests/win/support/test_support.h"

namespace {

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::string text;
    for (char c : s.str()) {
        if (c == '\n' && (text.empty() || text.back() != '\r')) text += '\r';
        text += c;
    }
    return text;
}

// The product carries each window's description as binary RCDATA named after its class,
// and converting that back gives the description as written in forms/.
TEST(ProductForms, ExecutableCarriesTheSettingsWindows) {
    std::wstring exe = testing_support::ProductFolder() + L"TesslyMBCfg.exe";
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    for (const char* name : {"AskForClose", "AskForQBoost", "OptWnd", "Form9", "Form10"}) {
        std::string resourceName = "T";
        for (const char* c = name; *c; ++c) resourceName += static_cast<char>(toupper(static_cast<unsigned char>(*c)));
        HRSRC resource = FindResourceA(module, resourceName.c_str(), MAKEINTRESOURCEA(10));
        ASSERT_NE(resource, nullptr) << resourceName;
        auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
        std::span<const std::uint8_t> bytes(data, SizeofResource(module, resource));
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), 4), "TPF0") << resourceName;
        std::string written = ReadTextFile(std::string(FORMS_DIR) + name + ".form");
        ASSERT_FALSE(written.empty()) << name;
        EXPECT_EQ(forms::WriteFormText(forms::ReadFormBinary(bytes)), written) << name;
    }
    FreeLibrary(module);
}

}  // namespace
