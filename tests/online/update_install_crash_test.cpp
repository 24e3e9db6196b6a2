// The updater killed at every step (each journal save, folder, download,
// rename and removal, and each step of the saves inside them), and failing
// at any file. A release is a set of files renamed into place one after
// another, so right after a kill some files may be new and others old: each
// file is then, in full, its old or its new version (the old one possibly
// under its ".vorher" name, the new one under its ".aktualisierung" name),
// nothing else changes and nothing is lost. The next program start (also
// killed at every step of its own) then brings the whole directory to one
// release, old or new, with no leftover of the update; so does the real
// program started on what the kill left. A failure instead of a kill puts the
// whole old set back.
#include "online/file_fingerprint.h"
#include "online/update_install.h"
#include "online/update_journal.h"
#include "online/update_leftovers.h"
#include "tests/runtime/net/server_process.h"

#include "../app/program_child.h"
#include "../platform/kill_at_every_step.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace codarium::online {
namespace {

namespace fs = std::filesystem;
using testsupport::folderFiles;
using testsupport::FolderFiles;
using testsupport::killAtEveryStep;
using testsupport::runInChild;
using testsupport::StepMark;

void write(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

struct ReleaseFile {
    const char* path;
    std::optional<std::string> installed; // none: new in this release
    std::string released;
};

const ReleaseFile Files[] = {
    {"Codarium", "#!/bin/sh\necho alt\n", "#!/bin/sh\necho neu\n"},
    {"Codes/Dialoge/Datei.pb", "MessageRequester(\"alt\")\r\n", "MessageRequester(\"neu\")\r\n"},
    {"Grafiken/Neu/Neu.ico", std::nullopt, std::string(3000, '\x42')},
    {"Codes/Dialoge/Gleich.pb", "Debug 1\r\n", "Debug 1\r\n"},
    {"Konfiguration.ini",
     "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://updates.codarium.invalid\r\n"
     "Verzeichnis = alt\r\n",
     "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://updates.codarium.invalid\r\n"
     "Verzeichnis = neu\r\n"},
};

class CrashConsistency : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("codarium-update-crash-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        FingerprintBuffer buffer;
        std::string index;
        for (const ReleaseFile& file : Files) {
            write(release() / file.path, file.released);
            index += std::string(file.path) + "\r\n" +
                     fileFingerprint((release() / file.path).string(), buffer) + "\r\n" +
                     std::to_string(file.released.size()) + "\r\n";
        }
        write(release() / "Index.ini", index);
        http_ = std::make_unique<testing::ServerProcess>(
            QStringList{"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                        QString::fromStdString((root_ / "server").string())});
        ASSERT_NE(http_->port(), 0);
        const auto entries = readUpdateIndex((release() / "Index.ini").string());
        ASSERT_TRUE(entries);
        entries_ = *entries;
        install();
        before_ = folderFiles(program());
    }
    void TearDown() override {
        http_.reset();
        fs::remove_all(root_);
    }

    fs::path release() const { return root_ / "server/aktualisierung/codarium"; }
    fs::path program() const { return root_ / "program"; }
    UpdateSource source() const {
        return {"http://127.0.0.1:" + std::to_string(http_->port()), "codarium",
                program().string()};
    }

    // The installation as it was before the update, and a file of its own.
    void install() const {
        fs::remove_all(program());
        for (const ReleaseFile& file : Files) {
            if (file.installed) {
                write(program() / file.path, *file.installed);
            }
        }
        write(program() / "Einstellungen.ini", "[Einstellungen]\r\nEigen = 1\r\n");
    }

    // What a killed updater may leave, file by file.
    void expectEachFileOldOrNew(const FolderFiles& after, bool finished) const {
        FolderFiles rest = after;
        // Once every file is new, the set-aside copies may go.
        bool allNew = true;
        for (const ReleaseFile& file : Files) {
            const auto found = after.find(file.path);
            allNew = allNew && found != after.end() && found->second == file.released;
        }
        for (const ReleaseFile& file : Files) {
            SCOPED_TRACE(file.path);
            const std::string name = file.path;
            const auto take = [&](const std::string& key) {
                std::optional<std::string> bytes;
                if (const auto found = rest.find(key); found != rest.end()) {
                    bytes = found->second;
                    rest.erase(found);
                }
                return bytes;
            };
            const auto target = take(name);
            const auto previous = take(name + ".vorher");
            const auto fetched = take(name + ".aktualisierung");
            if (target) {
                EXPECT_TRUE(*target == file.released || target == file.installed) << *target;
            }
            if (previous) {
                EXPECT_EQ(previous, file.installed);
            }
            if (fetched) {
                EXPECT_EQ(*fetched, file.released);
            }
            // Nothing is lost: until the whole set is new the old version
            // is in place or set aside.
            if (file.installed && !allNew) {
                EXPECT_TRUE(target == file.installed || previous == file.installed)
                    << "the old version is gone";
            }
            if (finished) {
                EXPECT_EQ(target, file.released);
                EXPECT_FALSE(previous || fetched) << "left behind after the end";
            }
        }
        for (auto entry = rest.begin(); entry != rest.end();) {
            const bool own =
                entry->first == std::string(JournalFileName) || isUpdaterTemporary(entry->first);
            EXPECT_FALSE(own && finished) << entry->first << " left after the end";
            entry = own ? rest.erase(entry) : std::next(entry);
        }
        EXPECT_EQ(rest, (FolderFiles{{"Einstellungen.ini", before_.at("Einstellungen.ini")}}))
            << "the other files are as they were";
    }

    // The whole directory is the old installation or the whole new release,
    // with nothing of the update left and no folder it made left empty.
    void expectOneRelease(const std::string& when) const {
        SCOPED_TRACE(when);
        const FolderFiles after = folderFiles(program());
        FolderFiles released = before_;
        for (const ReleaseFile& file : Files) {
            released[file.path] = file.released;
        }
        EXPECT_TRUE(after == before_ || after == released) << [&] {
            std::string names;
            for (const auto& [name, bytes] : after) {
                names += name + (before_.count(name) && before_.at(name) == bytes     ? " (alt)\n"
                                 : released.count(name) && released.at(name) == bytes ? " (neu)\n"
                                                                                      : " (?)\n");
            }
            return names;
        }();
        if (after == before_) {
            EXPECT_FALSE(fs::exists(program() / "Grafiken")) << "the update's folder stayed";
        }
    }

    fs::path root_;
    std::unique_ptr<testing::ServerProcess> http_;
    std::vector<IndexEntry> entries_;
    FolderFiles before_;
};

TEST_F(CrashConsistency, TheUpdaterKilledAtAnyStepIsFinishedOrUndoneAtTheNextStart) {
    int undone = 0;
    int finishedByRecovery = 0;
    const auto update = [&](const StepMark& mark) {
        platform::setSaveStepObserver([&mark](platform::SaveStep) { mark(); });
        FingerprintBuffer buffer;
        static_cast<void>(installUpdate(source(), entries_, buffer, {}, nullptr, mark));
    };
    const int steps = killAtEveryStep(
        [&] { install(); }, update,
        [&](int n, bool finished) {
            expectEachFileOldOrNew(folderFiles(program()), finished);
            if (finished) {
                expectOneRelease("the update that ran to its end");
                return;
            }
            // The next start, itself killed at every step of its clearing,
            // and then a start that runs through.
            const fs::path copy = root_ / "killed";
            fs::remove_all(copy);
            fs::copy(program(), copy, fs::copy_options::recursive);
            for (int m = 1; m <= 200; ++m) {
                fs::remove_all(program());
                fs::copy(copy, program(), fs::copy_options::recursive);
                int seen = 0;
                const auto mark = [&] {
                    if (++seen == m) {
                        ::raise(SIGKILL);
                    }
                };
                const int status = runInChild([&] {
                    platform::setSaveStepObserver([&](platform::SaveStep) { mark(); });
                    FingerprintBuffer buffer;
                    if (finishInterruptedUpdate(program().string(), buffer, mark) ==
                        Recovery::Unreadable) {
                        std::_Exit(3);
                    }
                });
                ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
                    << "step " << n << "/" << m;
                EXPECT_EQ(cleanUpAfterUpdates(program().string()), CleanUp::Done);
                expectOneRelease("killed at step " + std::to_string(n) + ", its clearing at " +
                                 std::to_string(m));
                if (folderFiles(program()) == before_) {
                    ++undone;
                } else {
                    ++finishedByRecovery;
                }
                if (WIFEXITED(status)) {
                    break;
                }
            }
            fs::remove_all(copy);
        });
    EXPECT_GT(steps, 20);
    EXPECT_GT(undone, 0) << "a kill while fetching takes the update back";
    EXPECT_GT(finishedByRecovery, 0) << "a kill while renaming finishes the update";
}

TEST_F(CrashConsistency, TheUpdaterFailingAtAnyFilePutsTheOldSetBack) {
    for (const ReleaseFile& file : Files) {
        if (!file.installed || *file.installed == file.released) {
            continue;
        }
        SCOPED_TRACE(file.path);
        install();
        // A folder where the installed file would be set aside.
        const fs::path blocker = program() / (std::string(file.path) + ".vorher");
        write(blocker / "blockiert", "x");
        FingerprintBuffer buffer;
        const InstallResult result = installUpdate(source(), entries_, buffer);
        EXPECT_EQ(result.error, InstallError::Replace);
        EXPECT_EQ(result.file, file.path);
        FolderFiles after = folderFiles(program());
        after.erase(fs::relative(blocker / "blockiert", program()).generic_string());
        EXPECT_EQ(after, before_);
        EXPECT_FALSE(fs::exists(program() / "Grafiken")) << "the update's folder stayed";
        fs::remove_all(blocker);
    }
}

// The real program, started (offscreen) in the directory a killed updater
// left, brings it to one release before it reads anything; its own store
// files and the highlighter are there beforehand, so that the start itself
// adds nothing.
TEST_F(CrashConsistency, TheProgramStartedAfterTheUpdaterWasKilledAtAnyStepRunsOnOneRelease) {
    const fs::path built(CODARIUM_PROGRAM_DIR);
    const auto reset = [&] {
        install();
        fs::copy_file(built / "SyntaxHilighting.so", program() / "SyntaxHilighting.so");
        write(program() / "Einstellungen/Kategorien.ini", "");
    };
    reset();
    before_ = folderFiles(program());
    fs::create_directories(root_ / "appdata");
    int undone = 0;
    int finished = 0;
    const auto update = [&](const StepMark& mark) {
        platform::setSaveStepObserver([&mark](platform::SaveStep) { mark(); });
        FingerprintBuffer buffer;
        static_cast<void>(installUpdate(source(), entries_, buffer, {}, nullptr, mark));
    };
    const int steps = killAtEveryStep(reset, update, [&](int n, bool ranThrough) {
        const std::string when = "killed at step " + std::to_string(n);
        if (ranThrough) {
            expectOneRelease("the update that ran to its end");
            return;
        }
        // The old program keeps a second name before the new one is renamed
        // over it, so there is always an executable to start.
        ASSERT_TRUE(fs::exists(program() / "Codarium")) << when;
        const pid_t pid = testsupport::startProgram(
            built / "Codarium", {"APPDATA", "QT_QPA_PLATFORM"},
            {"APPDATA=" + (root_ / "appdata").string(), "QT_QPA_PLATFORM=offscreen"}, program());
        ASSERT_NE(pid, 0);
        const bool cameUp = testsupport::waitUntilInEventLoop(pid, std::chrono::milliseconds(100),
                                                              std::chrono::seconds(20));
        testsupport::killProgram(pid);
        ASSERT_TRUE(cameUp) << when << ": the program never waited in its event loop";
        EXPECT_FALSE(fs::exists(program() / std::string(JournalFileName))) << when;
        expectOneRelease(when + ", then the program started");
        (folderFiles(program()) == before_ ? undone : finished)++;
    });
    EXPECT_GT(steps, 20);
    EXPECT_GT(undone, 0) << "a kill while fetching leaves the old release";
    EXPECT_GT(finished, 0) << "a kill while renaming leaves the new one";
}

} // namespace
} // namespace codarium::online
