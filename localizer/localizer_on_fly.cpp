#include "localizer/localizer_on_fly.h"

#include <algorithm>

#include "core/localizer/language_module.h"
#include "core/localizer/locale.h"
#include "core/localizer/res_processor.h"
#include "localizer/module_forms.h"
#include "localizer/win_locale.h"
#include "platform/data_folder.h"
#include "platform/program_folder.h"
#include "platform/registry.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "ui/form.h"
#include "ui/form_apply.h"
#include "ui/form_loader.h"
#include "ui/menu.h"

namespace localizer {

namespace {

constexpr const char* kNativeAbbreviation = "ntv";
constexpr const char* kExeChoice = "EXE";

bool FileExists(const std::wstring& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::uint64_t WriteTime(const std::wstring& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return 0;
    return std::uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
}

std::wstring FolderOf(const std::wstring& file) { return file.substr(0, file.find_last_of(L"\\/") + 1); }

// The file name without folder and extension ("TesslyMBCfg").
std::wstring BaseNameOf(const std::wstring& file) {
    std::wstring name = file.substr(file.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

// The settings record `name` of a module, when it is there with the right magic.
std::optional<LangSettings> ModuleSettings(HMODULE module, const wchar_t* name, const char* magic) {
    const auto bytes = platform::ResourceBytes(module, name, RT_RCDATA);
    if (bytes.data() == nullptr) return std::nullopt;
    auto settings = ReadLangSettings(bytes);
    if (!settings || settings->Magic != magic) return std::nullopt;
    return settings;
}

LangSettings ProgramSettings() {
    auto settings = ModuleSettings(GetModuleHandleW(nullptr), L"QVT_EXESETTINGS_", kExeSettingsMagic);
    if (!settings) throw LUInvalidResLibrary(msg::kInvalidResourceFileFormat);
    return *settings;
}

// Only the texts of a description: an open window keeps its size, place and state, and
// takes the texts (and the fonts' character sets) of the new language.
void KeepTexts(const LResFormItem& form, const std::string& component, std::vector<forms::Property>& properties) {
    std::erase_if(properties, [&](const forms::Property& property) {
        if (property.name.ends_with(".Charset")) return false;
        const LResPropertyItem* item = form.FindProperty(component, property.name);
        return !item || (item->Kind() != kKindText && item->Kind() != kKindLines) ||
               item->HasFlags(kFlagNeverTranslate);
    });
}

void KeepTexts(const LResFormItem& form, std::vector<forms::Object>& children) {
    for (forms::Object& child : children) {
        KeepTexts(form, child.name, child.properties);
        KeepTexts(form, child.children);
    }
}

}  // namespace

// A language module loaded as a data file, with its settings record.
struct KLocalizerOnFly::Module {
    HMODULE handle = nullptr;
    std::wstring file;
    LangSettings settings;
    ~Module() {
        if (handle) FreeLibrary(handle);
    }
};

KLocalizerOnFly::KLocalizerOnFly() : ProgramFile(platform::ProgramPath()), dictionary_(SystemLocale()) {}

KLocalizerOnFly::~KLocalizerOnFly() {
    if (module_) platform::SetResourceSource(nullptr);
}

void KLocalizerOnFly::CheckInitialized() const {
    if (!initialized_) throw LocOnFlyError(msg::kNotInitialized);
}

const std::vector<LFInfo>& KLocalizerOnFly::Languages() const {
    CheckInitialized();
    return languages_;
}

int KLocalizerOnFly::NativeIndex() const {
    CheckInitialized();
    return nativeIndex_;
}

int KLocalizerOnFly::IndexOfLanguage(std::uint16_t langId) const {
    CheckInitialized();
    for (std::size_t i = 0; i < languages_.size(); ++i)
        if (languages_[i].LangID == langId) return static_cast<int>(i);
    return -1;
}

void KLocalizerOnFly::Init(const std::wstring& settingsKey, const std::wstring& folder) {
    if (!settingsKey.empty()) {
        regKey_ = settingsKey;
        regSection_.clear();
        regValue_ = L"LocalizerExt";
    } else {
        regKey_ = L"Software\\Merivon\\";
        regSection_ = L"Locales";
        regValue_ = ProgramFile;
    }
    initializing_ = true;
    struct InitDone {
        bool& initializing;
        ~InitDone() { initializing = false; }
    } done{initializing_};

    SetFolder(folder.empty() ? FolderOf(ProgramFile) : folder);
    const std::wstring nativeFile = LanguageFile(kNativeAbbreviation);
    if (!FileExists(nativeFile)) throw LocOnFlyError(msg::Format(msg::kLanguageFileNotFound, PathText(nativeFile)));
    LangFile().Open(nativeFile);  // a damaged file is reported now, its texts read when needed

    const LangSettings program = ProgramSettings();
    const LangSettings source = SourceSettings();
    if (source.BuildStamp != program.BuildStamp) throw LUOutOfVersion(msg::kResourcesOutOfVersion);
    currentLangId_ = source.LangID;

    std::wstring choice = FixedChoice.empty() ? ReadChoice() : FixedChoice;
    if (platform::Narrow(choice) == kExeChoice) choice.clear();
    initialized_ = true;
    if (!choice.empty()) {
        // A choice that can no longer be had is dropped, so that the next start does not fail
        // the same way; the program goes on in its own language.
        try {
            SwitchLanguage(platform::Narrow(choice));
        } catch (const Error&) {
            WriteChoice(kExeChoice);
            throw;
        }
    } else if (program.LangID != currentLangId_) {
        UseOwnResources();
        currentLangId_ = SourceSettings().LangID;
    }
}

void KLocalizerOnFly::SetFolder(const std::wstring& folder) {
    std::wstring full = folder;
    if (full.size() < 2 || (full[1] != L':' && full[0] != L'\\')) full = FolderOf(ProgramFile) + full;
    if (full.back() != L'\\' && full.back() != L'/') full += L'\\';
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw LocOnFlyError(msg::Format(msg::kPathDoesNotExist, PathText(folder)));
    folder_ = full;
    RebuildLanguageList();
}

void KLocalizerOnFly::RebuildLanguageList() {
    languages_.clear();
    const std::wstring program = BaseNameOf(ProgramFile);
    const std::wstring nativeName = program + L".ntv.lng";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + program + L".*.lng").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    std::vector<std::pair<LFInfo, bool>> entries;  // with "is native"
    do {
        LangFile file;
        try {
            file.Open(folder_ + found.cFileName);
        } catch (const Error&) {
            continue;  // a damaged file offers no language
        }
        const bool native = CompareStringOrdinal(found.cFileName, -1, nativeName.c_str(), -1, TRUE) == CSTR_EQUAL;
        auto same =
            std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first.LangID == file.LangID; });
        LFInfo info{folder_ + found.cFileName, file.LangID, file.Name};
        if (same == entries.end())
            entries.emplace_back(std::move(info), native);
        else
            *same = {std::move(info), same->second || native};
    } while (FindNextFileW(search, &found));
    FindClose(search);
    // The native language first, the others by name, as the menu shows them.
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second : a.first.Caption < b.first.Caption;
    });
    nativeIndex_ = -1;
    for (auto& [info, native] : entries) {
        if (native) nativeIndex_ = static_cast<int>(languages_.size());
        languages_.push_back(std::move(info));
    }
}

