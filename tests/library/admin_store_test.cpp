#include "library/admin_store.h"
#include "library/api_links.h"
#include "library/list_file.h"
#include "library/store_paths.h"
#include "store_fixture.h"

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::library {
namespace {

using testing::readFile;
using testing::storeSnapshot;
using testing::writeFile;

class AdminStore : public testing::StoreTest {};

TEST_F(AdminStore, CreatedCategoriesAreSortedInWithFoldersAndAnEmptyCodeList) {
    addCategory("Dateien", {"lesen"});
    addCategory("Zeichnen", {});
    for (const char* name : {"Fenster", " Leerzeichen vorn"}) {
        const EditResult result = createCategory(name);
        EXPECT_TRUE(result.succeeded()) << name;
        EXPECT_TRUE(platform::directoryExists(categorySourceDirectory(name))) << name;
        EXPECT_TRUE(platform::directoryExists(categoryLinkDirectory(name))) << name;
        EXPECT_TRUE(platform::fileExists(codeListPath(name))) << name;
        EXPECT_EQ(readFile(codeListPath(name)), "") << name;
    }
    EXPECT_EQ(readFile(categoryListPath()),
              " Leerzeichen vorn\r\nDateien\r\nFenster\r\nZeichnen\r\n");
    EXPECT_EQ(readFile(codeListPath("Dateien")), "lesen\r\n");
    EXPECT_FALSE(platform::pathExists(categoryListTempPath()));
}

// A leftover code list of a category whose line was removed by hand comes
// back with it instead of being emptied.
TEST_F(AdminStore, ALeftoverCodeListIsKept) {
    writeFile(codeListPath("Fenster"), "alt\r\n");
    EXPECT_TRUE(createCategory("Fenster").succeeded());
    EXPECT_EQ(readFile(codeListPath("Fenster")), "alt\r\n");
    EXPECT_EQ(readFile(categoryListPath()), "Fenster\r\n");
}

TEST_F(AdminStore, AddedCodesKeepTheirTextExactlyAndTheirLinksInPairs) {
    addCategory("Fenster", {"Anzeigen", "Zeichnen"});
    const std::string source = "; Fenster \xF6"
                               "ffnen\r\nOpenWindow(0)\r\n  End";
    const std::vector<ApiLink> links = {{"CreateWindowEx", "https://example.invalid/cw"},
                                        {"ShowWindow", "https://example.invalid/sw"}};
    EXPECT_TRUE(addCode("Fenster", "Erzeugen", source, links).succeeded());
    EXPECT_EQ(readFile(sourcePath("Fenster", "Erzeugen")), source);
    EXPECT_EQ(readFile(linkFilePath("Fenster", "Erzeugen")),
              "CreateWindowEx\r\nhttps://example.invalid/cw\r\nShowWindow\r\n"
              "https://example.invalid/sw\r\n");
    EXPECT_EQ(readFile(codeListPath("Fenster")), "Anzeigen\r\nErzeugen\r\nZeichnen\r\n");

    EXPECT_TRUE(addCode("Fenster", " ohne Links", "x", {}).succeeded());
    EXPECT_EQ(readFile(linkFilePath("Fenster", " ohne Links")), "");
    EXPECT_EQ(readFile(sourcePath("Fenster", " ohne Links")), "x");
    EXPECT_EQ(readLines(codeListPath("Fenster")).front(), " ohne Links");
}

TEST_F(AdminStore, RemovingACodeKeepsTheOtherLinesInOrderAndTheFolders) {
    addCategory("Fenster", {"Zeichnen", "Anzeigen", "Memory", "Schliessen"});
    EXPECT_TRUE(removeCode("Fenster", "Anzeigen").succeeded());
    EXPECT_TRUE(removeCode("Fenster", "memory").complete); // no such code: nothing changes
    EXPECT_EQ(readFile(codeListPath("Fenster")), "Zeichnen\r\nMemory\r\nSchliessen\r\n");
    EXPECT_FALSE(platform::pathExists(sourcePath("Fenster", "Anzeigen")));
    EXPECT_FALSE(platform::pathExists(linkFilePath("Fenster", "Anzeigen")));
    EXPECT_TRUE(platform::fileExists(sourcePath("Fenster", "Memory")));
    EXPECT_TRUE(platform::directoryExists(categorySourceDirectory("Fenster")));
    EXPECT_TRUE(platform::directoryExists(categoryLinkDirectory("Fenster")));
}

TEST_F(AdminStore, RemovingACategoryTakesReadOnlyFilesAndLinksButNotTheirTargets) {
    addCategory("Dateien", {"lesen"});
    addCategory("Fenster", {"Anzeigen"});
    addCategory("Zeichnen", {});
    ASSERT_TRUE(platform::createDirectory("aussen"));
    writeFile("aussen/wichtig.pb", "bleibt");
    ::chmod(sourcePath("Fenster", "Anzeigen").c_str(), 0444);
    ASSERT_EQ(::symlink("../../aussen", "Codes/Fenster/Verweis"), 0);
    ASSERT_EQ(::symlink("../../aussen/wichtig.pb", "Einstellungen/Fenster/Datei.ini"), 0);

    EXPECT_TRUE(removeCategory("Fenster").succeeded());
    EXPECT_FALSE(platform::pathExists(categorySourceDirectory("Fenster")));
    EXPECT_FALSE(platform::pathExists(categoryLinkDirectory("Fenster")));
    EXPECT_FALSE(platform::pathExists(codeListPath("Fenster")));
    EXPECT_EQ(readFile(categoryListPath()), "Dateien\r\nZeichnen\r\n");
    EXPECT_EQ(readFile("aussen/wichtig.pb"), "bleibt");
    EXPECT_EQ(readFile(sourcePath("Dateien", "lesen")), "lesen");
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
