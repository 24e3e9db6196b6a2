#include "editor_link/open_in_editor.h"
#include "platform/paths.h"
#include "tests/support/scratch_folder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace codarium::editor_link {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::WorkingDirectoryGuard;
using testsupport::writeBytes;

std::string waitForFile(const fs::path& path) {
    for (int i = 0; i < 200 && !fs::exists(path); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return fs::exists(path) ? readBytes(path.string()) : "(no record after 10 s)";
}

TEST(OpenCodeInEditor, PassesTheQuotedAbsolutePathAndStartsInTheProgramDirectory) {
    // Program and editor folders as users name them: with a blank, Cyrillic,
    // Polish, Japanese and an emoji, none of them in Windows-1252 but the
    // first.
    const struct {
        const char* programDir;
        const char* editorDir;
    } cases[] = {
        {"Codarium Daten", "PB Editor"},
        {"\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B/Codarium",
         "\xC5\x81ukasz/PB Editor"},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xF0\x9F\x98\x80/Codarium", "\xE6\x97\xA5/PB"},
    };
    for (const auto& c : cases) {
        ScratchFolder scratch;
        WorkingDirectoryGuard cwd;
        const fs::path dataDir = fs::canonical(scratch.path()) / c.programDir;
        fs::create_directories(dataDir);
        fs::current_path(dataDir);

        // A stand-in editor records its working directory and each argument
        // on a line of its own.
        const fs::path editor = scratch.path() / c.editorDir / "purebasic";
        const fs::path record = scratch.path() / "record";
        fs::create_directories(editor.parent_path());
        writeBytes(editor.string(),
                   "#!/bin/sh\n{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                   "done; } > '" +
                       record.string() + ".part'\nmv '" + record.string() + ".part' '" +
                       record.string() + "'\n");
        fs::permissions(editor, fs::perms::owner_all);

        // Category and title in the code page, with blanks and umlauts.
        const int started = openCodeInEditor(editor.string(), "Dateien und Ordner",
                                             "Gr\xF6\xDF"
                                             "e \xE4ndern");
        EXPECT_NE(started, 0) << c.programDir;
        EXPECT_EQ(waitForFile(record), dataDir.string() + "\n" + dataDir.string() +
                                           "/Codes/Dateien und Ordner/Gr\xC3\xB6\xC3\x9F"
                                           "e \xC3\xA4ndern.pb\n")
            << c.programDir;
    }
}

} // namespace
} // namespace codarium::editor_link