std::wstring KLocalizerOnFly::LanguageFile(const std::string& abbreviation) const {
    return folder_ + BaseNameOf(ProgramFile) + L"." + platform::Widen(abbreviation) + L".lng";
}

std::wstring KLocalizerOnFly::ModuleFile(const std::string& abbreviation) const {
    std::string extension = abbreviation;
    for (char& c : extension) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    // Generated, so never beside the program: its folder may be read-only.
    const std::wstring folder = ModuleFolder.empty() ? platform::UserDataFolder() : ModuleFolder;
    return folder + BaseNameOf(ProgramFile) + L"." + platform::Widen(extension);
}

std::wstring KLocalizerOnFly::NativeModule() const {
    const std::wstring copy = folder_ + BaseNameOf(ProgramFile) + L".ntv";
    return FileExists(copy) ? copy : ProgramFile;
}

std::string KLocalizerOnFly::AbbreviationOf(std::uint16_t langId) const {
    if (nativeIndex_ >= 0 && languages_[static_cast<std::size_t>(nativeIndex_)].LangID == langId)
        return kNativeAbbreviation;
    return LanguageAbbreviation(SystemLocale(), langId);
}

void KLocalizerOnFly::SwitchLanguage(std::uint16_t langId) {
    CheckInitialized();
    const std::string abbreviation = AbbreviationOf(langId);
    const std::wstring file = LanguageFile(abbreviation);
    if (abbreviation.empty() || !FileExists(file))
        throw LocOnFlyError(msg::Format(msg::kLanguageFileNotFound, PathText(file)));
    LangFile language;
    language.Open(file);
    Apply(language, abbreviation);
}

