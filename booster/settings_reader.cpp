#include "booster/settings_reader.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "core/booster/health_line.h"
#include "core/booster/pack_text.h"
#include "core/settings/program_list.h"
#include "platform/registry.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "service/health_mapping.h"
#include "settings/policies.h"
#include "settings/settings_store.h"

namespace booster {
namespace {

// Larger tray texts are not what the configurator writes; they are ignored.
constexpr DWORD kMaxPackBytes = 8192;

int ReadInRange(const settings::IntSetting& s) {
    int value = ReadEffective(s);
    return s.min < s.max ? std::clamp(value, s.min, s.max) : value;
}

bool ReadFlag(const settings::IntSetting& s) { return ReadEffective(s) != 0; }

std::uint32_t ReadColor(const settings::IntSetting& s) {
    return static_cast<std::uint32_t>(ReadSetting(s)) & 0x00FFFFFF;
}

// The packs are 8-bit texts in the system's code page, as the configurator writes them.
std::wstring ReadPack(const platform::RegistryKey& key, const settings::BinarySetting& s) {
    const std::wstring name = platform::AsciiName(s.name);
    DWORD type = 0;
    auto bytes = key.ReadBytes(name, &type);
    if (!bytes || bytes->size() > kMaxPackBytes) return {};
    if (type == REG_SZ) {
        std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
        text.resize(wcsnlen(text.c_str(), text.size()));
        return text;
    }
    if (type != REG_BINARY) return {};
    std::string text(bytes->begin(), bytes->end());
    // A text stored with its terminator ends there.
    text.resize(strnlen(text.c_str(), text.size()));
    return platform::Widen(text);
}

std::vector<std::wstring> Captions(
    const platform::RegistryKey& key, const settings::BinarySetting& s, unsigned fallbackId
) {
    return CaptionsOrFallback(SplitPackLines(ReadPack(key, s)), SplitPackLines(platform::LoadResString(fallbackId)));
}

}  // namespace

BoosterSettings ReadBoosterSettings() {
    SettingsSession session;
    BoosterSettings s{};
    s.quality = ReadEffective(settings::DefragPassesNum);
    s.untouchableCacheBytes = ReadEffective(settings::UntouchableCacheSize);
    s.preventive = {
        ReadFlag(settings::OnTimeFree),
        ReadEffective(settings::OnTimeFreeSize),
        ReadInRange(settings::OnTimeFreeSec),
        {ReadFlag(settings::OnTimeCPUBusyDetect), ReadInRange(settings::OnTimeCPUBusyVal),
         ReadInRange(settings::OnTimeCPUBusySec)}};
    s.emergency = {
        ReadFlag(settings::MemMinFree),
        ReadInRange(settings::MemMinFreeSize),
        ReadInRange(settings::MemMinFreeSizeNeed),
        {ReadFlag(settings::MemMinCPUBusyDetect), ReadInRange(settings::MemMinCPUBusyVal),
         ReadInRange(settings::MemMinCPUBusySec)}};
    s.icon = {
        (ReadEffective(settings::IconViewMode) & 1) != 0,
        ReadInRange(settings::IconViewStyle),
        ReadInRange(settings::IconViewAnimate) != 0,
        ReadInRange(settings::IconViewData),
        ReadColor(settings::IconForeClr),
        ReadColor(settings::IconBackClr),
        ReadColor(settings::IconTextClr)};
    s.refreshSeconds = ReadInRange(settings::IconTimeRefresh);
    s.hotKeys = {
        ReadEffective(settings::HotSleepKey), ReadEffective(settings::HotFreeKey), ReadEffective(settings::HotMngrKey)};
    s.quickBoostMethod = ReadInRange(settings::QBoostMethod);
    s.quickBoostBytes = ReadEffective(settings::QBoostSize);
    s.quietFullScreen = ReadFlag(settings::QuietFullScreen);
    s.quietPrograms = settings::ParseProgramList(ReadEffective(settings::QuietPrograms));
    s.excludedPrograms = settings::ParseProgramList(ReadEffective(settings::ExcludedPrograms));
    return s;
}

TrayTexts ReadTrayTexts() {
    const auto key = platform::RegistryKey::Open(
        HKEY_CURRENT_USER, platform::AsciiName(settings::kSettingsKeyPath), KEY_QUERY_VALUE
    );
    TrayTexts texts;
    texts.menu = Captions(key, settings::LangPack, str::STrayMenuPack);
    texts.internet = Captions(key, settings::LangInetPack, str::STrayInetPack);
    auto tip = Captions(key, settings::LangTrayPack, str::STrayTipPack);
    texts.tipFormat = tip.empty() ? std::wstring() : tip.front();
    texts.health = CaptionsOrFallback(SplitPackLines(ReadPack(key, settings::LangHealthPack)), service::HealthTextsFromStrings());
    return texts;
}

}  // namespace booster
