// The one way a file is replaced as a whole. A process killed at any step of
// a save leaves the target whole: the old contents or the new, never a mix,
// never nothing where something was.
#include "platform/atomic_save.h"
#include "platform/atomic_save_leftovers.h"

#include "child_process.h"

#include <QTemporaryDir>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

constexpr SaveStep AllSteps[] = {SaveStep::CreateTemporary, SaveStep::WriteTemporary,
                                 SaveStep::SyncTemporary, SaveStep::RenameTemporary,
                                 SaveStep::SyncFolder};

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> entries(const std::string& folder) {
    std::set<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* e = dir ? ::readdir(dir) : nullptr) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") {
            names.insert(name);
        }
    }
    if (dir) {
        ::closedir(dir);
    }
    return names;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

unsigned permissionsOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

using testsupport::killedOutright;
using testsupport::runInChild;

SaveStepHook killAt(SaveStep step) {
    return [step](SaveStep reached) {
        if (reached == step) {
            ::raise(SIGKILL);
        }
    };
}

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string file(std::string_view name) const {
        return dir_.path().toStdString() + "/" + std::string(name);
    }
    std::string folder() const { return dir_.path().toStdString(); }

    QTemporaryDir dir_;
};

TEST_F(AtomicSave, AProcessKilledAtAnyStepLeavesTheOldFileOrTheNewOne) {
    const std::string target = file("list.ini");
    const std::string oldBytes = "alt\r\n" + std::string(100000, 'a');
    const std::string newBytes = "neu\r\n" + std::string(300000, 'n');
    for (const SaveStep step : AllSteps) {
        SCOPED_TRACE(static_cast<int>(step));
        writeBytes(target, oldBytes);
        ::chmod(target.c_str(), 0640);
        const int status = runInChild([&] {
            static_cast<void>(saveFile(target, newBytes, ReplaceMode::Replace, {}, killAt(step)));
        });
        ASSERT_TRUE(killedOutright(status)) << "the child never reached the step";
        const bool renamed = step == SaveStep::SyncFolder;
        EXPECT_EQ(readBytes(target), renamed ? newBytes : oldBytes);
        EXPECT_EQ(permissionsOf(target), 0640u);
        // A save that runs afterwards still completes, whatever was left.
        ASSERT_TRUE(saveFile(target, "danach", ReplaceMode::Replace).ok());
        EXPECT_EQ(readBytes(target), "danach");
    }
}

TEST_F(AtomicSave, AProcessKilledWhileCreatingLeavesNothingOrTheWholeFile) {
    const std::string target = file("new.ini");
    for (const SaveStep step : AllSteps) {
        SCOPED_TRACE(static_cast<int>(step));
        ::unlink(target.c_str());
        const int status = runInChild([&] {
            static_cast<void>(
                saveFile(target, "[S]\r\nk = v\r\n", ReplaceMode::CreateOnly, {}, killAt(step)));
        });
        ASSERT_TRUE(killedOutright(status));
        if (step == SaveStep::SyncFolder) {
            EXPECT_EQ(readBytes(target), "[S]\r\nk = v\r\n");
        } else {
            EXPECT_FALSE(exists(target));
        }
    }
}

TEST_F(AtomicSave, AProcessKilledHalfwayThroughAStreamLeavesTheOldFile) {
    const std::string target = file("download.bin");
    writeBytes(target, "complete old body");
    const int status = runInChild([&] {
        FileReplacement body(target, ReplaceMode::ReplaceName);
        if (!body.begin().ok() || !body.write(std::string(70000, 'x'))) {
            ::_exit(3);
        }
        ::raise(SIGKILL);
    });
    ASSERT_TRUE(killedOutright(status));
    EXPECT_EQ(readBytes(target), "complete old body");
}