void KLocalizerOnFly::SwitchLanguage(const std::string& abbreviation) {
    CheckInitialized();
    if (SameTextAscii(abbreviation, kNativeAbbreviation) || SameTextAscii(abbreviation, kExeChoice)) {
        SwitchLanguage(
            nativeIndex_ >= 0 ? languages_[static_cast<std::size_t>(nativeIndex_)].LangID : ProgramSettings().LangID
        );
        return;
    }
    const std::uint16_t langId = LanguageByAbbreviation(SystemLocale(), abbreviation);
    if (langId == 0) throw LocOnFlyError(msg::Format(msg::kLanguageFileNotFound, PathText(LanguageFile(abbreviation))));
    SwitchLanguage(langId);
}

LangSettings KLocalizerOnFly::SourceSettings() const { return module_ ? module_->settings : ProgramSettings(); }

KLocalizerOnFly::NativeHandle KLocalizerOnFly::NativeResources() const {
    const std::wstring file = NativeModule();
    if (CompareStringOrdinal(file.c_str(), -1, platform::ProgramPath().c_str(), -1, TRUE) == CSTR_EQUAL)
        return {GetModuleHandleW(nullptr), false};
    return {LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), true};
}

std::unique_ptr<KLocalizerOnFly::Module> KLocalizerOnFly::LoadModule(const std::wstring& file) const {
    // The system's loader is not asked to map a file that our own reader finds damaged.
    try {
        ResProcessor(dictionary_.GetLocale()).Load(file);
    } catch (const Error&) {
        throw LULoadResLibError(msg::Format(msg::kErrorLoadingResourceFile, PathText(file)));
    }
    auto module = std::make_unique<Module>();
    module->file = file;
    module->handle = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module->handle) throw LULoadResLibError(msg::Format(msg::kErrorLoadingResourceFile, PathText(file)));
    auto settings = ModuleSettings(module->handle, L"QVT_LIBSETTINGS_", kLibSettingsMagic);
    if (!settings) throw LUInvalidResLibrary(msg::kInvalidResourceFileFormat);
    if (settings->BuildStamp != ProgramSettings().BuildStamp)
        throw LUOutOfVersion(msg::Format(msg::kResourceFileOutOfVersion, PathText(file)));
    module->settings = *settings;
    if (!ModuleFormsReadable(module->handle, NativeResources().handle)) throw LUInvalidResLibrary(msg::kInvalidResourceFileFormat);
    return module;
}

void KLocalizerOnFly::UseOwnResources() {
    platform::SetResourceSource(nullptr);
    module_.reset();
}

void KLocalizerOnFly::UseModule(std::unique_ptr<Module> module) {
    platform::SetResourceSource(module->handle);
    module_ = std::move(module);
}

void KLocalizerOnFly::Apply(LangFile& language, const std::string& abbreviation) {
    const LangSettings current = SourceSettings();
    if (current.LangID == language.LangID && current.LangStamp == language.LangStamp) return;

    // Nothing changes until the module is ready: a damaged file or module, or a failed
    // generation, leaves the language in use as it was.
    LoadNativeTexts();
    const bool native = abbreviation == kNativeAbbreviation;
    int index = dictionary_.IndexOfLanguage(language.LangID);
    const bool added = index < 0;
    if (added) index = dictionary_.AddLanguage(0, language.LangID);
    try {
        language.LoadFileInto(&dictionary_, index, 0);
        if (native)
            UseOwnResources();
        else
            UseModule(ReadyModule(language, abbreviation, index));
    } catch (...) {
        if (added) dictionary_.RemoveLanguage(index);
        throw;
    }

    currentLangId_ = SourceSettings().LangID;
    dictionary_.CurrentLanguage = index;
    for (ui::Form* form : ui::Form::OpenForms()) TranslateForm(*form);
    WriteChoice(native ? kExeChoice : abbreviation);
    const int entry = IndexOfLanguage(language.LangID);
    if (entry >= 0 && !initializing_ && OnLanguageChanged)
        OnLanguageChanged(*this, languages_[static_cast<std::size_t>(entry)]);
}

// A program that stays in its own language never needs the native texts: they are read at
// the first switch.
void KLocalizerOnFly::LoadNativeTexts() {
    if (nativeTextsLoaded_) return;
    LangFile native;
    native.Open(LanguageFile(kNativeAbbreviation));
    native.LoadFileInto(&dictionary_, -1, 0);
    nativeTextsLoaded_ = true;
}

