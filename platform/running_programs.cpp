#include "platform/running_programs.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>

#include "platform/handles.h"

namespace platform {
namespace {

bool LessIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
}

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

}  // namespace

std::vector<std::wstring> RunningProgramNames() {
    std::vector<std::wstring> names;
    KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Get()) return names;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        // The system's idle process and kernel entries carry no file name.
        std::wstring name = entry.szExeFile;
        if (name.empty() || name.find(L'.') == std::wstring::npos) continue;
        names.push_back(std::move(name));
    }
    std::ranges::sort(names, LessIgnoringCase);
    names.erase(std::unique(names.begin(), names.end(), SameIgnoringCase), names.end());
    return names;
}

}  // namespace platform