TEST_F(AtomicSave, ASaveLeavesOnlyTheTargetAndKeepsItsPermissionBits) {
    const std::string target = file("a.ini");
    writeBytes(target, "old and longer than the new");
    ::chmod(target.c_str(), 0604);
    std::string temporarySeen;
    const auto watch = [&](SaveStep step) {
        if (step == SaveStep::RenameTemporary) {
            for (const auto& name : entries(folder())) {
                if (name != "a.ini") {
                    temporarySeen = name;
                }
            }
        }
    };
    const SaveResult saved = saveFile(target, "new", ReplaceMode::Replace, file("a.tmp"), watch);
    ASSERT_TRUE(saved.ok()) << saved.failure;
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(permissionsOf(target), 0604u);
    EXPECT_EQ(entries(folder()), std::set<std::string>{"a.ini"});
    // The temporary file sat beside the target under the stem's name.
    EXPECT_EQ(temporarySeen.rfind("a.tmp-", 0), 0u) << temporarySeen;

    // Two saves in a row never share a temporary name, and an empty file is a file.
    ASSERT_TRUE(saveFile(target, "", ReplaceMode::Replace).ok());
    EXPECT_EQ(readBytes(target), "");
    EXPECT_EQ(entries(folder()), std::set<std::string>{"a.ini"});
}

TEST_F(AtomicSave, LinksAreFollowedOrReplacedAsTheModeSays) {
    const std::string real = file("real.ini");
    const std::string link = file("link.ini");
    writeBytes(real, "1");
    ::chmod(real.c_str(), 0640);
    ASSERT_EQ(::symlink("real.ini", link.c_str()), 0);

    ASSERT_TRUE(writeFileAtomically(link, "2", ReplaceMode::Replace));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readBytes(real), "2");
    EXPECT_EQ(permissionsOf(real), 0640u);

    ASSERT_TRUE(saveFile(link, "3", ReplaceMode::ReplaceName).ok());
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode)) << "the link itself was replaced";
    EXPECT_EQ(readBytes(real), "2") << "nothing was written through the link";
    EXPECT_EQ(readBytes(link), "3");
}

TEST_F(AtomicSave, FailuresAreReasonsAndLeaveEverythingAsItWas) {
    const std::string target = file("keep.ini");
    writeBytes(target, "keep");

    const SaveResult taken = saveFile(target, "x", ReplaceMode::CreateOnly);
    EXPECT_FALSE(taken.ok());
    EXPECT_FALSE(taken.failure.empty());
    // A dangling link occupies the name too.
    ASSERT_EQ(::symlink("nowhere", file("dangling").c_str()), 0);
    EXPECT_FALSE(saveFile(file("dangling"), "x", ReplaceMode::CreateOnly).ok());

    const SaveResult noFolder = saveFile(file("missing/a.ini"), "x", ReplaceMode::Replace);
    EXPECT_FALSE(noFolder.ok());
    EXPECT_NE(noFolder.failure.find(':'), std::string::npos) << "carries the system's reason";

    // A file-size limit stands in for a full disk: the write fails with
    // EFBIG, in a child so that this process keeps no limit.
    const int status = runInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            16, 16
        };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const SaveResult full = saveFile(target, std::string(1000, 'x'), ReplaceMode::Replace);
        ::_exit(full.ok() || full.failure.empty() ? 1 : 0);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    EXPECT_EQ(readBytes(target), "keep");
    EXPECT_EQ(entries(folder()), (std::set<std::string>{"dangling", "keep.ini"}));

    // A replacement that was never begun reports so instead of replacing.
    FileReplacement unopened(file("other.ini"), ReplaceMode::Replace);
    EXPECT_FALSE(unopened.write("x"));
    EXPECT_FALSE(unopened.commit().ok());
    EXPECT_FALSE(exists(file("other.ini")));
}

// Temporary files that saves of killed processes left behind: the next save
// of the same target clears them, and never one that a running process may
// still be writing.