std::unique_ptr<KLocalizerOnFly::Module> KLocalizerOnFly::ReadyModule(
    LangFile& language, const std::string& abbreviation, int index
) {
    const std::wstring file = ModuleFile(abbreviation);
    const bool loaded = module_ && module_->file == file;  // in use, and so out of date
    // A module older than the program it was made from may lack what an update of the
    // program brought (the build stamp is fixed), so it is made again. The module is only a
    // cache of the language file: a damaged or foreign one is made again too.
    if (!loaded && FileExists(file) && WriteTime(file) >= WriteTime(NativeModule())) {
        try {
            auto module = LoadModule(file);
            if (module->settings.LangID == language.LangID && module->settings.LangStamp == language.LangStamp)
                return module;
        } catch (const Error&) {
        }
    }
    // Made aside and put in place whole, so that the module in use stays usable until then.
    const std::wstring fresh = file + L".new";
    language.TargetIndex = index;
    BuildLanguageModule(language, fresh, NativeModule(), dictionary_);
    try {
        LoadModule(fresh);  // checked whole before the module in use is let go
    } catch (const Error&) {
        DeleteFileW(fresh.c_str());
        throw;
    }
    // The module in use is let go only for its replacement, and taken up again when that
    // cannot be put in place, so a failed switch leaves the language in use whole.
    if (loaded) UseOwnResources();
    if (!MoveFileExW(fresh.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(fresh.c_str());
        if (loaded) UseModule(LoadModule(file));
        throw LocOnFlyError(msg::Format(msg::kCanNotDeleteFile, PathText(file)));
    }
    return LoadModule(file);
}

void KLocalizerOnFly::TranslateForm(ui::Form& form) const {
    const std::string className = form.ClassName();
    const LResFormItem* item = className.size() > 1 ? dictionary_.Forms().Find(className.substr(1)) : nullptr;
    std::wstring resource = platform::Widen(className);
    for (wchar_t& c : resource) c = static_cast<wchar_t>(towupper(c));
    if (!item || !FindResourceW(platform::ResourceSource(), resource.c_str(), RT_RCDATA)) return;
    forms::Object description = ui::FormResource(className);
    KeepTexts(*item, "", description.properties);
    KeepTexts(*item, description.children);
    ui::ApplyFormDescription(form, description);
}

void KLocalizerOnFly::FillMenu(ui::MenuItem& parent, int groupIndex) {
    CheckInitialized();
    const int current = IndexOfLanguage(currentLangId_);
    for (std::size_t i = 0; i < languages_.size(); ++i) {
        auto* item = new ui::MenuItem(&parent);  // owned by the parent item
        item->SetCaption(platform::Widen(languages_[i].Caption));
        item->SetRadioItem(true);
        item->SetGroupIndex(groupIndex);
        item->SetTag(static_cast<std::int32_t>(i));
        bool skip = false;
        if (OnMenuItem) OnMenuItem(*this, languages_[i], *item, skip);
        if (skip) {
            delete item;
            continue;
        }
        item->OnClick = [this, item](ui::NotifyArgs&) {
            if (item->Checked()) return;
            SwitchLanguage(languages_[static_cast<std::size_t>(item->Tag())].LangID);
            item->SetChecked(true);
        };
        parent.Add(*item);
        if (static_cast<int>(i) == current) item->SetChecked(true);
    }
    parent.SetEnabled(!parent.Items().empty() && FixedChoice.empty());
}

std::wstring KLocalizerOnFly::ChoiceKey() const {
    return regSection_.empty() ? regKey_ : regKey_ + L"\\" + regSection_;
}

std::wstring KLocalizerOnFly::ReadChoice() const {
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, ChoiceKey(), KEY_QUERY_VALUE);
    // An abbreviation is a few letters; anything longer was not written by the program.
    std::wstring choice = key.ReadString(regValue_).value_or(L"");
    return choice.size() < 64 ? choice : std::wstring();
}

// Registry failures are silent: the choice is then simply not remembered.
void KLocalizerOnFly::WriteChoice(const std::string& abbreviation) const {
    if (!FixedChoice.empty()) return;  // the user's own choice stays for when it is free again
    platform::RegistryKey::Create(HKEY_CURRENT_USER, ChoiceKey(), KEY_SET_VALUE)
        .WriteString(regValue_, platform::Widen(abbreviation));
}

KLocalizerOnFly& Localizer() {
    static KLocalizerOnFly localizer;
    return localizer;
}

}  // namespace localizer
