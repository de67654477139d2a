#include "LibraryFiles.h"

#include <gtest/gtest.h>

#include "FakeFileSystem.h"

namespace quorvel {
namespace {

const std::string Dir = "C:\\Program Files\\Quorvel\\";
const std::string Library = Dir + "system.dat";
const std::string Pristine = Dir + "system2.dat";
const std::string Retired = Dir + "Nouse.dat";

TEST(LibraryFiles, FirstStartMovesNothingAndExitMakesThePristineCopy) {
  FakeFileSystem fs;
  fs.files[Library] = "v1";
  RefreshHookLibraryFile(fs, Dir);
  EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{Library, "v1"}}));

  KeepPristineLibraryCopy(fs, Dir);
  EXPECT_EQ(fs.files[Pristine], "v1");
  EXPECT_FALSE(fs.Exists(Retired));
}

TEST(LibraryFiles, LaterStartsRetireTheLibraryAndCopyThePristineOne) {
  FakeFileSystem fs;
  fs.files[Library] = "used";
  fs.files[Pristine] = "pristine";
  fs.files[Retired] = "older";
  RefreshHookLibraryFile(fs, Dir);
  EXPECT_EQ(fs.files[Retired], "used");
  EXPECT_EQ(fs.files[Library], "pristine");
  EXPECT_EQ(fs.files[Pristine], "pristine");

  // Two starts in a row: the retired file of the first is replaced.
  fs.files[Library] = "used again";
  RefreshHookLibraryFile(fs, Dir);
  EXPECT_EQ(fs.files[Retired], "used again");
  EXPECT_EQ(fs.files[Library], "pristine");
}

TEST(LibraryFiles, ExitKeepsAnExistingPristineCopy) {
  FakeFileSystem fs;
  fs.files[Library] = "patched";
  fs.files[Pristine] = "pristine";
  KeepPristineLibraryCopy(fs, Dir);
  EXPECT_EQ(fs.files[Pristine], "pristine");
}

TEST(LibraryFiles, PristineCopyAloneBecomesTheLibrary) {
  FakeFileSystem fs;
  fs.files[Pristine] = "pristine";
  RefreshHookLibraryFile(fs, Dir);
  EXPECT_EQ(fs.files[Library], "pristine");
  EXPECT_FALSE(fs.Exists(Retired));
}

TEST(LibraryFiles, RetiredFileStillMappedLeavesTheLibraryUsable) {
  FakeFileSystem fs;
  fs.files[Library] = "mapped";
  fs.files[Pristine] = "pristine";
  fs.files[Retired] = "still mapped";
  fs.locked = {Retired, Library};
  RefreshHookLibraryFile(fs, Dir);
  EXPECT_EQ(fs.files[Library], "mapped");
  EXPECT_EQ(fs.files[Retired], "still mapped");
}

TEST(LibraryFiles, FailedCopyPutsTheLibraryBack) {
  FakeFileSystem fs;
  fs.files[Library] = "current";
  fs.files[Pristine] = "pristine";
  fs.failCopies = true;
  RefreshHookLibraryFile(fs, Dir);
  EXPECT_EQ(fs.files[Library], "current");
  EXPECT_FALSE(fs.Exists(Retired));
}

}  // namespace
}  // namespace quorvel
