// The updater's replacement of the installed files, killed before any of
// its renames, and failing at any file. A release is a set of files renamed
// into place one after another, so a kill can leave some files new and
// others old; what must hold is that each file is, in full, its old or its
// new version (the old one possibly still under its ".vorher" name, the new
// one under its ".aktualisierung" name), that nothing else changes and that
// nothing is lost. A failure instead of a kill puts the whole old set back.
#include "online/file_fingerprint.h"
#include "online/update_install.h"
#include "tests/runtime/net/server_process.h"

#include "../platform/kill_at_every_step.h"

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
    {"Grafiken/Neu.ico", std::nullopt, std::string(3000, '\x42')},
    {"Codes/Dialoge/Gleich.pb", "Debug 1\r\n", "Debug 1\r\n"},
    {"Konfiguration.ini", "[Konfiguration]\r\nAlt = 1\r\n", "[Konfiguration]\r\nNeu = 1\r\n"},
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
            // Nothing is lost: until the end the old version is in place or
            // set aside.
            if (file.installed && !finished) {
                EXPECT_TRUE(target == file.installed || previous == file.installed)
                    << "the old version is gone";
            }
            if (finished) {
                EXPECT_EQ(target, file.released);
                EXPECT_FALSE(previous || fetched) << "left behind after the end";
            }
        }
        EXPECT_EQ(rest, (FolderFiles{{"Einstellungen.ini", before_.at("Einstellungen.ini")}}))
            << "the other files are as they were";
    }

    fs::path root_;
    std::unique_ptr<testing::ServerProcess> http_;
    std::vector<IndexEntry> entries_;
    FolderFiles before_;
};

TEST_F(CrashConsistency, TheUpdaterKilledBeforeAnyRenameLeavesEachFileOldOrNew) {
    const int steps = killAtEveryStep(
        [&] { install(); },
        [&](const StepMark& mark) {
            FingerprintBuffer buffer;
            static_cast<void>(installUpdate(source(), entries_, buffer, {}, nullptr, mark));
        },
        [&](int, bool finished) { expectEachFileOldOrNew(folderFiles(program()), finished); });
    // Three installed files change (each set aside, then replaced) and one is new.
    EXPECT_EQ(steps, 3 * 2 + 1);
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
        fs::remove_all(blocker);
    }
}

} // namespace
} // namespace codarium::online
