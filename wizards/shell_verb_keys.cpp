#include "wizards/shell_verb_keys.h"

#include "core/wizards/shell_verb.h"
#include "platform/error.h"
#include "platform/registry.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"

namespace wizards {
namespace {

using platform::RegistryKey;

// The unnamed value of a key.
constexpr const wchar_t* kDefaultValue = L"";

HKEY g_userRoot = nullptr;
HKEY g_machineRoot = nullptr;

HKEY UserRoot() { return g_userRoot ? g_userRoot : HKEY_CURRENT_USER; }
HKEY MachineRoot() { return g_machineRoot ? g_machineRoot : HKEY_CLASSES_ROOT; }

std::wstring UserKey(const char* path) { return platform::AsciiName(kUserClassesKey) + platform::AsciiName(path); }

void WriteDefault(const char* path, std::wstring_view text) {
    const RegistryKey key = RegistryKey::Create(UserRoot(), UserKey(path), KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (key.WriteString(kDefaultValue, text) != ERROR_SUCCESS)
        throw platform::Error(platform::FormatResString(str::SRegSetDataFailed, platform::AsciiName(path)));
}

}  // namespace

void OverrideShellVerbRoots(HKEY userRoot, HKEY machineRoot) {
    g_userRoot = userRoot;
    g_machineRoot = machineRoot;
}

void WriteShellVerb(const std::wstring& programFolder) {
    WriteDefault(kVerbKey, platform::LoadResString(str::SOpenBoosted));
    WriteDefault(kVerbCommandKey, VerbCommand(programFolder));
    const RegistryKey shell = RegistryKey::Open(UserRoot(), UserKey(kShellKey), KEY_QUERY_VALUE);
    if (ShellDefaultNeedsFiller(shell.ReadString(kDefaultValue))) WriteDefault(kShellKey, kShellDefaultFiller);
}

void RemoveShellVerb() {
    RegistryKey::DeleteTree(UserRoot(), UserKey(kVerbKey));
    // Where an earlier version registered it for the whole machine; a standard user may not
    // remove that, which only leaves the older entry in place.
    RegistryKey::DeleteTree(MachineRoot(), platform::AsciiName(kVerbKey));
}

}  // namespace wizards
