#include "ExceptionReport.h"

#include <cstdarg>
#include <cstdio>

#include "DebugLog.h"

namespace quorvel {
namespace {

class ReportWriter {
public:
    ReportWriter(Files& files, FileId file) : files_(files), file_(file) {}

    void Line(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
    {
        char text[2048];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        files_.WriteText(file_, text);
    }

private:
    Files& files_;
    FileId file_;
};

// A 64-bit process has terabytes of address space: no cut to 32 bits.
unsigned long long Kbytes(uint64_t bytes) { return static_cast<unsigned long long>(bytes >> 10); }

void WriteEnvironment(Context& ctx, ReportWriter& out) {
    SharedState& s = ctx.shared;
    SystemTimeUtc t;
    ctx.clock.GetSystemTime(&t);
    MemoryStatus m;
    ctx.system.GetMemoryStatus(&m);
    const char* commandLine = ctx.system.GetCommandLine();
    out.Line("Date :  %04d/%02d/%02d  Time : %02d:%02d:%02d (Universal Time)\n", t.year, t.month, t.day, t.hour,
             t.minute, t.second);
    out.Line("Windows version :   %.*s\n", WINDOWS_VERSION_TEXT_SIZE, s.WindowsVersionText);
    out.Line("Language :          %d\n", s.LanguageId);
    out.Line("Quorvel version: %d.%d build %d\n", s.VersionMajor, s.VersionMinor, s.VersionBuild);
    out.Line("IE Version :        %.*s\n", IE_VERSION_TEXT_SIZE, s.IEVersionText);
    out.Line("Command line :      %s\n", commandLine ? commandLine : "");
    out.Line("Install Path  : %.*s\n", INSTALL_PATH_SIZE, s.InstallPath);
    out.Line("Total physical memory   =   %llu Kbytes\n", Kbytes(m.totalPhys));
    out.Line("Physical memory available = %llu Kbytes\n", Kbytes(m.availPhys));
    out.Line("Total virtual memory    =   %llu Kbytes\n", Kbytes(m.totalVirtual));
    out.Line("Virtual memory available =  %llu Kbytes\n", Kbytes(m.availVirtual));
    out.Line("Double click time limit : %d ms\n", s.DoubleClickTime);
    out.Line("Double click x limit  :   %d\n", s.DoubleClickWidth);
    out.Line("Double click y limit  :   %d\n", s.DoubleClickHeight);
    out.Line("Screen width  : %d\n", s.ScreenWidth);
    out.Line("Screen height : %d\n", s.ScreenHeight);
    out.Line("MIN_MOUSE_MOVE_DISTANCE : %d\n", MIN_MOUSE_MOVE_DISTANCE);
    out.Line("MAX_MOUSE_TRACE_NUM : %d\n", MAX_MOUSE_TRACE_NUM);
    out.Line("MAX_WINDOW_TEXT_LEN : %d\n", MAX_WINDOW_TEXT_LEN);
    out.Line("MAX_WINDOW_CLASSNAME_LEN : %d\n", MAX_WINDOW_CLASSNAME_LEN);
    out.Line("MOUSE_BUTTON_DRAG_TIME_LIMIT : %d ms\n", MOUSE_BUTTON_DRAG_TIME_LIMIT);
    out.Line("MBUTTON_DBCLICK_TIME_LIMIT : %d ms\n", s.MBUTTON_DBCLICK_TIME_LIMIT);
}

void WriteFault(Context& ctx, const ExceptionFacts& facts, FaultTextSource* texts, ReportWriter& out) {
    out.Line("Exception code is : %x\n", facts.code);
    out.Line("Error address : %llx\n", static_cast<unsigned long long>(facts.address));
    out.Line("Dll base address : %llx\n", static_cast<unsigned long long>(ctx.process.ModuleHandle));
    if (!texts) return;
    if (const char* reason = texts->FaultReason()) out.Line("Exception detailed description : \n%s\n", reason);
    if (const char* registers = texts->Registers()) out.Line("CPU Registers : \n%s\nStack trace : \n", registers);
    int lines = 0;
    for (const char* frame = texts->FirstStackLine(); frame && lines < MAX_STACK_LINES;
         frame = texts->NextStackLine(), ++lines) {
        out.Line("%s\n", frame);
    }
}

}  // namespace

int WriteExceptionReport(Context& ctx, const ExceptionFacts& facts, FaultTextSource* texts) {
    WriteLog(ctx, "XXXXXXXXXX   in exception handler   XXXXXXXXXXX");
    FileId f = OpenLibraryFile(ctx, EXCEPTION_LOG_FILE_NAME, false);
    if (!f) return 1;
    ReportWriter out(ctx.files, f);
    WriteEnvironment(ctx, out);
    WriteFault(ctx, facts, texts, out);
    out.Line("\n");
    ctx.files.CloseFile(f);
    return 1;
}

}  // namespace quorvel
