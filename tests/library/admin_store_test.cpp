#include "library/admin_store.h"
#include "library/api_links.h"
#include "library/list_file.h"
#include "library/store_paths.h"
#include "store_fixture.h"

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace codarium::library {
namespace {

using testing::readFile;
using testing::storeSnapshot;
using testing::writeFile;

class AdminStore : public testing::StoreTest {};

// A leftover code list of a category whose line was removed by hand comes
// back with it instead of being emptied.
TEST_F(AdminStore, ALeftoverCodeListIsKept) {
    writeFile(codeListPath("Fenster"), "alt\r\n");
    EXPECT_TRUE(createCategory("Fenster").succeeded());
    EXPECT_EQ(readFile(codeListPath("Fenster")), "alt\r\n");
    EXPECT_EQ(readFile(categoryListPath()), "Fenster\r\n");
}

// The dialog test adds a code with links; without any, the link file is
// still written, empty, and the source keeps a leading blank in its name.
TEST_F(AdminStore, ACodeWithoutLinksGetsAnEmptyLinkFile) {
    addCategory("Fenster", {"Anzeigen"});
    EXPECT_TRUE(addCode("Fenster", " ohne Links", "x\r\ny", {}).succeeded());
    EXPECT_EQ(readFile(linkFilePath("Fenster", " ohne Links")), "");
    EXPECT_EQ(readFile(sourcePath("Fenster", " ohne Links")), "x\r\ny");
    EXPECT_EQ(readFile(codeListPath("Fenster")), " ohne Links\r\nAnzeigen\r\n");
}

// Each refusal happens before anything is written: the whole tree stays
// byte for byte as it was.
TEST_F(AdminStore, RefusalsLeaveTheStoreUntouched) {
    addCategory("Dateien", {"Lesen"});
    addCategory("Fenster", {"Anzeigen"});
    writeFile(sourcePath("Fenster", "Verwaist"), "nur die Quelle");
    const struct {
        const char* what;
        std::function<EditResult()> operation;
        Refusal refusal;
        NameProblem problem;
    } cases[] = {
        {"slash", [] { return createCategory("a/b"); }, Refusal::UnsafeCategory,
         NameProblem::ReservedCharacter},
        {"up", [] { return createCategory(".."); }, Refusal::UnsafeCategory, NameProblem::DotName},
        {"list name", [] { return createCategory("kategorien"); }, Refusal::UnsafeCategory,
         NameProblem::CategoryListName},
        {"trailing blank", [] { return createCategory("Neu "); }, Refusal::UnsafeCategory,
         NameProblem::TrailingDotOrBlank},
        {"device", [] { return createCategory("Com1"); }, Refusal::UnsafeCategory,
         NameProblem::DeviceName},
        {"exists", [] { return createCategory("Fenster"); }, Refusal::CategoryExists,
         NameProblem::None},
        {"exists in other case", [] { return createCategory("DATEIEN"); }, Refusal::CategoryExists,
         NameProblem::None},
        {"remove empty", [] { return removeCategory(""); }, Refusal::UnsafeCategory,
         NameProblem::Empty},
        {"remove up", [] { return removeCategory(".."); }, Refusal::UnsafeCategory,
         NameProblem::DotName},
        {"remove path", [] { return removeCategory("Fenster/../../x"); }, Refusal::UnsafeCategory,
         NameProblem::ReservedCharacter},
        {"title slash", [] { return addCode("Fenster", "../Dateien/Lesen", "x", {}); },
         Refusal::UnsafeTitle, NameProblem::ReservedCharacter},
        {"title exists", [] { return addCode("Fenster", "Anzeigen", "x", {}); },
         Refusal::TitleExists, NameProblem::None},
        {"title in other case", [] { return addCode("Dateien", "lesen", "x", {}); },
         Refusal::TitleExists, NameProblem::None},
        {"file without line", [] { return addCode("Fenster", "Verwaist", "x", {}); },
         Refusal::TitleExists, NameProblem::None},
        {"no category", [] { return addCode("", "Neu", "x", {}); }, Refusal::UnsafeCategory,
         NameProblem::Empty},
        {"remove unsafe title", [] { return removeCode("Fenster", "../../Dateien"); },
         Refusal::UnsafeTitle, NameProblem::ReservedCharacter},
        {"remove in empty category", [] { return removeCode("", "Anzeigen"); },
         Refusal::UnsafeCategory, NameProblem::Empty},
    };
    for (const auto& c : cases) {
        const std::string before = storeSnapshot();
        const EditResult result = c.operation();
        EXPECT_EQ(result.refusal, c.refusal) << c.what;
        EXPECT_EQ(result.problem, c.problem) << c.what;
        EXPECT_EQ(storeSnapshot(), before) << c.what;
    }
}

TEST_F(AdminStore, RemovingEverythingLeavesAnEmptyLibraryAndOutsideFilesAlone) {
    addCategory("Dateien", {"Lesen"});
    addCategory("Fenster", {"Anzeigen"});
    writeFile("Einstellungen.ini", "[Einstellungen]\r\n");
    ASSERT_TRUE(platform::createDirectory("aussen"));
    writeFile("aussen/wichtig.pb", "bleibt");
    ASSERT_EQ(::symlink("../../aussen", "Codes/Fenster/Verweis"), 0);
    ::chmod(sourcePath("Dateien", "Lesen").c_str(), 0444);

    EXPECT_TRUE(removeWholeLibrary());
    EXPECT_TRUE(platform::listDirectory(CodesDirectory).empty());
    const auto settings = platform::listDirectory(SettingsDirectory);
    ASSERT_EQ(settings.size(), 1u);
    EXPECT_EQ(settings[0].name, "Kategorien.ini");
    EXPECT_EQ(readFile(categoryListPath()), "");
    EXPECT_EQ(readFile("Einstellungen.ini"), "[Einstellungen]\r\n");
    EXPECT_EQ(readFile("aussen/wichtig.pb"), "bleibt");
}

// A step that fails stops an addition: nothing half-made is listed. Only
// the source folders are closed to the unprivileged child; every list could
// be written, so an addition that carried on would show in them.
TEST_F(AdminStore, AFailedStepIsReportedAndStopsTheAddition) {
    addCategory("Fenster", {"Anzeigen"});
    ::chmod(".", 0755);
    ::chmod("Einstellungen", 0777);
    ::chmod("Einstellungen/Fenster", 0777);
    ::chmod(categoryListPath().c_str(), 0666);
    ::chmod(codeListPath("Fenster").c_str(), 0666);
    ::chmod("Codes", 0555);
    ::chmod("Codes/Fenster", 0555);
    const auto outcome = testing::runWithoutPrivileges([] {
        const EditResult category = createCategory("Neu");
        const EditResult code = addCode("Fenster", "Neu", "x", {});
        return !category.refused() && !category.complete && !code.refused() && !code.complete;
    });
    ::chmod("Codes", 0755);
    ::chmod("Codes/Fenster", 0755);
    if (!outcome) {
        GTEST_SKIP() << "cannot drop the right to ignore file permissions";
    }
    EXPECT_TRUE(*outcome);
    EXPECT_EQ(readFile(categoryListPath()), "Fenster\r\n");
    EXPECT_EQ(readFile(codeListPath("Fenster")), "Anzeigen\r\n");
    EXPECT_FALSE(platform::pathExists(linkFilePath("Fenster", "Neu")));
    EXPECT_FALSE(platform::pathExists(codeListPath("Neu")));
}

// An addition that fails at any step takes back what it made, and only
// that: the store is byte for byte as before, folders and files that were
// there already included. Each case blocks one step with an entry in the
// way (a file where a folder is to be, a folder where a file is to be).
TEST_F(AdminStore, AFailedAdditionLeavesTheStoreAsItWas) {
    const struct {
        const char* what;
        std::function<void()> arrange;
        std::function<EditResult()> operation;
    } cases[] = {
        {"category: link folder blocked", [] { writeFile("Einstellungen/Neu", "eine Datei"); },
         [] { return createCategory("Neu"); }},
        {"category: code list blocked",
         [] { ASSERT_TRUE(platform::createDirectory("Einstellungen/Neu.ini")); },
         [] { return createCategory("Neu"); }},
        {"category: its folders were there",
         [] {
             ASSERT_TRUE(platform::createDirectory("Codes/Neu"));
             writeFile("Codes/Neu/alt.pb", "alt");
             ASSERT_TRUE(platform::createDirectory("Einstellungen/Neu"));
             ASSERT_TRUE(platform::createDirectory("Einstellungen/Neu.ini"));
         },
         [] { return createCategory("Neu"); }},
        {"category: list unreadable",
         [] {
             std::filesystem::remove(categoryListPath());
             ASSERT_TRUE(platform::createDirectory(categoryListPath()));
         },
         [] { return createCategory("Neu"); }},
        {"category: code list there, list unreadable",
         [] {
             writeFile(codeListPath("Neu"), "Alt\r\n");
             std::filesystem::remove(categoryListPath());
             ASSERT_TRUE(platform::createDirectory(categoryListPath()));
         },
         [] { return createCategory("Neu"); }},
        {"code: source folder missing",
         [] { std::filesystem::remove_all(categorySourceDirectory("Fenster")); },
         [] { return addCode("Fenster", "Neu", "x", {}); }},
        {"code: link folder blocked",
         [] {
             std::filesystem::remove_all(categoryLinkDirectory("Fenster"));
             writeFile(categoryLinkDirectory("Fenster"), "eine Datei");
         },
         [] {
             return addCode("Fenster", "Neu", "x", {{"GetDC", "g"}});
         }},
        {"code: code list unreadable",
         [] {
             std::filesystem::remove(codeListPath("Fenster"));
             ASSERT_TRUE(platform::createDirectory(codeListPath("Fenster")));
         },
         [] {
             return addCode("Fenster", "Neu", "x", {{"GetDC", "g"}});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all("Codes");
        std::filesystem::remove_all("Einstellungen");
        ASSERT_TRUE(platform::createDirectory("Codes"));
        ASSERT_TRUE(platform::createDirectory("Einstellungen"));
        addCategory("Fenster", {"Anzeigen"});
        c.arrange();
        const std::string before = storeSnapshot();
        const EditResult result = c.operation();
        EXPECT_FALSE(result.refused());
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(storeSnapshot(), before);
    }
}

// A new name must leave room in every file name made under it for the
// ending and the temporary file's suffix; the limit is in bytes of the
// UTF-8 form, where an umlaut takes two and the euro sign three. Names that
// exist already are not held to it.
TEST_F(AdminStore, ANewNameTooLongForItsFilesIsRefusedBeforeAnyWrite) {
    addCategory("Fenster", {"Anzeigen"});
    ASSERT_EQ(longestNewName(), 228u);
    const auto times = [](std::size_t n, std::string_view piece) {
        std::string out;
        for (std::size_t i = 0; i < n; ++i) {
            out += piece;
        }
        return out;
    };
    const struct {
        const char* what;
        std::string name;
        bool fits;
    } names[] = {
        {"228 letters", times(228, "M"), true},      {"229 letters", times(229, "M"), false},
        {"252 letters", times(252, "M"), false},     {"114 umlauts", times(114, "\xC4"), true},
        {"115 umlauts", times(115, "\xC4"), false},  {"76 euro signs", times(76, "\x80"), true},
        {"77 euro signs", times(77, "\x80"), false}, {"256 letters", times(256, "M"), false},
    };
    for (const auto& n : names) {
        SCOPED_TRACE(n.what);
        for (const NameKind kind : {NameKind::Category, NameKind::Title}) {
            EXPECT_EQ(newNameProblem(n.name, kind),
                      n.fits ? NameProblem::None : NameProblem::TooLong);
            EXPECT_EQ(nameProblem(n.name, kind), NameProblem::None);
        }
        const std::string before = storeSnapshot();
        const EditResult category = createCategory(n.name);
        const EditResult code = addCode("Fenster", n.name, "x", {{"GetDC", "g"}});
        if (!n.fits) {
            EXPECT_EQ(category.refusal, Refusal::UnsafeCategory);
            EXPECT_EQ(category.problem, NameProblem::TooLong);
            EXPECT_EQ(code.refusal, Refusal::UnsafeTitle);
            EXPECT_EQ(code.problem, NameProblem::TooLong);
            EXPECT_EQ(storeSnapshot(), before);
            continue;
        }
        // The longest name that is let through really works, through a later
        // removal as well.
        EXPECT_TRUE(category.succeeded());
        EXPECT_TRUE(code.succeeded());
        EXPECT_TRUE(addCode(n.name, n.name, "y", {}).succeeded());
        EXPECT_TRUE(removeCode(n.name, n.name).succeeded());
        EXPECT_TRUE(removeCode("Fenster", n.name).succeeded());
        EXPECT_TRUE(removeCategory(n.name).succeeded());
        EXPECT_EQ(storeSnapshot(), before);
    }
}

// What killed rewrites of a removed category's code list left beside it
// goes with the category; a running process's file stays.
TEST_F(AdminStore, RemovingACategoryTakesTheLeftoversOfItsCodeList) {
    addCategory("Dateien", {"Lesen"});
    addCategory("Fenster", {"Anzeigen"});
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    const std::string ended = std::to_string(child);
    const std::string running = std::to_string(::getpid());
    writeFile("Einstellungen/Fenster.tmp-" + ended + "-0", "Anzeigen\r\n");
    writeFile("Einstellungen/Fenster.tmp-" + running + "-1", "Anzeigen\r\n");
    writeFile("Einstellungen/Dateien.tmp-" + ended + "-0", "Lesen\r\n");
    EXPECT_TRUE(removeCategory("Fenster").succeeded());
    EXPECT_EQ(testing::entryNames(SettingsDirectory),
              (std::vector<std::string>{"Dateien", "Dateien.ini", "Dateien.tmp-" + ended + "-0",
                                        "Fenster.tmp-" + running + "-1", "Kategorien.ini"}));
}

TEST_F(AdminStore, TheCatalogueKeepsTheLaterPairAndALoneLastCommand) {
    writeFile("MSDNLinks.ini", "SendMessage\r\nX\r\nGetDC\r\nG\r\nSendMessage\r\nY\r\nLetzter\r\n");
    const ApiLinkMap map = readApiLinks("MSDNLinks.ini");
    EXPECT_EQ(map.size(), 3u);
    EXPECT_EQ(knownLink(map, "SendMessage"), "Y");
    EXPECT_EQ(knownLink(map, "GetDC"), "G");
    EXPECT_EQ(knownLink(map, "Letzter"), "");
    EXPECT_EQ(knownLink(map, "sendmessage"), "");
    EXPECT_EQ(knownLink(map, "SendMessage "), "");
    EXPECT_TRUE(readApiLinks("fehlt.ini").empty());
    loadApiLinks();
    EXPECT_EQ(knownLink(apiLinkMap(), "SendMessage"), "Y");
    apiLinkMap().clear();
}

} // namespace
} // namespace codarium::library
