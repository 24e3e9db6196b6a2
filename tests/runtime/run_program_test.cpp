#include "runtime/run_program.h"

#include "runtime/command_line.h"
#include "tests/support/scratch_folder.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace codarium {
namespace {

using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;
using Args = std::vector<std::string>;

void writeScript(const std::string& path, const std::string& body) {
    writeBytes(path, "#!/bin/sh\n" + body);
    ::chmod(path.c_str(), 0755);
}

// The file's contents once it exists, waiting at most ten seconds.
std::string waitForFile(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (testsupport::exists(path)) {
            return readBytes(path);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return "(no file after 10 s)";
}

// A script that records its working directory and arguments, one a line;
// the record appears complete or not at all.
std::string recorderBody(const std::string& record) {
    return "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + record +
           ".part'\nmv '" + record + ".part' '" + record + "'\n";
}

// Sets PATH for one test and puts it back afterwards.
class PathOverride {
public:
    explicit PathOverride(const std::string& value) {
        if (const char* old = std::getenv("PATH")) {
            old_ = old;
        }
        ::setenv("PATH", value.c_str(), 1);
    }
    ~PathOverride() { ::setenv("PATH", old_.c_str(), 1); }

private:
    std::string old_;
};

bool noChildLeft() {
    return ::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
}

TEST(CommandLineFor, QuotesThePathUnlessItIsQuotedAlready) {
    EXPECT_EQ(commandLineFor("/opt/My Tools/run", ""), "\"/opt/My Tools/run\"");
    EXPECT_EQ(commandLineFor("/bin/x", "-a b"), "\"/bin/x\" -a b");
    EXPECT_EQ(commandLineFor("\"/opt/a b\" -x", "y"), "\"/opt/a b\" -x y");
    EXPECT_EQ(commandLineFor("", ""), "\"\"");
}

TEST(SplitCommandLine, FollowsTheWindowsQuotingRules) {
    EXPECT_EQ(splitCommandLine("\"/opt/a b/c\" x  \"y z\"\t w"),
              (Args{"/opt/a b/c", "x", "y z", "w"}));
    // The program part takes backslashes literally and quotes only group.
    EXPECT_EQ(splitCommandLine("C:\\a\" b\"\\c.exe x"), (Args{"C:\\a b\\c.exe", "x"}));
    EXPECT_EQ(splitCommandLine("p a\\\\\\\"b c\\\\\"d e\" f\\g"),
              (Args{"p", "a\\\"b", "c\\d e", "f\\g"}));
    EXPECT_EQ(splitCommandLine("p \"a\"\"b\" \"\" c"), (Args{"p", "a\"b", "", "c"}));
    EXPECT_EQ(splitCommandLine("p x\"y z\"w"), (Args{"p", "xy zw"}));
    EXPECT_EQ(splitCommandLine("p trailing\\"), (Args{"p", "trailing\\"}));
}

TEST(RunProgram, StartsAProgramWithBlanksInItsPathInTheGivenFolder) {
    ScratchFolder dir;
    const std::string folder = dir.file("my tools");
    const std::string work = dir.file("work place");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(work.c_str(), 0755), 0);
    const std::string record = dir.file("record");
    writeScript(folder + "/prog", recorderBody(record));
    EXPECT_NE(runProgram(folder + "/prog", "\"first arg\" second", work), 0);
    EXPECT_EQ(waitForFile(record), work + "\nfirst arg\nsecond\n");
    EXPECT_TRUE(noChildLeft());
}

TEST(RunProgram, EmptyWorkingDirectoryKeepsTheCallersAndRelativePathsUseIt) {
    ScratchFolder dir;
    const std::string record = dir.file("record");
    writeScript(dir.file("prog"), recorderBody(record));
    const std::string before = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    const int started = runProgram("./prog", "", "");
    ASSERT_EQ(::chdir(before.c_str()), 0);
    EXPECT_NE(started, 0);
    EXPECT_EQ(waitForFile(record), dir.path().string() + "\n");
}

TEST(RunProgram, AlreadyQuotedPathIsUsedAsItIs) {
    ScratchFolder dir;
    const std::string record = dir.file("record");
    const std::string prog = dir.file("a prog");
    writeScript(prog, recorderBody(record));
    EXPECT_NE(runProgram("\"" + prog + "\" built-in", "added", dir.path().string()), 0);
    EXPECT_EQ(waitForFile(record), dir.path().string() + "\nbuilt-in\nadded\n");
}

TEST(RunProgram, WhatCannotBeExecutedGoesToTheDesktopOpener) {
    ScratchFolder dir;
    const std::string bin = dir.file("bin");
    ASSERT_EQ(::mkdir(bin.c_str(), 0755), 0);
    const std::string record = dir.file("opened");
    writeScript(bin + "/xdg-open", recorderBody(record));
    const char* oldPath = std::getenv("PATH");
    PathOverride path(bin + ":" + (oldPath ? oldPath : "/usr/bin:/bin"));

    EXPECT_NE(runProgram("https://example.org/a b?q=1", "", ""), 0);
    EXPECT_EQ(waitForFile(record),
              std::filesystem::current_path().string() + "\nhttps://example.org/a b?q=1\n");
    ::unlink(record.c_str());

    // Executable bit but no executable format: exec fails, which the start
    // notices, so the opener gets the file.
    const std::string fake = dir.file("notes.txt");
    writeBytes(fake, "just text\n");
    ::chmod(fake.c_str(), 0755);
    EXPECT_NE(runProgram(fake, "ignored", dir.path().string()), 0);
    EXPECT_EQ(waitForFile(record), dir.path().string() + "\n" + fake + "\n");
    EXPECT_TRUE(noChildLeft());
}

TEST(RunProgram, ReportsFailureWhenNothingCanStart) {
    ScratchFolder dir;
    const std::string empty = dir.file("empty-bin");
    ASSERT_EQ(::mkdir(empty.c_str(), 0755), 0);
    PathOverride path(empty);
    EXPECT_EQ(runProgram("https://example.org/", "", ""), 0);
    EXPECT_EQ(runProgram(dir.file("missing"), "", ""), 0);

    // A working directory that does not exist fails the start as well.
    const std::string record = dir.file("record");
    writeScript(dir.file("prog"), recorderBody(record));
    EXPECT_EQ(runProgram(dir.file("prog"), "", dir.file("no such folder")), 0);
    EXPECT_FALSE(testsupport::appearsWithin(record, 200));
    EXPECT_TRUE(noChildLeft());
}

} // namespace
} // namespace codarium
