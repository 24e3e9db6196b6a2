#pragma once
// A program directory of its own for each test (the stand-in executable
// file, the real plug-in, the icons and a server configuration), a scratch
// APPDATA, scripted dialogs, and the start-up run in this process.
#include "tests/support/scratch_folder.h"
#include "widgets/window_event.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace codarium::testsupport {

inline constexpr std::string_view ServerConfigText =
    "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://updates.codarium.invalid\r\n"
    "Verzeichnis = codarium\r\n";

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string program(std::string_view name) const { return programDir / name; }
    std::string standardFile() const;
    void writeStandardSettings(std::string_view text);
    void writePortableSettings(std::string_view text);
    // A library of one category holding one code, so the commands that need
    // a non-empty library are enabled.
    void writeOneCodeLibrary();

    // startUp in the program directory; true when the program would run.
    // The first-run editor path dialog, which opens whenever "PBPfad" is
    // empty, is put aside as if it had never opened unless a test keeps it.
    bool start();
    bool keepEditorPathDialog = false;

    // Lets Qt deliver what is pending and hands every queued event to the
    // loop's turn; true when one of them was (or became) a close request.
    bool runPendingTurns();

    ScratchFolder programDir;
    ScratchFolder appData;

private:
    std::optional<WorkingDirectoryGuard> cwd_;
};

// The settings as a file reads back, for assertions.
struct StoredSettings {
    std::string editorPath;
    int width = -1, height = -1, state = -1, splitter = -1, iconSize = -1, admin = -1, wrap = -1;
};
StoredSettings readStored(const std::string& path);

} // namespace codarium::testsupport