// The id of a process that has ended and been reaped.
long endedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(LeftoverTemporaries, OnlyTheExactNameOfASaveTellsItsProcess) {
    const struct {
        const char* name;
        long owner;
    } cases[] = {
        {"Kategorien.tmp-4711-0", 4711},
        {"Kategorien.tmp-1-12", 1},
        {"Kategorien.tmp-2147483647-3", 2147483647},
        {"Kategorien.tmp-2147483648-3", 0}, // no process id
        {"Kategorien.tmp-0-3", 0},
        {"Kategorien.tmp-04711-0", 0}, // never written with a leading zero
        {"Kategorien.tmp-4711", 0},
        {"Kategorien.tmp-4711-", 0},
        {"Kategorien.tmp--0", 0},
        {"Kategorien.tmp-4711-0-1", 0},
        {"Kategorien.tmp-4711-0x", 0},
        {"Kategorien.tmp-+4711-0", 0},
        {"Kategorien.tmp-47 11-0", 0},
        {"Kategorien.tmp", 0},
        {"Kategorien.tmpx-4711-0", 0}, // another stem that starts alike
        {"Kategorien.ini", 0},
        {"Fenster.tmp-4711-0", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(temporaryOwner(c.name, "Kategorien.tmp"), c.owner) << c.name;
    }
    EXPECT_EQ(temporaryOwner("-1-2", ""), 0);
}

TEST(LeftoverTemporaries, OnlyADefiniteNoSuchProcessCountsAsEnded) {
    EXPECT_TRUE(processMayRun(::getpid()));
    EXPECT_TRUE(processMayRun(1));
    EXPECT_TRUE(processMayRun(0)); // would address a process group
    EXPECT_TRUE(processMayRun(-1));
    EXPECT_TRUE(processMayRun(static_cast<long>(INT_MAX) + 1));
    EXPECT_FALSE(processMayRun(endedProcessId()));
}

// Everything that merely looks alike stays: a running process's file, a
// folder or a link under an ended process's name, another stem's file.
TEST_F(AtomicSave, OnlyFilesOfEndedProcessesUnderTheStemGo) {
    const std::string ended = std::to_string(endedProcessId());
    const std::string own = std::to_string(::getpid());
    writeBytes(file("Kategorien.ini"), "Fenster\r\n");
    writeBytes(file("Kategorien.tmp-" + ended + "-0"), "halb");
    writeBytes(file("Kategorien.tmp-" + ended + "-7"), "");
    writeBytes(file("Kategorien.tmp-" + own + "-3"), "läuft noch");
    writeBytes(file("Kategorien.tmp-1-0"), "ein anderer Prozess");
    writeBytes(file("Fenster.tmp-" + ended + "-0"), "andere Liste");
    writeBytes(file("Kategorien.tmp-" + ended), "kein Zähler");
    ASSERT_EQ(::mkdir(file("Kategorien.tmp-" + ended + "-1").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("Kategorien.ini", file("Kategorien.tmp-" + ended + "-2").c_str()), 0);

    EXPECT_EQ(removeLeftoverTemporaries(file("Kategorien.tmp")), 2u);
    EXPECT_EQ(entries(folder()),
              (std::set<std::string>{"Kategorien.ini", "Kategorien.tmp-" + own + "-3",
                                     "Kategorien.tmp-1-0", "Fenster.tmp-" + ended + "-0",
                                     "Kategorien.tmp-" + ended, "Kategorien.tmp-" + ended + "-1",
                                     "Kategorien.tmp-" + ended + "-2"}));
    EXPECT_EQ(removeLeftoverTemporaries(file("fehlt/Kategorien.tmp")), 0u);
}

// A save killed while writing leaves its temporary file; the next save of
// the same target, with or without a stem of its own, takes it away.
TEST_F(AtomicSave, TheNextSaveClearsWhatAKilledSaveLeft) {
    const struct {
        const char* what;
        std::string stem;
    } saves[] = {{"own stem", file("Kategorien.tmp")}, {"default stem", ""}};
    for (const auto& save : saves) {
        SCOPED_TRACE(save.what);
        const std::string target = file("Kategorien.ini");
        writeBytes(target, "alt\r\n");
        const int status = runInChild([&] {
            FileReplacement body(target, ReplaceMode::Replace, save.stem);
            if (!body.begin().ok() || !body.write("halb")) {
                ::_exit(3);
            }
            ::raise(SIGKILL);
        });
        ASSERT_TRUE(killedOutright(status));
        ASSERT_EQ(entries(folder()).size(), 2u) << "the killed save left its temporary file";
        ASSERT_TRUE(saveFile(target, "neu\r\n", ReplaceMode::Replace, save.stem).ok());
        EXPECT_EQ(entries(folder()), (std::set<std::string>{"Kategorien.ini"}));
    }
}

} // namespace
} // namespace codarium::platform
