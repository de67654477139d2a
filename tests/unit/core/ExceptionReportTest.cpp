#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/ExceptionReport.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;

class ScriptedTexts : public FaultTextSource {
public:
    const char* reason = "EXCEPTION_ACCESS_VIOLATION: read of address 0x0";
    const char* registers = "EAX=00000000";
    std::vector<std::string> frames = {"system.dat+0x1234", "user32.dll+0x55"};
    size_t next = 0;
    bool endless = false;
    const char* FaultReason() override { return reason; }
    const char* Registers() override { return registers; }
    const char* FirstStackLine() override {
        next = 0;
        return NextStackLine();
    }
    const char* NextStackLine() override {
        if (endless) return "again";
        return next < frames.size() ? frames[next++].c_str() : nullptr;
    }
};

std::vector<std::string> ReportLines(FakeLibrary& lib) { return lib.os.Lines("C:\\Quorvel\\QuorvelExceptionLog.txt"); }

TEST(ExceptionReport, WritesTheWholeBlockInOrderAndTheLogLine) {
    FakeLibrary lib;
    lib.shared.VersionMajor = 2;
    lib.shared.VersionMinor = 1;
    lib.shared.VersionBuild = 20;
    lib.shared.LanguageId = 1033;
    std::strcpy(lib.shared.WindowsVersionText, "Microsoft Windows XP Service Pack 3 (Build 2600)");
    std::strcpy(lib.shared.IEVersionText, "6.0");
    lib.os.commandLine = "notepad.exe a.txt";
    ScriptedTexts texts;
    EXPECT_EQ(WriteExceptionReport(lib.ctx, ExceptionFacts{0xC0000005, 0x10001234}, &texts), 1);
    EXPECT_TRUE(lib.LogHas("XXXXXXXXXX   in exception handler   XXXXXXXXXXX\n"));
    std::vector<std::string> expected = {
        "Date :  2026/12/08  Time : 09:30:15 (Universal Time)",
        "Windows version :   Microsoft Windows XP Service Pack 3 (Build 2600)",
        "Language :          1033",
        "Quorvel version: 2.1 build 20",
        "IE Version :        6.0",
        "Command line :      notepad.exe a.txt",
        "Install Path  : C:\\Quorvel\\",
        "Total physical memory   =   524288 Kbytes",
        "Physical memory available = 262144 Kbytes",
        "Total virtual memory    =   2097152 Kbytes",
        "Virtual memory available =  1048576 Kbytes",
        "Double click time limit : 500 ms",
        "Double click x limit  :   4",
        "Double click y limit  :   4",
        "Screen width  : 1024",
        "Screen height : 768",
        "MIN_MOUSE_MOVE_DISTANCE : 20",
        "MAX_MOUSE_TRACE_NUM : 100",
        "MAX_WINDOW_TEXT_LEN : 300",
        "MAX_WINDOW_CLASSNAME_LEN : 200",
        "MOUSE_BUTTON_DRAG_TIME_LIMIT : 2000 ms",
        "MBUTTON_DBCLICK_TIME_LIMIT : 1500 ms",
        "Exception code is : c0000005",
        "Error address : 10001234",
        "Dll base address : 10000000",
        "Exception detailed description : ",
        "EXCEPTION_ACCESS_VIOLATION: read of address 0x0",
        "CPU Registers : ",
        "EAX=00000000",
        "Stack trace : ",
        "system.dat+0x1234",
        "user32.dll+0x55",
        "",
    };
    EXPECT_EQ(ReportLines(lib), expected);
}

TEST(ExceptionReport, WithoutDescriptionAndRegistersTheirHeadingsAreLeftOut) {
    FakeLibrary lib;
    ScriptedTexts texts;
    texts.reason = nullptr;
    texts.registers = nullptr;
    texts.frames.clear();
    WriteExceptionReport(lib.ctx, ExceptionFacts{0xC0000094, 0x1}, &texts);
    std::vector<std::string> lines = ReportLines(lib);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "Dll base address : 10000000");
    EXPECT_EQ(lines.back(), "");
}

TEST(ExceptionReport, WithoutUtilTheBlockEndsAfterTheAddresses) {
    FakeLibrary lib;
    WriteExceptionReport(lib.ctx, ExceptionFacts{0xC0000094, 0x1}, nullptr);
    std::vector<std::string> lines = ReportLines(lib);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[22], "Exception code is : c0000094");
}

TEST(ExceptionReport, ARunawayStackWalkIsCut) {
    FakeLibrary lib;
    ScriptedTexts texts;
    texts.endless = true;
    WriteExceptionReport(lib.ctx, ExceptionFacts{1, 1}, &texts);
    std::vector<std::string> lines = ReportLines(lib);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "again"), MAX_STACK_LINES);
}

TEST(ExceptionReport, MemoryTotalsOfA64BitProcessAreNotCut) {
    FakeLibrary lib;
    // 24 GB of memory and the 128 TB address space of a 64-bit process.
    lib.os.memory = MemoryStatus{24ull << 30, 20ull << 30, 128ull << 40, (128ull << 40) - (3ull << 30)};
    WriteExceptionReport(lib.ctx, ExceptionFacts{0xC0000005, 0x10001234}, nullptr);
    const std::vector<std::string> lines = ReportLines(lib);
    for (const char* line :
         {"Total physical memory   =   25165824 Kbytes", "Physical memory available = 20971520 Kbytes",
          "Total virtual memory    =   137438953472 Kbytes", "Virtual memory available =  137435807744 Kbytes"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST(ExceptionReport, AReportThatCannotBeWrittenStillRunsTheHandler) {
    FakeLibrary lib;
    lib.os.readOnlyFolders = {"C:\\Quorvel\\", "c:\\"};
    EXPECT_EQ(WriteExceptionReport(lib.ctx, ExceptionFacts{1, 1}, nullptr), 1);
}

TEST(ExceptionReport, FallsBackToDriveC) {
    FakeLibrary lib;
    lib.os.readOnlyFolders = {"C:\\Quorvel\\"};
    WriteExceptionReport(lib.ctx, ExceptionFacts{1, 1}, nullptr);
    EXPECT_FALSE(lib.os.Lines("c:\\QuorvelExceptionLog.txt").empty());
}

}  // namespace
}  // namespace quorvel
