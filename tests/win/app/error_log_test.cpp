// The error logger as the application's handler of unhandled exceptions.
#include "app/exception_handler.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <atomic>
#include <functional>
#include <iterator>
#include <map>
#include <thread>

#include <jpeglib.h>

#include "app/error_logger.h"
#include "core/settings/settings_table.h"
#include "platform/error.h"
#include "platform/data_folder.h"
#include "platform/text.h"
#include "ui/application.h"
#include "tests/win/support/policy_values.h"
#include "ui/timer.h"

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* kBoxTitle = L"[ Tessly Dozidi Davazez ] : Error Message";

// Each throw below is one code address of its own.
[[gnu::noinline]] void ThrowFromOnePlace(const std::wstring& text) { throw platform::Error(text); }

template <int Place>
[[gnu::noinline]] void ThrowAt() {
    throw platform::Error(L"failure at place " + std::to_wstring(Place));
}

std::exception_ptr Caught(const std::function<void()>& fail) {
    try {
        fail();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

// Hands an exception to the application as a window procedure would.
void Fail(const std::function<void()>& fail) { ui::Application::Instance().HandleException(Caught(fail)); }

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Records(const std::string& log) {
    std::vector<std::string> records;
    const std::string header = "##################### exception log record\r\n";
    for (std::size_t at = log.find(header); at != std::string::npos;) {
        const std::size_t next = log.find(header, at + 1);
        records.push_back(log.substr(at, next == std::string::npos ? std::string::npos : next - at));
        at = next;
    }
    return records;
}

std::map<std::string, std::string> Fields(const std::string& record) {
    std::map<std::string, std::string> fields;
    std::size_t at = 0;
    while (at < record.size()) {
        std::size_t end = record.find("\r\n", at);
        if (end == std::string::npos) end = record.size();
        const std::string line = record.substr(at, end - at);
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) fields[line.substr(0, equals)] = line.substr(equals + 1);
        at = end + 2;
    }
    return fields;
}

// Answers the logger's message boxes from another thread, noting their texts; each box is
// left open for `openMs` first.
class BoxAnswerer {
public:
    explicit BoxAnswerer(DWORD openMs = 0) : openMs_(openMs), thread_([this] { Run(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::vector<std::wstring> Texts() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return texts_;
    }

private:
    void Run() {
        while (!stop_) {
            if (HWND box = FindWindowW(L"#32770", kBoxTitle)) {
                Sleep(openMs_);
                wchar_t text[2048] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 2048);
                texts_.push_back(text);
                SendMessageW(box, WM_COMMAND, IDOK, 0);
                while (IsWindow(box)) Sleep(10);
            }
            Sleep(10);
        }
    }
    DWORD openMs_;
    std::atomic<bool> stop_{false};
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

class ErrorLog : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  (std::string("errorlog-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                   std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        logger_.SetLogFileName(LogPath().wstring());
        logger_.SetApplicationName(L"Tessly Dozidi Davazez");
        logger_.SetScreenshotFolder(Shots());
        logger_.SetOptions(TglExceptionHandler::kStartupOptions | TglExceptionHandler::kQuiet);
        logger_.SetActive(true);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path LogPath() const { return folder_ / "errorlog.txt"; }
    fs::path Shots() const { return folder_ / "minidump"; }
    std::vector<std::string> LoggedRecords() const { return Records(ReadAll(LogPath())); }
    // The texts of the message boxes shown while a failure is handled, each left open `openMs`.
    static std::vector<std::wstring> BoxTextsOf(const std::wstring& failure, DWORD openMs = 0) {
        BoxAnswerer answerer(openMs);
        Fail([&failure] { ThrowFromOnePlace(failure); });
        return answerer.Texts();
    }

    fs::path folder_;
    TglExceptionHandler logger_;
};

}  // namespace

TEST_F(ErrorLog, TheRecordsFieldsDescribeTheExceptionAndThisMachine) {
    ASSERT_EQ(TglExceptionHandler::Instance(), &logger_);
    Fail([] { ThrowFromOnePlace(L"Disk on fire"); });
    const std::vector<std::string> records = LoggedRecords();
    ASSERT_EQ(records.size(), 1u);
    const std::string trailer = "\r\n##################### exception log record end\r\n\r\n\r\n\r\n";
    EXPECT_EQ(records[0].substr(records[0].size() - trailer.size()), trailer);
    std::map<std::string, std::string> f = Fields(records[0]);

    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(f["ExeModule"], fs::path(program).string());
    EXPECT_EQ(f["OSPlatform"], "NT");
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    EXPECT_EQ(
        f["CPUKind"],
        std::to_string(static_cast<std::int32_t>(system.wProcessorLevel | (DWORD{system.wProcessorRevision} << 16)))
    );
    EXPECT_FALSE(f["CPUName"].empty());
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    EXPECT_EQ(f["TotalPhys"], std::to_string(memory.ullTotalPhys));  // whole, however large
    EXPECT_EQ(f["TotalVirtual"], std::to_string(memory.ullTotalVirtual));
    EXPECT_GT(std::stoull(f["AvailPhys"]), 0u);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(f["ColorDepth"], std::to_string(GetDeviceCaps(screen, BITSPIXEL)));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(
        f["GraphicResolution"],
        std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN))
    );
    EXPECT_EQ(f["Exception class"], "platform::Error");
    // The address of the throw inside ThrowFromOnePlace, as wide as a pointer.
    ASSERT_EQ(f["ExceptAddr"].size(), 2 * sizeof(void*));
    const std::uintptr_t address = std::stoull(f["ExceptAddr"], nullptr, 16);
    const auto start = reinterpret_cast<std::uintptr_t>(&ThrowFromOnePlace);
    EXPECT_GT(address, start);
    EXPECT_LT(address, start + 512);
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    EXPECT_EQ(f["Computer"], computer);
    EXPECT_NE(f["Datetime"].find("  "), std::string::npos);
    EXPECT_EQ(f["ExceptionMessage"], "Disk on fire");
    EXPECT_EQ(f.count("ID"), 0u);
    EXPECT_EQ(f.count("Message"), 0u);
}

TEST_F(ErrorLog, RecordsAreAppendedAndWithoutAnExceptionNameNoneAndTakeNoScreenshot) {
    std::ofstream(LogPath(), std::ios::binary) << "earlier text";
    logger_.WriteRecord(L"7", L"", L"just a note");
    const std::string log = ReadAll(LogPath());
    EXPECT_EQ(log.substr(0, 12), "earlier text");
    const std::vector<std::string> records = Records(log);
    ASSERT_EQ(records.size(), 1u);
    std::map<std::string, std::string> f = Fields(records[0]);
    EXPECT_EQ(f.count("Exception class"), 0u);
    EXPECT_EQ(f.count("ExceptAddr"), 0u);
    EXPECT_EQ(f["ID"], "7");
    EXPECT_EQ(f["Message"], "just a note");
    EXPECT_EQ(f.count("ExceptionMessage"), 0u);
    EXPECT_FALSE(fs::exists(Shots()));
}

TEST_F(ErrorLog, TwoExceptionsAtOneAddressGiveTwoRecordsButOneScreenshot) {
    Fail([] { ThrowFromOnePlace(L"first"); });
    Fail([] { ThrowFromOnePlace(L"second"); });
    EXPECT_EQ(LoggedRecords().size(), 2u);
    EXPECT_TRUE(fs::exists(Shots() / "1.jpg"));
    EXPECT_FALSE(fs::exists(Shots() / "2.jpg"));
}

TEST_F(ErrorLog, AFourthAddressPushesTheOldestScreenshotOut) {
    Fail(ThrowAt<1>);
    std::ofstream(Shots() / "1.jpg", std::ios::binary | std::ios::trunc) << "capture of place 1";
    Fail(ThrowAt<2>);
    Fail(ThrowAt<3>);
    EXPECT_EQ(ReadAll(Shots() / "3.jpg"), "capture of place 1");
    Fail(ThrowAt<4>);
    EXPECT_EQ(LoggedRecords().size(), 4u);
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
        EXPECT_NE(ReadAll(Shots() / name), "capture of place 1") << name;
        EXPECT_NE(ReadAll(Shots() / name), "(missing)") << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(Shots()), fs::directory_iterator()), 3);
}

