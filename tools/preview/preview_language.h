#pragma once
#include <string>

// Previews that show windows in one of the product's languages (build/win/bin/lang). The
// language choice is kept under a key of the preview's own, removed when it ends, and the
// language module is made among the temporary files.
class PreviewLanguage {
public:
    explicit PreviewLanguage(const std::wstring& previewName);
    PreviewLanguage(const PreviewLanguage&) = delete;
    PreviewLanguage& operator=(const PreviewLanguage&) = delete;
    ~PreviewLanguage();

    // A failure is shown in a message box: the preview goes on in the language it has.
    void Switch(const std::string& abbreviation);

private:
    std::wstring key_;
};
