// The problem-report mails of the configurator program, composed through a recording
// stand-in of the simple mail library put where the system's lies.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "platform/data_folder.h"
#include "tests/win/support/test_support.h"

using namespace testing_support;

namespace {

enum class MailLibrary { Accepting, Rejecting, Missing };

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One recorded mail: its "key=value" lines, the body apart.
struct RecordedMail {
    std::multimap<std::string, std::string> fields;
    std::string body;
    std::string Field(const std::string& key) const {
        auto it = fields.find(key);
        return it == fields.end() ? "(missing)" : it->second;
    }
};

std::vector<RecordedMail> ParseMails(const std::string& text) {
    std::vector<RecordedMail> mails;
    std::size_t at = 0;
    while (at < text.size()) {
        RecordedMail mail;
        for (;;) {
            const std::size_t end = text.find('\n', at);
            const std::string line = text.substr(at, end - at);
            at = end + 1;
            if (line == "body=") break;
            const std::size_t equals = line.find('=');
            mail.fields.emplace(line.substr(0, equals), line.substr(equals + 1));
        }
        const std::size_t end = text.find("\n<end of mail>\n", at);
        mail.body = text.substr(at, end - at);
        at = end + 15;
        mails.push_back(mail);
    }
    return mails;
}

// A copy of the program in a folder of its own, with its native language file, and the
// chosen mail library in the system's place.
class ProblemReport : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSettingsKey();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"mails-" +
                  WideName(::testing::UnitTest::GetInstance()->current_test_info()->name()) + L"-" +
                  std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        ASSERT_TRUE(CopyFileW((ProductFolder() + L"TesslyMBCfg.exe").c_str(), Program().c_str(), FALSE));
        CreateDirectoryW((folder_ + L"lang").c_str(), nullptr);
        ASSERT_TRUE(CopyFileW(
            (ProductFolder() + kNativeLanguageFile).c_str(), (folder_ + kNativeLanguageFile).c_str(), FALSE
        ));
        SetEnvironmentVariableW(L"MAPI_RECORD_FILE", Record().c_str());
        DeleteFileW(LogFile().c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"MAPI_RECORD_FILE", nullptr);
        mailLibrary_.reset();
        DeleteFileW(LogFile().c_str());
        for (const wchar_t* name : {L"TesslyMBCfg.exe", L"MAPI32.dll", L"mail.txt"}) {
            DeleteFileW((folder_ + name).c_str());
        }
        DeleteFileW((folder_ + kNativeLanguageFile).c_str());
        RemoveDirectoryW((folder_ + L"lang").c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    static constexpr const wchar_t* kNativeLanguageFile = L"lang\\TesslyMBCfg.ntv.lng";

    static std::wstring WideName(const char* name) { return std::wstring(name, name + strlen(name)); }

    // The test run loads only the recorder (never a real mail program).
    void UseMailLibrary(MailLibrary library) {
        mailLibrary_.reset();
        if (library == MailLibrary::Missing) {
            mailLibrary_.emplace(L"");
            return;
        }
        const std::wstring recorder =
            RecordingMailLibrary(library == MailLibrary::Accepting ? L"accepting" : L"rejecting");
        ASSERT_FALSE(recorder.empty());
        mailLibrary_.emplace(recorder);
    }

    // A library of the mail library's name beside the program, as a planted file would lie.
    void PlantMailLibrary(MailLibrary library) {
        ASSERT_TRUE(CopyFileW(
            RecordingMailLibrary(library == MailLibrary::Accepting ? L"accepting" : L"rejecting").c_str(),
            (folder_ + L"MAPI32.dll").c_str(), FALSE
        ));
    }

    // The log the program writes and "-bugreport" attaches: in the user's data folder.
    static std::wstring LogFile() { return platform::UserDataFolder() + L"errorlog.txt"; }

    std::wstring Program() const { return folder_ + L"TesslyMBCfg.exe"; }
    std::wstring Record() const { return folder_ + L"mail.txt"; }
    std::optional<DWORD> Run(const wchar_t* option) { return RunAndWait(L"\"" + Program() + L"\" " + option); }
    std::vector<RecordedMail> Mails() const { return ParseMails(ReadAll(Record())); }

    std::wstring folder_;
    std::optional<SystemMailLibrary> mailLibrary_;
};

}  // namespace

TEST_F(ProblemReport, TheBugReportCarriesTheQuestionsTheSystemSummaryAndTheWholeErrorLog) {
    UseMailLibrary(MailLibrary::Accepting);
    std::ofstream(std::filesystem::path(LogFile()), std::ios::binary)
        << "first line\r\nsecond line\nlast line";
    EXPECT_EQ(Run(L"-bugreport"), 0u);
    const std::vector<RecordedMail> mails = Mails();
    ASSERT_EQ(mails.size(), 1u);
    const RecordedMail& mail = mails[0];
    EXPECT_EQ(mail.Field("flags"), "8");  // the mail program's dialog
    EXPECT_EQ(mail.Field("session"), "0");
    EXPECT_EQ(mail.Field("parent"), "0");
    EXPECT_EQ(mail.Field("originator"), "(null)");
    EXPECT_EQ(mail.Field("attachments"), "0");
    EXPECT_EQ(mail.Field("recipients"), "1");
    EXPECT_EQ(mail.Field("recipient"), "1||support@tesslysoftware.example");
    EXPECT_EQ(mail.Field("subject"), "TesslySoftware : TesslyDozidiDavazez");
    const std::string opening =
        "Program doesn't work on my computer. What do I have to do?\r\n...\r\n.\r\n\r\n"
        "Problem looks like this:\r\n...\r\n.\r\n\r\n"
        "Problem occurs when I'm running these applications:\r\n...\r\n.\r\n\r\n"
        "Influence of this problem on other applications:\r\n...\r\n.\r\n\r\n"
        "-----------|  System Information  |-----------------------------\r\nProcessor  : ";
    EXPECT_EQ(mail.body.substr(0, opening.size()), opening);
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    const std::string total = "\r\n  total   = " + std::to_string((memory.ullTotalPhys + 500000) >> 20) + " MB\r\n";
    EXPECT_NE(mail.body.find("\r\n\r\nMemory     : \r\n  free    = "), std::string::npos) << mail.body;
    EXPECT_NE(mail.body.find(total), std::string::npos) << mail.body;
    EXPECT_NE(mail.body.find("\r\nOS version : "), std::string::npos);
    EXPECT_NE(mail.body.find("\r\nCache settings : "), std::string::npos);
    EXPECT_NE(mail.body.find("\r\nVersion : "), std::string::npos);
    const std::string closing =
        "\r\n----------------------------------------------------------------\r\n"
        "first line\r\nsecond line\r\nlast line\r\n";
    ASSERT_GE(mail.body.size(), closing.size());
    EXPECT_EQ(mail.body.substr(mail.body.size() - closing.size()), closing);
}

