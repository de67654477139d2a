// The files of an installation, all in one folder.
#pragma once

namespace quorvel {

constexpr char HOOK_LIBRARY_FILE_NAME[] = "system.dat";       // the 32-bit hook library
constexpr char PRISTINE_LIBRARY_FILE_NAME[] = "system2.dat";  // its pristine copy
constexpr char RETIRED_LIBRARY_FILE_NAME[] = "Nouse.dat";     // the previous one, moved aside
constexpr char HOOK64_LIBRARY_FILE_NAME[] = "system64.dat";   // the 64-bit hook library
constexpr char HOOK64_HELPER_FILE_NAME[] = "QuorvelHook64.exe";
constexpr char PROGRAM_FILE_NAME[] = "Quorvel.exe";
constexpr char TUTORIAL_FILE_NAME[] = "QuorvelTutorial.exe";
constexpr char HELP_FILE_NAME[] = "Quorvel.chm";
constexpr char UTIL_LIBRARY_FILE_NAME[] = "Util.dat";
constexpr char SET_FOREGROUND_WINDOW_EXE[] = "SetForegroundWindow.exe";
constexpr char SHOW_DESKTOP_FILE_NAME[] = "ShowDesktop.scf";
constexpr char DEBUG_LOG_FILE_NAME[] = "QuorvelLog.txt";
constexpr char EXCEPTION_LOG_FILE_NAME[] = "QuorvelExceptionLog.txt";
constexpr char OLD_EXCEPTION_LOG_FILE_NAME[] = "QuorvelExceptionLog.old.txt";  // the report, once grown too big
constexpr char FALLBACK_LOG_FOLDER[] = "c:\\";
// An upgrade moves a file still in use aside as "<file name>.<number>.old" in
// the same folder; it is deleted once it is free (at the next start or the
// next installation).
constexpr char LEFTOVER_FILE_SUFFIX[] = ".old";

}  // namespace quorvel
