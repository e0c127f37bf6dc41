#include "localizer/module_forms.h"

#include <cstdint>
#include <new>
#include <set>
#include <span>
#include <string>

#include "core/forms/form_binary.h"
#include "core/forms/form_error.h"
#include "platform/resource_source.h"

namespace localizer {
namespace {

// The names of a module's forms: named resources holding a binary form, bare or in a record.
BOOL CALLBACK AddFormName(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR names) {
    if (IS_INTRESOURCE(name)) return TRUE;
    const auto bytes = platform::ResourceBytes(module, name, RT_RCDATA);
    if (forms::DetectFormStorage(bytes) != forms::FormStorage::Text)
        reinterpret_cast<std::set<std::wstring>*>(names)->insert(name);
    return TRUE;
}

std::set<std::wstring> FormNames(HMODULE module) {
    std::set<std::wstring> names;
    EnumResourceNamesW(module, RT_RCDATA, AddFormName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

}  // namespace

bool ModuleFormsReadable(HMODULE module, HMODULE reference) {
    std::set<std::wstring> names = reference ? FormNames(reference) : std::set<std::wstring>{};
    names.merge(FormNames(module));
    for (const std::wstring& name : names) {
        const auto bytes = platform::ResourceBytes(module, name.c_str(), RT_RCDATA);
        if (bytes.empty()) return false;
        try {
            forms::ReadFormBinary(bytes);
        } catch (const forms::FormError&) {
            return false;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    return true;
}

}  // namespace localizer
