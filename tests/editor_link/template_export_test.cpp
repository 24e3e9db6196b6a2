#include "editor_link/template_export.h"
#include "platform/paths.h"
#include "tests/support/scratch_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace codarium::editor_link {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

// A small library in Codes/ (names on disk in UTF-8, contents in the code
// page) and a templates file, both in a scratch folder.
class TemplateExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"Codes/Dateien/Unter", "Codes/Zuletzt", "Codes/Leer",
                                   "Codes/\xC3\x9C"
                                   "bersicht"}) {
            fs::create_directories(scratch.path() / folder);
        }
        put("Codes/Dateien/Beispiel.pb", "a\\b\r\nc\r\n");
        put("Codes/Dateien/Unter/Tief.pb", "x");
        put("Codes/Dateien/x.txt", "");
        put("Codes/lose.pb", "y\nz");
        // "Größe.pb" holding "Ä = 1" in the code page.
        put("Codes/\xC3\x9C"
            "bersicht/Gr\xC3\xB6\xC3\x9F"
            "e.pb",
            "\xC4 = 1\r\n");
        // Already UTF-8, as its mark says.
        put("Codes/\xC3\x9C"
            "bersicht/Mit Marke.pb",
            "\xEF\xBB\xBF\xC3\xBC\r\n");
        // A file that cannot be opened.
        fs::create_symlink(scratch.path() / "nowhere", scratch.path() / "Codes/Zuletzt/Kaputt.pb");
    }

    void put(const std::string& name, std::string_view bytes) { writeBytes(scratch / name, bytes); }
    std::string codes() const { return std::string(scratch / "Codes"); }
    std::string templates() const { return std::string(scratch / "templates.prefs"); }

    ScratchFolder scratch;
};

// The block the library above gives, in UTF-8.
constexpr std::string_view Block = "TEMPLATES:1.0\r\n"
                                   "0\r\n"
                                   "Directory: Codarium\r\n"
                                   "Directory: Dateien\r\n"
                                   "Template: Beispiel\r\n"
                                   "  Comment: Beispiel\r\n"
                                   "  Code: a\\\\b\\nc\r\n"
                                   "Directory: Unter\r\n"
                                   "Template: Tief\r\n"
                                   "  Comment: Tief\r\n"
                                   "  Code: x\r\n"
                                   "CloseDirectory\r\n"
                                   "Template: x.\r\n"
                                   "  Comment: x.\r\n"
                                   "  Code: \r\n"
                                   "CloseDirectory\r\n"
                                   "Directory: Leer\r\n"
                                   "CloseDirectory\r\n"
                                   "Template: lose\r\n"
                                   "  Comment: lose\r\n"
                                   "  Code: y\\nz\r\n"
                                   "Directory: Zuletzt\r\n"
                                   "Template: Kaputt\r\n"
                                   "  Comment: Kaputt\r\n"
                                   "  Code: \r\n"
                                   "CloseDirectory\r\n"
                                   "Directory: \xC3\x9C"
                                   "bersicht\r\n"
                                   "Template: Gr\xC3\xB6\xC3\x9F"
                                   "e\r\n"
                                   "  Comment: Gr\xC3\xB6\xC3\x9F"
                                   "e\r\n"
                                   "  Code: \xC3\x84 = 1\r\n"
                                   "Template: Mit Marke\r\n"
                                   "  Comment: Mit Marke\r\n"
                                   "  Code: \xC3\xBC\r\n"
                                   "CloseDirectory\r\n"
                                   "CloseDirectory\r\n";

TEST_F(TemplateExportTest, WritesTheBlockInFrontOfTheOldTemplatesWhateverTheirLineEnds) {
    const struct {
        const char* name;
        std::string_view old;
        std::string_view kept;
    } cases[] = {
        {"CR LF", "TEMPLATES:1.0\r\n0\r\nDirectory: Alt\r\nCloseDirectory\r\n",
         "Directory: Alt\r\nCloseDirectory\r\n"},
        // The editor on Linux writes LF; nothing of the rest may be lost.
        {"LF", "TEMPLATES:1.0\n0\nDirectory: Alt\nCloseDirectory\n",
         "Directory: Alt\nCloseDirectory\n"},
        {"header only", "TEMPLATES:1.0\r\n0\r\n", ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        put("templates.prefs", c.old);
        ASSERT_EQ(exportTemplatesTo(templates(), codes()), TemplateExport::Done) << c.name;
        EXPECT_EQ(readBytes(scratch / "templates.prefs"), std::string(Block) + std::string(c.kept))
            << c.name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 2)
        << "no temporary file is left beside the templates";
}

TEST_F(TemplateExportTest, ExportingTwiceKeepsBothBlocksNewestFirst) {
    put("templates.prefs", "TEMPLATES:1.0\r\n0\r\n");
    ASSERT_EQ(exportTemplatesTo(templates(), codes()), TemplateExport::Done);
    fs::remove_all(scratch.path() / "Codes");
    fs::create_directories(scratch.path() / "Codes/Neu");
    put("Codes/Neu/Eins.pb", "1");
    ASSERT_EQ(exportTemplatesTo(templates(), codes()), TemplateExport::Done);
    EXPECT_EQ(readBytes(scratch / "templates.prefs"),
              "TEMPLATES:1.0\r\n0\r\nDirectory: Codarium\r\nDirectory: Neu\r\nTemplate: Eins\r\n"
              "  Comment: Eins\r\n  Code: 1\r\nCloseDirectory\r\nCloseDirectory\r\n" +
                  std::string(Block.substr(std::string_view("TEMPLATES:1.0\r\n0\r\n").size())));
}

TEST_F(TemplateExportTest, AFailedExportLeavesTheTemplatesFileAsItWas) {
    // Unreadable: a folder under the file's name counts as existing but
    // cannot be read.
    fs::create_directories(scratch.path() / "templates.prefs/inside");
    EXPECT_TRUE(templatesFileExists(templates()));
    EXPECT_EQ(exportTemplatesTo(templates(), codes()), TemplateExport::TemplatesUnreadable);
    EXPECT_TRUE(fs::is_directory(scratch.path() / "templates.prefs/inside"));
    fs::remove_all(scratch.path() / "templates.prefs");
    EXPECT_FALSE(templatesFileExists(templates()));

    // Writing stops midway: the file size limit ends the new file after a
    // few hundred bytes.
    const std::string old = "TEMPLATES:1.0\r\n0\r\n" + std::string(300, 'o');
    put("templates.prefs", old);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const TemplateExport result = exportTemplatesTo(templates(), codes());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, TemplateExport::NotWritten);
    EXPECT_EQ(readBytes(scratch / "templates.prefs"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 2);
}

TEST(TemplatesFile, LivesInTheEditorsFolderInHome) {
    const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/anna", 1);
    EXPECT_EQ(templatesFilePath(), "/home/anna/.purebasic/templates.prefs");
    ::unsetenv("HOME");
    EXPECT_EQ(templatesFilePath(), "");
    EXPECT_FALSE(templatesFileExists(templatesFilePath()));
    ::setenv("HOME", saved.c_str(), 1);
}

} // namespace
} // namespace codarium::editor_link
