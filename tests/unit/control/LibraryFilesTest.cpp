#include "control/core/LibraryFiles.h"

#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "LibraryImageMaker.h"

namespace quorvel {
namespace {

const std::string Dir = "C:\\Program Files\\Quorvel\\";
const std::string Library = Dir + "system.dat";
const std::string Pristine = Dir + "system2.dat";
const std::string Retired = Dir + "Nouse.dat";

TEST(LibraryFiles, FirstStartMovesNothingAndExitMakesThePristineCopy) {
    FakeFileSystem fs;
    fs.files[Library] = MakeLibraryImage("v1");
    RefreshHookLibraryFile(fs, Dir);
    EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{Library, MakeLibraryImage("v1")}}));

    KeepPristineLibraryCopy(fs, Dir);
    EXPECT_EQ(fs.files[Pristine], MakeLibraryImage("v1"));
    EXPECT_FALSE(fs.Exists(Retired));
}

TEST(LibraryFiles, LaterStartsRetireTheLibraryAndCopyThePristineOne) {
    FakeFileSystem fs;
    fs.files[Library] = MakeLibraryImage("used");
    fs.files[Pristine] = MakeLibraryImage("pristine");
    fs.files[Retired] = MakeLibraryImage("older");
    RefreshHookLibraryFile(fs, Dir);
    EXPECT_EQ(fs.files[Retired], MakeLibraryImage("used"));
    EXPECT_EQ(fs.files[Library], MakeLibraryImage("pristine"));
    EXPECT_EQ(fs.files[Pristine], MakeLibraryImage("pristine"));

    // Two starts in a row: the retired file of the first is replaced.
    fs.files[Library] = MakeLibraryImage("used again");
    RefreshHookLibraryFile(fs, Dir);
    EXPECT_EQ(fs.files[Retired], MakeLibraryImage("used again"));
    EXPECT_EQ(fs.files[Library], MakeLibraryImage("pristine"));
}

TEST(LibraryFiles, ExitKeepsAnExistingPristineCopy) {
    FakeFileSystem fs;
    fs.files[Library] = MakeLibraryImage("patched");
    fs.files[Pristine] = MakeLibraryImage("pristine");
    KeepPristineLibraryCopy(fs, Dir);
    EXPECT_EQ(fs.files[Pristine], MakeLibraryImage("pristine"));
}

TEST(LibraryFiles, PristineCopyAloneBecomesTheLibrary) {
    FakeFileSystem fs;
    fs.files[Pristine] = MakeLibraryImage("pristine");
    RefreshHookLibraryFile(fs, Dir);
    EXPECT_EQ(fs.files[Library], MakeLibraryImage("pristine"));
    EXPECT_FALSE(fs.Exists(Retired));
}

TEST(LibraryFiles, RetiredFileStillMappedLeavesTheLibraryUsable) {
    FakeFileSystem fs;
    fs.files[Library] = MakeLibraryImage("mapped");
    fs.files[Pristine] = MakeLibraryImage("pristine");
    fs.files[Retired] = MakeLibraryImage("still mapped");
    fs.locked = {Retired, Library};
    RefreshHookLibraryFile(fs, Dir);
    EXPECT_EQ(fs.files[Library], MakeLibraryImage("mapped"));
    EXPECT_EQ(fs.files[Retired], MakeLibraryImage("still mapped"));
}

TEST(LibraryFiles, FailedCopyPutsTheLibraryBack) {
    FakeFileSystem fs;
    fs.files[Library] = MakeLibraryImage("current");
    fs.files[Pristine] = MakeLibraryImage("pristine");
    fs.failCopies = true;
    RefreshHookLibraryFile(fs, Dir);
    EXPECT_EQ(fs.files[Library], MakeLibraryImage("current"));
    EXPECT_FALSE(fs.Exists(Retired));
}

TEST(LibraryFiles, OnlyACompleteHookLibraryReplacesTheLibrary) {
    const std::string good = MakeLibraryImage("good");
    struct Case {
        const char* name;
        std::string pristine;
        bool tornCopies;
        bool replaced;
    };
    const Case cases[] = {
        {"good copy", MakeLibraryImage("new"), false, true},
        {"torn file", MakeLibraryImage("new").substr(0, 0x300), false, false},
        {"not a PE image", std::string(4096, 'x'), false, false},
        {"PE without our exports", MakeLibraryImage("other", {"DllMain", "Other"}), false, false},
        {"copy torn on the way", MakeLibraryImage("new"), true, false},
    };
    for (const Case& c : cases) {
        FakeFileSystem fs;
        fs.files[Library] = good;
        fs.files[Pristine] = c.pristine;
        fs.tornCopies = c.tornCopies;
        RefreshHookLibraryFile(fs, Dir);
        EXPECT_EQ(fs.files[Library], c.replaced ? c.pristine : good) << c.name;
        EXPECT_FALSE(fs.Exists(Library + ".new")) << c.name;
        // Whatever happened, a load failure can still go back to a good library.
        if (c.replaced) {
            EXPECT_TRUE(FallBackToPreviousLibrary(fs, Dir)) << c.name;
            EXPECT_EQ(fs.files[Library], good) << c.name;
        }
    }
}

TEST(LibraryFiles, ExitReplacesATornPristineCopyAndNothingHappensWithoutAFolder) {
    FakeFileSystem fs;
    fs.files[Library] = MakeLibraryImage("ran");
    fs.files[Pristine] = MakeLibraryImage("ran").substr(0, 100);
    KeepPristineLibraryCopy(fs, Dir);
    EXPECT_EQ(fs.files[Pristine], MakeLibraryImage("ran"));

    FakeFileSystem empty;
    empty.files["system2.dat"] = MakeLibraryImage("relative");
    RefreshHookLibraryFile(empty, "");
    KeepPristineLibraryCopy(empty, "");
    EXPECT_EQ(empty.files.size(), 1u);
}

TEST(LibraryFiles, StartDeletesTheLeftoversOfAnUpgradeThatAreFreeNow) {
    struct Case {
        const char* name;
        bool inUse;
        bool deleted;
    };
    const Case cases[] = {
        {"system.dat.133526147830000000.old", false, true},
        {"QuorvelTutorial.exe.133526147830000000.old", false, true},
        {"SYSTEM64.DAT.1.OLD", false, true},
        {"Quorvel.exe.old", false, true},  // the name earlier setup programs gave
        {"system.dat.133526147830000001.old", true, false},
        {"notes.old", false, false},
        {"system.dat.backup.old", false, false},
        {"system.dat.", false, false},
        {"system.dat.old.txt", false, false},
        {"system.dat", false, false},
    };
    FakeFileSystem fs;
    for (const Case& c : cases) {
        fs.files[Dir + c.name] = "x";
        if (c.inUse) fs.locked.insert(Dir + c.name);
    }
    fs.files[Dir + "Sub\\system.dat.old"] = "x";
    DeleteUpgradeLeftovers(fs, Dir);
    for (const Case& c : cases) EXPECT_EQ(fs.Exists(Dir + c.name), !c.deleted) << c.name;
    EXPECT_TRUE(fs.Exists(Dir + "Sub\\system.dat.old"));

    FakeFileSystem relative;
    relative.files["system.dat.old"] = "x";
    DeleteUpgradeLeftovers(relative, "");
    EXPECT_TRUE(relative.Exists("system.dat.old"));
}

}  // namespace
}  // namespace quorvel
