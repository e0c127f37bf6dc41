#include "wizards/shell_verb_keys.h"

#include "core/wizards/shell_verb.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "settings/registry.h"

namespace wizards {
namespace {

// The unnamed value of a key.
constexpr const char* kDefaultValue = "";

}  // namespace

void WriteShellVerb(const std::wstring& programFolder) {
    Registry registry(HKEY_CLASSES_ROOT);
    registry.OpenKey(kVerbKey, true);
    registry.WriteString(kDefaultValue, platform::LoadResStringA(str::SOpenBoosted));
    registry.OpenKey(kVerbCommandKey, true);
    registry.WriteString(kDefaultValue, platform::Narrow(VerbCommand(programFolder)));
    registry.OpenKey(kShellKey, true);
    std::optional<std::string> current;
    if (registry.ValueExists(kDefaultValue)) current = registry.ReadString(kDefaultValue);
    if (ShellDefaultNeedsFiller(current)) registry.WriteString(kDefaultValue, kShellDefaultFiller);
}

void RemoveShellVerb() { Registry(HKEY_CLASSES_ROOT).DeleteKey(kVerbKey); }

}  // namespace wizards