TEST_F(ErrorLog, TheScreenshotIsAJpegOfTheWholeScreen) {
    Fail([] { ThrowFromOnePlace(L"look"); });
    FILE* file = _wfopen((Shots() / "1.jpg").c_str(), L"rb");
    ASSERT_NE(file, nullptr);
    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    jpeg_start_decompress(&info);
    EXPECT_EQ(info.output_width, static_cast<JDIMENSION>(GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(info.output_height, static_cast<JDIMENSION>(GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(info.output_components, 3);
    std::vector<JSAMPLE> row(info.output_width * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
    }
    EXPECT_EQ(jpeg_finish_decompress(&info), TRUE);
    jpeg_destroy_decompress(&info);
    fclose(file);
    EXPECT_FALSE(fs::exists(Shots() / "1.jpg.new"));
}

TEST_F(ErrorLog, TheUserIsToldUnlessQuiet) {
    logger_.SetOptions(TglExceptionHandler::kStartupOptions);
    const std::vector<std::wstring> texts = BoxTextsOf(L"Cannot go on");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(
        texts[0],
        L"Cannot go on\r\n\r\nError log created.\r\nPlease, use \"Bugreport\" feature to report about this "
        L"error.\r\nWe will fix this for your system."
    );
    EXPECT_EQ(LoggedRecords().size(), 1u);
}

TEST_F(ErrorLog, QuietTheUserSeesNothingButTheRecordIsWritten) {
    Fail([] { ThrowFromOnePlace(L"silent"); });  // would wait for an answer if a box came up
    EXPECT_EQ(FindWindowW(L"#32770", kBoxTitle), nullptr);
    ASSERT_EQ(LoggedRecords().size(), 1u);
    EXPECT_EQ(Fields(LoggedRecords()[0])["ExceptionMessage"], "silent");
}

TEST_F(ErrorLog, ALogThatCannotBeWrittenIsReportedAndTheProgramGoesOn) {
    logger_.SetLogFileName((folder_ / "no such folder" / "errorlog.txt").wstring());
    logger_.SetOptions(TglExceptionHandler::kStartupOptions);
    const std::vector<std::wstring> texts = BoxTextsOf(L"lost");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].substr(0, 29), L"Error log was not saved. \r\n\r\n");
    EXPECT_GT(texts[0].size(), 29u);  // with the system's reason
    EXPECT_EQ(texts[1], L"lost");     // no record, so no word of one
    EXPECT_FALSE(fs::exists(folder_ / "no such folder"));
    EXPECT_TRUE(fs::exists(Shots() / "1.jpg"));  // the screenshot is kept all the same
}

TEST_F(ErrorLog, WithoutALogTheBoxDoesNotSpeakOfOne) {
    logger_.SetOptions(TglExceptionHandler::kRunTime);
    const std::vector<std::wstring> texts = BoxTextsOf(L"unlogged");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"unlogged");
    EXPECT_FALSE(fs::exists(LogPath()));
}

// The box's loop runs the program's timers: a handler failing on every tick is logged each
// time, and counted in the one box that is open, instead of opening a box per tick.
TEST_F(ErrorLog, FailuresWhileTheBoxIsOpenAreLoggedAndCountedInIt) {
    logger_.SetOptions(TglExceptionHandler::kStartupOptions);
    ui::Timer timer(nullptr);
    timer.OnTimer = [](ui::NotifyArgs&) { ThrowAt<7>(); };
    timer.SetInterval(20);
    const std::vector<std::wstring> texts = BoxTextsOf(L"first failure", 600);
    timer.SetEnabled(false);
    ASSERT_EQ(texts.size(), 1u);
    const std::wstring counted = L"More errors logged while this message was shown: ";
    const std::size_t at = texts[0].find(counted);
    ASSERT_NE(at, std::wstring::npos) << platform::Narrow(texts[0]);
    EXPECT_EQ(texts[0].substr(0, 15), L"first failure\r\n");
    const int count = std::stoi(texts[0].substr(at + counted.size()));
    EXPECT_GE(count, 2);
    EXPECT_GE(LoggedRecords().size(), static_cast<std::size_t>(1 + count));
    EXPECT_TRUE(fs::exists(Shots() / "2.jpg"));  // one screenshot for each of the two places
    EXPECT_FALSE(fs::exists(Shots() / "3.jpg"));
}

// An exception made without a throw (as a foreign library may hand one over) has no known
// address; each still gets its screenshot.
TEST_F(ErrorLog, ExceptionsOfUnknownOriginEachKeepAScreenshot) {
    ui::Application::Instance().HandleException(std::make_exception_ptr(platform::Error(L"handed over")));
    ui::Application::Instance().HandleException(std::make_exception_ptr(platform::Error(L"handed over again")));
    EXPECT_EQ(LoggedRecords().size(), 2u);
    EXPECT_TRUE(fs::exists(Shots() / "2.jpg"));
}

TEST_F(ErrorLog, WithoutTheLogOptionOrWithABlankNameNothingIsWritten) {
    logger_.SetOptions(TglExceptionHandler::kRunTime | TglExceptionHandler::kQuiet);
    Fail([] { ThrowFromOnePlace(L"unlogged"); });
    logger_.SetOptions(TglExceptionHandler::kStartupOptions | TglExceptionHandler::kQuiet);
    logger_.SetLogFileName(L"  ");
    Fail([] { ThrowFromOnePlace(L"unlogged"); });
    EXPECT_FALSE(fs::exists(LogPath()));
    EXPECT_FALSE(fs::exists(platform::UserDataFolder() + L"  "));
}

TEST_F(ErrorLog, TheLoggersOwnExceptionsAreIgnored) {
    Fail([] { throw EglHandlerException(L"internal"); });
    EXPECT_FALSE(fs::exists(LogPath()));
    EXPECT_FALSE(fs::exists(Shots()));
}

TEST_F(ErrorLog, ABareLogNameLiesInTheUsersDataFolderAndTheLoggerLetsGoWhenDestroyed) {
    logger_.SetLogFileName(L"errorlog.txt");
    EXPECT_EQ(logger_.LogFilePath(), platform::UserDataFolder() + L"errorlog.txt");
    EXPECT_TRUE(platform::UserDataFolder().ends_with(L"\\TesslySoftware\\DozidiDavazez\\"));
    EXPECT_TRUE(fs::is_directory(platform::UserDataFolder()));
    {
        TglExceptionHandler second;
        second.SetOptions(TglExceptionHandler::kStartupOptions);
        second.SetActive(true);
        EXPECT_EQ(TglExceptionHandler::Instance(), &second);
    }
    EXPECT_EQ(TglExceptionHandler::Instance(), nullptr);
}

TEST_F(ErrorLog, AnInactiveLoggerOrOneWithoutTheRunTimeOptionLeavesExceptionsToTheApplication) {
    logger_.SetActive(false);
    EXPECT_EQ(TglExceptionHandler::Instance(), nullptr);
    logger_.SetOptions(TglExceptionHandler::kWriteLog | TglExceptionHandler::kQuiet);
    logger_.SetActive(true);
    EXPECT_EQ(TglExceptionHandler::Instance(), nullptr);
    std::exception_ptr seen;
    ui::Application::Instance().SetExceptionHandler([&seen](std::exception_ptr error) { seen = error; });
    Fail([] { ThrowFromOnePlace(L"elsewhere"); });
    ui::Application::Instance().SetExceptionHandler(nullptr);
    EXPECT_TRUE(seen);
    EXPECT_FALSE(fs::exists(LogPath()));
}

TEST_F(ErrorLog, AnExceptionLeavingATimerHandlerIsLoggedAndTheProgramGoesOn) {
    ui::Timer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](ui::NotifyArgs&) {
        if (++ticks == 1) ThrowFromOnePlace(L"from a timer");
        timer.SetEnabled(false);
    };
    timer.SetInterval(10);
    for (int i = 0; i < 400 && ticks < 2; ++i) {
        Sleep(5);
        ui::Application::Instance().ProcessMessages();
    }
    EXPECT_EQ(ticks, 2);  // the timer went on ticking after the failure
    ASSERT_EQ(LoggedRecords().size(), 1u);
    std::map<std::string, std::string> f = Fields(LoggedRecords()[0]);
    EXPECT_EQ(f["ExceptionMessage"], "from a timer");
    EXPECT_EQ(f["Exception class"], "platform::Error");
}

