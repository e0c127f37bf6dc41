#include "ui/form_class.h"

#include <map>

#include "ui/text_compare.h"

namespace ui {
namespace {

// Filled while the program's static objects are constructed, so created on first use.
std::map<std::string, FormFactory>& FormClasses() {
    static std::map<std::string, FormFactory> classes;
    return classes;
}

}  // namespace

bool RegisterFormClass(std::string_view className, FormFactory factory) {
    FormClasses()[UpperCase(className)] = factory;
    return true;
}

FormFactory FindFormClass(std::string_view className) {
    auto it = FormClasses().find(UpperCase(className));
    return it == FormClasses().end() ? nullptr : it->second;
}

}  // namespace ui
