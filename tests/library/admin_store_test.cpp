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
