#include "app/exception_handler.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "app/message_box_text.h"
#include "app/screen_capture.h"
#include "app/throw_site.h"
#include "core/app/screenshot_files.h"
#include "platform/handles.h"
#include "platform/data_folder.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "ui/application.h"

namespace {

TglExceptionHandler* g_instance = nullptr;  // not owned

constexpr int kScreenshotQuality = 50;

// The user's short date and long time, two spaces apart.
std::string Now() {
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 128);
    return platform::Narrow(std::wstring(date) + L"  " + time);
}

bool IsOwnException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const EglHandlerException&) {
        return true;
    } catch (...) {
        return false;
    }
}

// Names the exception being handled until the handler is left, however it is left. A
// message box's loop may hand over another exception meanwhile: the outer one is named
// again afterwards.
class Handling {
public:
    Handling(std::optional<app::HandledException>& slot, app::HandledException exception)
        : slot_(slot), outer_(std::exchange(slot, std::move(exception))) {}
    ~Handling() { slot_ = std::move(outer_); }
    Handling(const Handling&) = delete;
    Handling& operator=(const Handling&) = delete;

private:
    std::optional<app::HandledException>& slot_;
    std::optional<app::HandledException> outer_;
};

}  // namespace

TglExceptionHandler::TglExceptionHandler() = default;

TglExceptionHandler::~TglExceptionHandler() { Detach(); }

void TglExceptionHandler::Detach() {
    if (g_instance != this) return;
    ui::Application::Instance().SetExceptionHandler(nullptr);
    g_instance = nullptr;
}

TglExceptionHandler* TglExceptionHandler::Instance() { return g_instance; }

void TglExceptionHandler::SetActive(bool active) {
    active_ = active;
    if (!active_) Detach();
    if (!active_ || !Has(kRunTime)) return;
    ui::Application::Instance().SetExceptionHandler([this](std::exception_ptr error) { HandleException(error); });
    g_instance = this;
}

std::wstring TglExceptionHandler::LogFilePath() const {
    return app::LogFilePath(logFileName_, platform::UserDataFolder());
}

void TglExceptionHandler::HandleException(std::exception_ptr error) {
    if (IsOwnException(error)) return;
    app::ThrowSite site = app::ThrowSiteOf(error);
    // Throws the hook never saw each count as a place of their own (code addresses are far
    // above any count), so each of them keeps its screenshot.
    if (site.address == 0) site.address = ++unseenThrows_;
    const std::wstring text = ui::ExceptionMessage(error);
    bool written = false;
    {
        Handling handling(handling_, {site.className, site.address});
        written = WriteRecord(L"", text, L"");
    }
    if (Has(kQuiet)) return;
    if (boxShown_) {
        CountErrorWhileShown();
        return;
    }
    ShowError(written ? text + platform::LoadResString(str::SErrorLogCreated) : text);
}

bool TglExceptionHandler::WriteRecord(
    const std::wstring& id, const std::wstring& exceptionMessage, const std::wstring& message
) {
    bool written = false;
    try {
        const std::string record = app::FormatErrorRecord(BuildRecord(id, exceptionMessage, message));
        const bool named = std::any_of(logFileName_.begin(), logFileName_.end(), [](wchar_t c) { return c > L' '; });
        if (Has(kWriteLog) && named) {
            AppendToLog(record);
            written = true;
        }
    } catch (...) {
        if (!Has(kQuiet) && !boxShown_) {
            ShowError(platform::LoadResString(str::SErrorLogNotSaved) + ui::ExceptionMessage(std::current_exception()));
        }
    }
    if (Has(kScreenshots) && handling_ && screenshotAddresses_.insert(handling_->address).second) KeepScreenshot();
    return written;
}

app::ErrorRecord TglExceptionHandler::BuildRecord(
    const std::wstring& id, const std::wstring& exceptionMessage, const std::wstring& message
) {
    app::ErrorRecord record;
    record.exeModule = platform::Narrow(platform::ProgramPath());
    try {
        if (!sysInfo_) sysInfo_ = std::make_unique<TglSysInfo>();
        sysInfo_->Refresh();
        record.machine = sysInfo_->Machine();
    } catch (...) {
        // The record goes on without the snapshot.
    }
    record.exception = handling_;
    if (sysInfo_) {
        record.computer = sysInfo_->Computer();
        record.user = sysInfo_->User();
    }
    record.datetime = Now();
    record.id = platform::Narrow(id);
    record.exceptionMessage = platform::Narrow(exceptionMessage);
    record.message = platform::Narrow(message);
    return record;
}

// One write at the end of the file, so a record is never interleaved or cut by another.
void TglExceptionHandler::AppendToLog(const std::string& record) const {
    platform::KernelHandle file(CreateFileW(
        LogFilePath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr
    ));
    if (!file) throw platform::Error(platform::SystemErrorText(GetLastError()));
    DWORD written = 0;
    if (!WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr) ||
        written != record.size()) {
        throw platform::Error(platform::SystemErrorText(GetLastError()));
    }
}

void TglExceptionHandler::KeepScreenshot() {
    try {
        // The data folder is looked up here, not at start-up, which needs none of the shell.
        const std::wstring folder =
            screenshotFolder_.empty() ? platform::UserDataFolder() + L"minidump" : screenshotFolder_;
        app::SaveNewestScreenshot(folder, app::CaptureScreenAsJpeg(kScreenshotQuality));
    } catch (...) {
        // A screenshot is a help, not a duty: the record is already written.
    }
}

std::wstring TglExceptionHandler::BoxTitle() const {
    return platform::FormatResString(str::SErrorBoxTitle, applicationName_);
}

void TglExceptionHandler::ShowError(const std::wstring& text) {
    boxShown_ = true;
    boxText_ = text;
    errorsWhileShown_ = 0;
    MessageBoxW(nullptr, text.c_str(), BoxTitle().c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    boxShown_ = false;
}

void TglExceptionHandler::CountErrorWhileShown() {
    ++errorsWhileShown_;
    const std::wstring count = platform::FormatResString(str::SErrorsWhileShown, std::to_wstring(errorsWhileShown_));
    app::SetMessageBoxText(app::FindThreadMessageBox(BoxTitle()), boxText_ + count);
}