// The program's own logger as start-up installs it: its log and screenshots in the user's data
// folder, unless an administrator's ErrorLog policy turns them off.
class ProgramErrorLog : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::RemoveAllPolicies();
        RemoveWhatTheLoggerKeeps();
    }
    void TearDown() override {
        testing_support::RemoveAllPolicies();
        RemoveWhatTheLoggerKeeps();
    }

    static fs::path LogPath() { return fs::path(platform::UserDataFolder()) / "errorlog.txt"; }
    static fs::path Shots() { return fs::path(platform::UserDataFolder()) / "minidump"; }
    static bool ScreenshotKept() { return fs::is_directory(Shots()) && !fs::is_empty(Shots()); }
    static void RemoveWhatTheLoggerKeeps() {
        std::error_code ignored;
        fs::remove(LogPath(), ignored);
        fs::remove_all(Shots(), ignored);
    }

    // The message boxes the program's logger shows for one failure.
    static std::vector<std::wstring> BoxTextsOfProgramLogger(const std::wstring& failure) {
        TglExceptionHandler logger;
        app::InstallErrorLogger(logger);
        BoxAnswerer answerer;
        Fail([&failure] { ThrowFromOnePlace(failure); });
        return answerer.Texts();
    }
};

TEST_F(ProgramErrorLog, WithoutAPolicyOrWithItOnTheLogAndAScreenshotAreKept) {
    std::vector<std::wstring> texts = BoxTextsOfProgramLogger(L"kept");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(L"Error log created."), std::wstring::npos);
    ASSERT_EQ(Records(ReadAll(LogPath())).size(), 1u);
    EXPECT_EQ(Fields(Records(ReadAll(LogPath()))[0])["ExceptionMessage"], "kept");
    EXPECT_TRUE(ScreenshotKept());

    RemoveWhatTheLoggerKeeps();
    testing_support::ScopedPolicy on(HKEY_LOCAL_MACHINE, settings::ErrorLog.name, 1);
    ASSERT_TRUE(on.Written());
    texts = BoxTextsOfProgramLogger(L"kept again");
    EXPECT_EQ(Records(ReadAll(LogPath())).size(), 1u);
    EXPECT_TRUE(ScreenshotKept());
}

TEST_F(ProgramErrorLog, WithThePolicyOffNothingIsWrittenOrKeptButTheUserIsStillTold) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        SCOPED_TRACE(root == HKEY_LOCAL_MACHINE ? "machine" : "user");
        testing_support::ScopedPolicy off(root, settings::ErrorLog.name, 0);
        ASSERT_TRUE(off.Written());
        const std::vector<std::wstring> texts = BoxTextsOfProgramLogger(L"not kept");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0], L"not kept");  // no word of a log
        EXPECT_FALSE(fs::exists(LogPath()));
        EXPECT_FALSE(ScreenshotKept());
    }
}

TEST_F(ProgramErrorLog, TheMachinesPolicyWinsOverTheUsers) {
    testing_support::ScopedPolicy machine(HKEY_LOCAL_MACHINE, settings::ErrorLog.name, 0);
    testing_support::ScopedPolicy user(HKEY_CURRENT_USER, settings::ErrorLog.name, 1);
    ASSERT_TRUE(machine.Written() && user.Written());
    BoxTextsOfProgramLogger(L"machine says no");
    EXPECT_FALSE(fs::exists(LogPath()));
    EXPECT_FALSE(ScreenshotKept());
}
