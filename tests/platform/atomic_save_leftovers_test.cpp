// Temporary files left by saves whose process was killed: the next save of
// the same target clears them, and never touches a temporary file that a
// running process may still be writing.
#include "platform/atomic_save.h"
#include "platform/atomic_save_leftovers.h"

#include "child_process.h"

#include <QTemporaryDir>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

using testsupport::killedOutright;
using testsupport::runInChild;

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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

class LeftoverFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string folder() const { return dir_.path().toStdString(); }
    std::string path(const std::string& name) const { return folder() + "/" + name; }

    QTemporaryDir dir_;
};

// Everything that merely looks alike stays: a running process's file, a
// folder or a link under an ended process's name, another stem's file.
TEST_F(LeftoverFolder, OnlyFilesOfEndedProcessesUnderTheStemGo) {
    const std::string ended = std::to_string(endedProcessId());
    const std::string own = std::to_string(::getpid());
    writeBytes(path("Kategorien.ini"), "Fenster\r\n");
    writeBytes(path("Kategorien.tmp-" + ended + "-0"), "halb");
    writeBytes(path("Kategorien.tmp-" + ended + "-7"), "");
    writeBytes(path("Kategorien.tmp-" + own + "-3"), "läuft noch");
    writeBytes(path("Kategorien.tmp-1-0"), "ein anderer Prozess");
    writeBytes(path("Fenster.tmp-" + ended + "-0"), "andere Liste");
    writeBytes(path("Kategorien.tmp-" + ended), "kein Zähler");
    ASSERT_EQ(::mkdir(path("Kategorien.tmp-" + ended + "-1").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("Kategorien.ini", path("Kategorien.tmp-" + ended + "-2").c_str()), 0);

    EXPECT_EQ(removeLeftoverTemporaries(path("Kategorien.tmp")), 2u);
    EXPECT_EQ(entries(folder()),
              (std::set<std::string>{"Kategorien.ini", "Kategorien.tmp-" + own + "-3",
                                     "Kategorien.tmp-1-0", "Fenster.tmp-" + ended + "-0",
                                     "Kategorien.tmp-" + ended, "Kategorien.tmp-" + ended + "-1",
                                     "Kategorien.tmp-" + ended + "-2"}));
    EXPECT_EQ(removeLeftoverTemporaries(path("fehlt/Kategorien.tmp")), 0u);
}

// A save killed while writing leaves its temporary file; the next save of
// the same target, with or without a stem of its own, takes it away.
TEST_F(LeftoverFolder, TheNextSaveClearsWhatAKilledSaveLeft) {
    const struct {
        const char* what;
        std::string stem;
    } saves[] = {{"own stem", path("Kategorien.tmp")}, {"default stem", ""}};
    for (const auto& save : saves) {
        SCOPED_TRACE(save.what);
        const std::string target = path("Kategorien.ini");
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
