// update.exe, started by the configurator's "Check for updates": reads the product's version
// feed, compares it with the installed configurator's version and says so in the program's
// language, offering the download page when a newer version is out.
//   update.exe [/feed=http://127.0.0.1:<port>/...]   (a test feed on this machine only)
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "core/settings/settings_table.h"
#include "core/update/version_feed.h"
#include "platform/program_folder.h"
#include "platform/registry.h"
#include "platform/resource_source.h"
#include "platform/system_library.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "updater/feed_download.h"
#include "updater/installed_version.h"
#include "updater/updater_texts.h"

namespace {

constexpr const wchar_t* kBuiltInFeed = L"https://www.tesslysoftware.example/update/dozididavazez.txt";
constexpr std::wstring_view kFeedSwitch = L"/feed=";

// The string table's address when it is an https: one; a test feed on this machine when given.
std::wstring FeedAddress() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring address;
    for (int i = 1; argv && i < count; ++i) {
        std::wstring_view argument = argv[i];
        if (argument.substr(0, kFeedSwitch.size()) == kFeedSwitch &&
            update::IsLoopbackHttpAddress(platform::ToUtf8(argument.substr(kFeedSwitch.size()))))
            address = argument.substr(kFeedSwitch.size());
    }
    LocalFree(argv);
    if (!address.empty()) return address;
    address = platform::LoadResString(str::SUpdateFeedUrl);
    return update::IsHttpsAddress(platform::ToUtf8(address)) ? address : kBuiltInFeed;
}

std::wstring ProgramLanguage() {
    auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, platform::AsciiName(settings::kSettingsKeyPath));
    std::wstring language = key ? key.ReadString(platform::AsciiName(settings::kLocalizerExtValue)).value_or(L"") : L"";
    while (!language.empty() && language.back() == L'\0') language.pop_back();
    return language;
}

std::wstring WithVersions(std::wstring text, const update::Version& available, const update::Version& installed) {
    for (auto [mark, version] : {std::pair{L"%1", available}, std::pair{L"%2", installed}})
        if (auto at = text.find(mark); at != std::wstring::npos)
            text.replace(at, 2, platform::FromUtf8(update::VersionText(version)));
    return text;
}

int Check() {
    const std::wstring language = ProgramLanguage();
    const std::wstring title = platform::LoadResString(str::SApplicationTitle);
    auto say = [&](updater::Text text, UINT icon) {
        return MessageBoxW(nullptr, updater::TextIn(language, text).c_str(), title.c_str(), icon);
    };
    const std::optional<update::Version> installed = updater::InstalledVersion();
    if (!installed) {
        say(updater::Text::NoInstalledVersion, MB_ICONERROR);
        return 1;
    }

    auto answer = updater::DownloadFeed(FeedAddress());
    if (auto* error = std::get_if<updater::DownloadError>(&answer)) {
        say(*error == updater::DownloadError::Unreachable ? updater::Text::Unreachable : updater::Text::BadAnswer,
            MB_ICONWARNING);
        return 1;
    }
    const std::optional<update::Feed> feed = update::ParseFeed(std::get<std::string>(answer));
    if (!feed) {
        say(updater::Text::BadAnswer, MB_ICONWARNING);
        return 1;
    }
    if (feed->version <= *installed) {
        const std::wstring text = WithVersions(updater::TextIn(language, updater::Text::LatestVersion), feed->version, *installed);
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_ICONINFORMATION);
        return 0;
    }
    const std::wstring text = WithVersions(updater::TextIn(language, updater::Text::NewerVersion), feed->version, *installed);
    if (MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_ICONQUESTION | MB_YESNO) == IDYES)
        ShellExecuteW(nullptr, L"open", platform::FromUtf8(feed->page).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::RestrictLibrarySearch();
    try {
        return Check();
    } catch (...) {
        return 1;  // a message box could not even be shown
    }
}
