#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/localizer/lang_file.h"
#include "core/localizer/lang_resource.h"
#include "core/localizer/lang_settings.h"

namespace ui {
class Form;
class MenuItem;
}  // namespace ui

// TKLocalizerOnFly: switches the running program to another language. A language other
// than the native one gets a resource-only module beside the program, generated once per
// language file content (X.A for the file lang\X.A.lng) and loaded as a data file; it becomes
// the program's resource source, so every later form and string comes translated, and the
// open forms are translated in place. The choice is kept in the registry.
namespace localizer {

// TLFInfo: one available language.
struct LFInfo {
    std::wstring FileName;  // lang\X.A.lng
    std::uint16_t LangID = 0;
    std::string Caption;  // the file's Name ("German"), shown in the Language menu
};

class KLocalizerOnFly {
public:
    KLocalizerOnFly();
    ~KLocalizerOnFly();
    KLocalizerOnFly(const KLocalizerOnFly&) = delete;
    KLocalizerOnFly& operator=(const KLocalizerOnFly&) = delete;

    // `settingsKey` (under HKEY_CURRENT_USER) holds the choice as "LocalizerExt"; empty: the
    // runtime's locale-override place. `folder` holds the language files; empty: the
    // program's folder, relative: below it.
    void Init(const std::wstring& settingsKey, const std::wstring& folder);
    bool Initialized() const { return initialized_; }

    // The program's own file, its folder (trailing backslash) and name without extension.
    // Tests point them at a copy.
    std::wstring ProgramFile;
    // Where generated modules go; empty: the user's data folder.
    std::wstring ModuleFolder;
    // A language fixed from outside, as an abbreviation (an administrator's choice), set
    // before Init: used in place of the stored choice, which is then neither read nor
    // written, and the language menu offers no other.
    std::wstring FixedChoice;

    std::uint16_t CurrentLangID() const { return currentLangId_; }
    const std::vector<LFInfo>& Languages() const;
    int NativeIndex() const;
    int IndexOfLanguage(std::uint16_t langId) const;
    LangResource& Dictionary() { return dictionary_; }

    void SwitchLanguage(std::uint16_t langId);
    // "ntv" or "exe" (any case): the native language; else a language abbreviation ("DEU").
    void SwitchLanguage(const std::string& abbreviation);

    // One radio item per language under `parent`, the current one checked; a click on an
    // unchecked item switches to its language.
    void FillMenu(ui::MenuItem& parent, int groupIndex);
    // Sets the current language's texts on an open form.
    void TranslateForm(ui::Form& form) const;

    std::function<void(KLocalizerOnFly&, const LFInfo&, ui::MenuItem&, bool& skip)> OnMenuItem;
    std::function<void(KLocalizerOnFly&, const LFInfo&)> OnLanguageChanged;

    // The file of the generated module for an abbreviation ("DEU", or "NTV").
    std::wstring ModuleFile(const std::string& abbreviation) const;

private:
    struct Module;
    void CheckInitialized() const;
    void SetFolder(const std::wstring& folder);
    void RebuildLanguageList();
    std::wstring LanguageFile(const std::string& abbreviation) const;
    std::string AbbreviationOf(std::uint16_t langId) const;
    // The program's resources untranslated: lang\X.ntv when there is one, else the program.
    std::wstring NativeModule() const;
    // The untranslated resources, loaded for as long as the object lives.
    struct NativeHandle {
        HMODULE handle;
        bool owned;
        ~NativeHandle() {
            if (owned && handle) FreeLibrary(handle);
        }
    };
    NativeHandle NativeResources() const;
    LangSettings SourceSettings() const;
    void Apply(LangFile& language, const std::string& abbreviation);
    void LoadNativeTexts();
    void UseOwnResources();
    void UseModule(std::unique_ptr<Module> module);
    std::unique_ptr<Module> LoadModule(const std::wstring& file) const;
    // The module of the language: the one on disk when it is of this file's content, else
    // generated afresh.
    std::unique_ptr<Module> ReadyModule(LangFile& language, const std::string& abbreviation, int index);
    std::wstring ChoiceKey() const;
    std::wstring ReadChoice() const;
    void WriteChoice(const std::string& abbreviation) const;

    bool initializing_ = true;
    bool initialized_ = false;
    bool nativeTextsLoaded_ = false;
    std::uint16_t currentLangId_ = 0;
    LangResource dictionary_;
    std::vector<LFInfo> languages_;
    int nativeIndex_ = -1;
    std::wstring folder_;  // full, with a trailing backslash
    std::wstring regKey_, regSection_, regValue_;
    std::unique_ptr<Module> module_;  // the loaded language module; none: own resources
};

// The program's one localizer.
KLocalizerOnFly& Localizer();

}  // namespace localizer
