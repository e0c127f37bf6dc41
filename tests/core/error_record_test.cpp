#include "core/app/error_record.h"

#include <gtest/gtest.h>

using namespace app;

namespace {

MachineSnapshot BigMachine() {
    MachineSnapshot m;
    m.platform = "NT";
    m.processorKind = static_cast<std::int32_t>(0xC0090006u);  // revision 0xC009, level 6
    m.processorName = ProcessorName(6);
    m.totalPhys = 17179869184ull;  // 16 GB
    m.availPhys = 3221225472ull;   // past the signed 32-bit range
    m.totalPageFile = 2;
    m.availPageFile = 1;
    m.totalVirtual = 140737488224256ull;
    m.availVirtual = 140737400000000ull;
    m.colorDepth = 32;
    m.systemFont = SystemFontName(96);
    m.refreshRate = 60;
    m.resolution = ResolutionText(1920, 1080);
    return m;
}

}  // namespace

TEST(ErrorRecord, AFullRecordHasEveryLineInOrderJoinedByCrLf) {
    ErrorRecord r;
    r.exeModule = "C:\\Prog\\TesslyMBCfg.exe";
    r.machine = BigMachine();
    r.exception = HandledException{"platform::Error", 0x140001A2Fu};
    r.computer = "BOX";
    r.user = "ann";
    r.datetime = "07.12.2026  03:04:05";
    r.exceptionMessage = "Failed";
    EXPECT_EQ(
        FormatErrorRecord(r),
        "##################### exception log record"
        "\r\nExeModule=C:\\Prog\\TesslyMBCfg.exe"
        "\r\nOSPlatform=NT"
        "\r\nCPUKind=-1073151994"  // the whole 32-bit value
        "\r\nCPUName=Pentium Pro/Celeron"
        "\r\nTotalPhys=17179869184"
        "\r\nAvailPhys=3221225472"
        "\r\nTotalPageFile=2"
        "\r\nAvailPageFile=1"
        "\r\nTotalVirtual=140737488224256"
        "\r\nAvailVirtual=140737400000000"
        "\r\nColorDepth=32"
        "\r\nSystemFont=SmallFont"
        "\r\nVRefreshRate=60"
        "\r\nGraphicResolution=1920x1080"
        "\r\nException class=platform::Error"
        "\r\nExceptAddr=0000000140001A2F"  // as wide as a pointer
        "\r\nComputer=BOX"
        "\r\nUser=ann"
        "\r\nDatetime=07.12.2026  03:04:05"
        "\r\nExceptionMessage=Failed"
        "\r\n##################### exception log record end\r\n\r\n\r\n\r\n"
    );
}

TEST(ErrorRecord, WithoutSnapshotOrExceptionTheRecordGoesOnAtComputerAndKeepsOnlyGivenTexts) {
    ErrorRecord r;
    r.exeModule = "x.exe";
    r.id = "42";
    r.message = "extra";
    EXPECT_EQ(
        FormatErrorRecord(r),
        "##################### exception log record\r\nExeModule=x.exe\r\nComputer=\r\nUser=\r\nDatetime="
        "\r\nID=42\r\nMessage=extra"
        "\r\n##################### exception log record end\r\n\r\n\r\n\r\n"
    );
}

TEST(ErrorRecord, ProcessorFontAndResolutionNames) {
    EXPECT_EQ(ProcessorName(3), "80386");
    EXPECT_EQ(ProcessorName(4), "80486");
    EXPECT_EQ(ProcessorName(5), "Pentium");
    EXPECT_EQ(ProcessorName(15), "P15");
    EXPECT_EQ(ProcessorName(-1), "P-1");
    EXPECT_EQ(SystemFontName(120), "BigFont");
    EXPECT_EQ(SystemFontName(144), "");
    EXPECT_EQ(ResolutionText(1024, 768), "1024x768");
}

TEST(ErrorRecord, ABareLogNameLiesInTheDataFolderAndAnyOtherIsUsedAsGiven) {
    const wchar_t* const kData = L"C:\\Users\\Ivan\\AppData\\Local\\TesslySoftware\\DozidiDavazez\\";
    EXPECT_EQ(LogFilePath(L"errorlog.txt", kData), std::wstring(kData) + L"errorlog.txt");
    EXPECT_EQ(LogFilePath(L"logs\\errorlog.txt", kData), std::wstring(kData) + L"logs\\errorlog.txt");
    EXPECT_EQ(LogFilePath(L"D:\\logs\\e.txt", kData), L"D:\\logs\\e.txt");
    EXPECT_EQ(LogFilePath(L"file://host/e.txt", kData), L"file://host/e.txt");
    EXPECT_EQ(LogFilePath(L"//host/e.txt", kData), L"//host/e.txt");
}
