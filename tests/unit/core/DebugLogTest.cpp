#include <gtest/gtest.h>

#include <string>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/DebugLog.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;

TEST(DebugLog, StartLogEmptiesTheLogAndWritesTheHeader) {
    FakeLibrary lib;
    lib.os.files[lib.LogPath()] = "old line\n";
    StartLog(lib.ctx);
    WriteLogF(lib.ctx, "value %d", 7);
    EXPECT_EQ(lib.os.files[lib.LogPath()],
              "Quorvel is being started.\n-------------------------------------------\nvalue 7\n");
    EXPECT_EQ(lib.os.openFiles(), 0);
}

TEST(DebugLog, AnUnwritableInstallFolderSendsEveryLineToDriveC) {
    FakeLibrary lib;
    lib.os.readOnlyFolders.insert("C:\\Quorvel\\");
    StartLog(lib.ctx);
    WriteLog(lib.ctx, "a line");
    EXPECT_EQ(lib.os.files.count(lib.LogPath()), 0u);
    EXPECT_EQ(lib.os.files["c:\\QuorvelLog.txt"],
              "Quorvel is being started.\n-------------------------------------------\na line\n");
}

TEST(DebugLog, ALineIsLostWhenNeitherPlaceCanBeOpened) {
    FakeLibrary lib;
    lib.os.readOnlyFolders = {"C:\\Quorvel\\", "c:\\"};
    WriteLog(lib.ctx, "lost");
    StartLog(lib.ctx);
    EXPECT_TRUE(lib.os.files.empty());
}

TEST(DebugLog, AnInstallPathTooLongForThePathBufferFallsBackToDriveC) {
    FakeLibrary lib;
    std::string folder = "C:\\" + std::string(190, 'd') + "\\";
    CopyText(lib.process.InstallFolder, sizeof lib.process.InstallFolder, folder.c_str());
    WriteLog(lib.ctx, "line");
    ASSERT_EQ(lib.os.files.size(), 1u);
    EXPECT_EQ(lib.os.files.begin()->first, "c:\\QuorvelLog.txt");
}

TEST(DebugLog, OverlongLinesAreCutNotOverflowed) {
    FakeLibrary lib;
    std::string big(5000, 'z');
    WriteLogF(lib.ctx, "%s", big.c_str());
    std::vector<std::string> lines = lib.LogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), static_cast<size_t>(LOG_LINE_MAX - 1));
}

}  // namespace
}  // namespace quorvel
