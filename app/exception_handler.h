#pragma once
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/sys_info.h"
#include "core/app/error_record.h"
#include "platform/error.h"

// The logger's own exceptions: they never reach the log.
class EglHandlerException : public platform::Error {
public:
    using platform::Error::Error;
};

// The error logger: every exception that reaches the application ends here. It appends a
// record with a snapshot of the machine to the log file, keeps screenshots of the last
// failures and tells the user.
class TglExceptionHandler {
public:
    // Option flags.
    static constexpr std::uint8_t kRunTime = 0x02;      // installed when activated
    static constexpr std::uint8_t kWriteLog = 0x04;     // append records to the log file
    static constexpr std::uint8_t kQuiet = 0x08;        // show no message boxes
    static constexpr std::uint8_t kScreenshots = 0x10;  // keep screenshots of new failures
    // The program's set: installed, log written, screenshots kept, message boxes shown.
    static constexpr std::uint8_t kStartupOptions = kRunTime | kWriteLog | kScreenshots;

    TglExceptionHandler();
    // Detaches from the application.
    ~TglExceptionHandler();
    TglExceptionHandler(const TglExceptionHandler&) = delete;
    TglExceptionHandler& operator=(const TglExceptionHandler&) = delete;

    // The process-wide logger, once one has been activated; not owned.
    static TglExceptionHandler* Instance();

    bool Active() const { return active_; }
    // With the run-time option on, makes this the application's handler of unhandled
    // exceptions; inactive, it lets go again.
    void SetActive(bool active);

    const std::wstring& LogFileName() const { return logFileName_; }
    void SetLogFileName(const std::wstring& name) { logFileName_ = name; }
    const std::wstring& ApplicationName() const { return applicationName_; }
    void SetApplicationName(const std::wstring& name) { applicationName_ = name; }
    std::uint8_t Options() const { return options_; }
    void SetOptions(std::uint8_t options) { options_ = options; }
    // "minidump" in the user's data folder unless set otherwise.
    void SetScreenshotFolder(const std::wstring& folder) { screenshotFolder_ = folder; }

    // The log file's full path by the location rule.
    std::wstring LogFilePath() const;

    // The application's handler: logs the exception and, unless quiet, tells the user. One
    // message box at a time: failures while it is open (its loop runs timers) are logged
    // and counted in its text.
    void HandleException(std::exception_ptr error);

    // Appends a record; each text appears only when not empty. While an exception is being
    // handled the record names it and, the first time its address fails, a screenshot is
    // kept. False when no record was written (logging off or the log not writable).
    bool WriteRecord(const std::wstring& id, const std::wstring& exceptionMessage, const std::wstring& message);

private:
    void Detach();
    bool Has(std::uint8_t option) const { return (options_ & option) != 0; }
    app::ErrorRecord BuildRecord(
        const std::wstring& id, const std::wstring& exceptionMessage, const std::wstring& message
    );
    void AppendToLog(const std::string& record) const;
    void KeepScreenshot();
    std::wstring BoxTitle() const;
    void ShowError(const std::wstring& text);
    void CountErrorWhileShown();

    bool active_ = false;
    std::wstring logFileName_ = L"_errors_log.txt";
    std::wstring applicationName_;
    std::uint8_t options_ = kRunTime | kWriteLog;
    std::set<std::uintptr_t> screenshotAddresses_;
    std::unique_ptr<TglSysInfo> sysInfo_;
    std::wstring screenshotFolder_;
    std::optional<app::HandledException> handling_;  // set while an exception is handled
    std::uintptr_t unseenThrows_ = 0;                // stands in for the address of throws not seen
    bool boxShown_ = false;                          // one box at a time
    std::wstring boxText_;                           // what the open box said at first
    int errorsWhileShown_ = 0;                       // failures logged while it is open
};
