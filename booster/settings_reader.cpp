#include "booster/settings_reader.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "core/booster/pack_text.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "settings/settings_store.h"

namespace booster {
namespace {

// Larger tray texts are not what the configurator writes; they are ignored.
constexpr DWORD kMaxPackBytes = 8192;

int ReadInRange(const settings::IntSetting& s) {
    int value = ReadSetting(s);
    return s.min < s.max ? std::clamp(value, s.min, s.max) : value;
}

bool ReadFlag(const settings::IntSetting& s) { return ReadSetting(s) != 0; }

std::uint32_t ReadColor(const settings::IntSetting& s) {
    return static_cast<std::uint32_t>(ReadSetting(s)) & 0x00FFFFFF;
}

std::wstring ReadPack(HKEY key, const settings::BinarySetting& s) {
    std::string bytes(kMaxPackBytes, '\0');
    DWORD size = kMaxPackBytes;
    DWORD type = 0;
    if (!key ||
        RegQueryValueExA(key, s.name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS)
        return {};
    if (type != REG_BINARY && type != REG_SZ) return {};
    // A text stored with its terminator ends there.
    bytes.resize(strnlen(bytes.data(), size));
    return platform::Widen(bytes);
}

std::vector<std::wstring> Captions(HKEY key, const settings::BinarySetting& s, unsigned fallbackId) {
    return CaptionsOrFallback(SplitPackLines(ReadPack(key, s)), SplitPackLines(platform::LoadResString(fallbackId)));
}

}  // namespace

BoosterSettings ReadBoosterSettings() {
    SettingsSession session;
    BoosterSettings s{};
    s.quality = ReadSetting(settings::DefragPassesNum);
    s.untouchableCacheBytes = ReadSetting(settings::UntouchableCacheSize);
    s.preventive = {
        ReadFlag(settings::OnTimeFree),
        ReadSetting(settings::OnTimeFreeSize),
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
        (ReadSetting(settings::IconViewMode) & 1) != 0,
        ReadInRange(settings::IconViewStyle),
        ReadInRange(settings::IconViewAnimate) != 0,
        ReadInRange(settings::IconViewData),
        ReadColor(settings::IconForeClr),
        ReadColor(settings::IconBackClr),
        ReadColor(settings::IconTextClr)};
    s.refreshSeconds = ReadInRange(settings::IconTimeRefresh);
    s.hotKeys = {
        ReadSetting(settings::HotSleepKey), ReadSetting(settings::HotFreeKey), ReadSetting(settings::HotMngrKey)};
    s.quickBoostMethod = ReadInRange(settings::QBoostMethod);
    s.quickBoostBytes = ReadSetting(settings::QBoostSize);
    return s;
}

TrayTexts ReadTrayTexts() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings::kSettingsKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        key = nullptr;
    TrayTexts texts;
    texts.menu = Captions(key, settings::LangPack, str::STrayMenuPack);
    texts.internet = Captions(key, settings::LangInetPack, str::STrayInetPack);
    auto tip = Captions(key, settings::LangTrayPack, str::STrayTipPack);
    texts.tipFormat = tip.empty() ? std::wstring() : tip.front();
    if (key) RegCloseKey(key);
    return texts;
}

}  // namespace booster