TEST_F(ProblemReport, WithoutAnErrorLogTheBugReportEndsWithTheFinalRecordLine) {
    UseMailLibrary(MailLibrary::Accepting);
    EXPECT_EQ(Run(L"-bugreport"), 0u);
    const std::vector<RecordedMail> mails = Mails();
    ASSERT_EQ(mails.size(), 1u);
    const std::string end = "-\r\nBugList final record.\r\n";
    EXPECT_EQ(mails[0].body.substr(mails[0].body.size() - end.size()), end);
}

TEST_F(ProblemReport, TheUninstallFeedbackAndTheTellAFriendMailHaveTheirOwnTexts) {
    UseMailLibrary(MailLibrary::Accepting);
    EXPECT_EQ(Run(L"-uninstall"), 0u);
    EXPECT_EQ(Run(L"-tellfriend"), 0u);
    const std::vector<RecordedMail> mails = Mails();
    ASSERT_EQ(mails.size(), 2u);
    EXPECT_EQ(mails[0].Field("subject"), "TesslySoftware : TesslyDozidiDavazez");
    EXPECT_EQ(mails[0].Field("recipient"), "1||support@tesslysoftware.example");
    EXPECT_EQ(
        mails[0].body.substr(0, 60), std::string("Hello, .\r\n\r\nUnfortunately, i am uninstalling this applicatio")
    );
    EXPECT_NE(mails[0].body.find("-----------|  System Information  |---"), std::string::npos);
    EXPECT_EQ(mails[1].Field("subject"), "I've found a greatest program for tunning your system! Enjoy it!");
    EXPECT_EQ(mails[1].Field("recipient"), "1||friend@address.here");
    EXPECT_EQ(mails[1].Field("flags"), "8");
    EXPECT_EQ(
        mails[1].body,
        "Hello, .\r\n\r\n"
        "I have been using Tessly Dozidi Davazez for a while: it keeps my computer's memory free and my programs "
        "start faster. I think you will like it too.\r\n\r\n"
        "Download it here and enjoy!\r\n"
        "http://www.tesslysoftware.example/download/\r\n\r\n"
    );
}

// An uninstaller waits for "-uninstall": without language files the switches show nothing
// of their own and go on in English (a box would keep the program from ending).
TEST_F(ProblemReport, WithoutLanguageFilesTheMailSwitchesGoOnInEnglishWithoutABox) {
    DeleteFileW((folder_ + kNativeLanguageFile).c_str());
    UseMailLibrary(MailLibrary::Accepting);
    EXPECT_EQ(Run(L"-uninstall"), 0u);
    EXPECT_EQ(Run(L"-bugreport"), 0u);
    EXPECT_EQ(Run(L"-tellfriend"), 0u);
    const std::vector<RecordedMail> mails = Mails();
    ASSERT_EQ(mails.size(), 3u);
    EXPECT_EQ(mails[0].body.substr(0, 31), "Hello, .\r\n\r\nUnfortunately, i am");
}

TEST_F(ProblemReport, ARejectedOrImpossibleMailEndsTheProgramWithCode1000) {
    UseMailLibrary(MailLibrary::Rejecting);
    EXPECT_EQ(Run(L"-bugreport"), 1000u);
    EXPECT_EQ(Mails().size(), 1u);  // the request was made, and refused
    EXPECT_EQ(Run(L"-tellfriend"), 1000u);
    DeleteFileW(Record().c_str());
    UseMailLibrary(MailLibrary::Missing);
    EXPECT_EQ(Run(L"-bugreport"), 1000u);
    EXPECT_EQ(Run(L"-uninstall"), 1000u);
    EXPECT_EQ(ReadAll(Record()), "");  // no request without the library
}

// A file of the mail library's name beside the program would run inside it, and inside an
// uninstaller that starts "-uninstall" with administrator rights.
TEST_F(ProblemReport, AMailLibraryBesideTheProgramIsNeverLoaded) {
    PlantMailLibrary(MailLibrary::Rejecting);
    UseMailLibrary(MailLibrary::Accepting);
    EXPECT_EQ(Run(L"-uninstall"), 0u);  // the system's accepted it; the planted one would refuse
    EXPECT_EQ(Mails().size(), 1u);
    DeleteFileW(Record().c_str());
    UseMailLibrary(MailLibrary::Missing);
    EXPECT_EQ(Run(L"-uninstall"), 1000u);
    EXPECT_EQ(ReadAll(Record()), "");  // the planted library was not asked
}
