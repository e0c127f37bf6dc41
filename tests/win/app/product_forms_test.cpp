#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "controls/display_components.h"
#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form.h"
#include "ui/form_loader.h"
#include "ui/text_compare.h"
#include "wizards/wizard_components.h"

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

// The names of the files in forms/, as the build found them.
std::vector<std::string> ProgramForms() {
    std::istringstream names(PROGRAM_FORM_NAMES);
    std::vector<std::string> forms;
    for (std::string name; names >> name;) forms.push_back(name);
    return forms;
}

// Every description in forms/: the product carries it as binary RCDATA named after its
// class, converting that back gives the description as written, and a form class of that
// name is linked into the program and binds every field it publishes.
TEST(ProductForms, EveryDescriptionIsCarriedAndFitsItsFormClass) {
    testing_support::InitializeKit();
    controls::RegisterDisplayComponents();
    wizards::RegisterWizardComponents();
    std::wstring exe = testing_support::ProductFolder() + L"TesslyMBCfg.exe";
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    std::vector<std::string> names = ProgramForms();
    EXPECT_GE(names.size(), 3u);
    for (const std::string& name : names) {
        std::string resourceName = ui::UpperCase("T" + name);
        HRSRC resource = FindResourceA(module, resourceName.c_str(), MAKEINTRESOURCEA(10));
        ASSERT_NE(resource, nullptr) << resourceName;
        auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
        std::span<const std::uint8_t> bytes(data, SizeofResource(module, resource));
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), 4), "TPF0") << resourceName;
        std::string written = ReadTextFile(std::string(FORMS_DIR) + name + ".form");
        ASSERT_FALSE(written.empty()) << name;
        forms::Object description = forms::ReadFormBinary(bytes);
        EXPECT_EQ(forms::WriteFormText(description), written) << name;

        ui::FormFactory factory = ui::FindFormClass(description.className);
        ASSERT_NE(factory, nullptr) << description.className;
        ui::FormPtr<ui::Form> form = factory();
        EXPECT_EQ(form->ClassName(), description.className);
        ui::BuildForm(*form, description);
        EXPECT_FALSE(form->Publication().fields.empty()) << name;
        for (const auto& field : form->Publication().fields)
            EXPECT_NE(field.get(), nullptr) << name << "." << field.name;
    }
    FreeLibrary(module);
}

}  // namespace
