// The template export killed at any step: the editor's templates file is, in
// full, the old one or the new one, and the library is untouched.
#include "editor_link/template_export.h"
#include "platform/paths.h"
#include "tests/support/scratch_folder.h"

#include "../platform/kill_at_every_step.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace codarium::editor_link {
namespace {

namespace fs = std::filesystem;
using testsupport::expectOldOrNew;
using testsupport::folderFiles;
using testsupport::FolderFiles;
using testsupport::killAtEverySaveStep;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

TEST(CrashConsistency, ATemplateExportKilledAtAnyStepLeavesTheOldTemplatesOrTheNew) {
    ScratchFolder scratch;
    const fs::path root = scratch.path();
    const std::string templates = std::string(scratch / "templates.prefs");
    const std::string codes = std::string(scratch / "Codes");
    const auto reset = [&] {
        fs::remove_all(root);
        fs::create_directories(root / "Codes/Dateien");
        writeBytes((root / "Codes/Dateien/Lesen.pb").string(), "a\\b\r\nc\r\n");
        writeBytes((root / "Codes/lose.pb").string(), "y\nz");
        writeBytes((root / "templates.prefs").string(),
                   "TEMPLATES:1.0\r\n0\r\nTemplate: Eigen\r\n"
                   "  Comment: Eigen\r\n  Code: mein\\ncode\r\n");
    };
    reset();
    const FolderFiles before = folderFiles(root);
    ASSERT_EQ(exportTemplatesTo(templates, codes), TemplateExport::Done);
    const FolderFiles rewritten = {{"templates.prefs", folderFiles(root)["templates.prefs"]}};
    ASSERT_NE(rewritten.at("templates.prefs").find("Template: Eigen"), std::string::npos);
    ASSERT_NE(rewritten.at("templates.prefs").find("Template: Lesen"), std::string::npos);

    const int steps = killAtEverySaveStep(
        reset, [&] { static_cast<void>(exportTemplatesTo(templates, codes)); },
        [&](int, bool finished) {
            expectOldOrNew(before, rewritten, folderFiles(root), finished);
        });
    EXPECT_GE(steps, 5);
}

} // namespace
} // namespace codarium::editor_link
