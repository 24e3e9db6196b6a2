#include "library/list_file.h"
#include "library/store_paths.h"
#include "store_fixture.h"

#include <vector>

namespace codarium::library {
namespace {

using testing::readFile;
using testing::writeFile;
using Lines = std::vector<std::string>;

class ListFile : public testing::StoreTest {};

TEST(StorePaths, NamesAreUsedVerbatimInTheFileSystemsForm) {
    EXPECT_EQ(categoryListPath(), "Einstellungen/Kategorien.ini");
    EXPECT_EQ(categoryListTempPath(), "Einstellungen/Kategorien.tmp");
    EXPECT_EQ(codeListPath(" Fenster"), "Einstellungen/ Fenster.ini");
    // Library names are Windows-1252; the paths are the file system's UTF-8.
    EXPECT_EQ(codeListTempPath("\xC4pfel"), "Einstellungen/\xC3\x84pfel.tmp");
    EXPECT_EQ(codeListPath("\x80"), "Einstellungen/\xE2\x82\xAC.ini");
    EXPECT_EQ(sourcePath("Gr\xFC\xDF"
                         "e",
                         "\xC4ndern"),
              "Codes/Gr\xC3\xBC\xC3\x9F"
              "e/\xC3\x84ndern.pb");
    EXPECT_EQ(linkFilePath("\xC4", "\x9F"), "Einstellungen/\xC3\x84/\xC5\xB8.ini");
    EXPECT_EQ(categorySourceDirectory("\xC4"), "Codes/\xC3\x84");
    EXPECT_EQ(categoryLinkDirectory("\xC4"), "Einstellungen/\xC3\x84");
    EXPECT_EQ(sourcePath("Fenster", "Neu.x"), "Codes/Fenster/Neu.x.pb");
    EXPECT_EQ(linkFilePath("Fenster", "Neu"), "Einstellungen/Fenster/Neu.ini");
    EXPECT_EQ(listTempPathFor("Einstellungen/A.ini"), "Einstellungen/A.tmp");
    EXPECT_EQ(listTempPathFor("liste"), "liste.tmp");
}

TEST_F(ListFile, EveryLineEndReadsAlikeAndEveryLineIsAnEntry) {
    writeFile("crlf", "a\r\n\r\nb\r\n");
    writeFile("lf", "a\n\nb\n");
    writeFile("mixed", "a\r\n\nb");
    EXPECT_EQ(readLines("crlf"), (Lines{"a", "", "b"}));
    EXPECT_EQ(readLines("lf"), (Lines{"a", "", "b"}));
    EXPECT_EQ(readLines("mixed"), (Lines{"a", "", "b"}));
    writeFile("empty", "");
    EXPECT_EQ(readLines("empty"), Lines{});
    EXPECT_EQ(readLines("missing"), Lines{});
    EXPECT_FALSE(readLinesIfOpened("missing"));
    ASSERT_TRUE(readLinesIfOpened("empty"));
}

TEST_F(ListFile, AppendCreatesEndsAndNeverJoins) {
    ASSERT_TRUE(appendLine("new.ini", "Fenster"));
    EXPECT_EQ(readFile("new.ini"), "Fenster\r\n");
    ASSERT_TRUE(appendLine("new.ini", ""));
    ASSERT_TRUE(appendLine("new.ini", "\xC4pfel"));
    EXPECT_EQ(readFile("new.ini"), "Fenster\r\n\r\n\xC4pfel\r\n");

    // Hand-edited: LF line ends stay, a last line without its end gets one.
    writeFile("hand.ini", "a\nb");
    ASSERT_TRUE(appendLine("hand.ini", "c"));
    EXPECT_EQ(readFile("hand.ini"), "a\nb\r\nc\r\n");
    EXPECT_EQ(readLines("hand.ini"), (Lines{"a", "b", "c"}));

    EXPECT_FALSE(appendLine("hand.ini", "two\r\nlines"));
    EXPECT_FALSE(appendLine("hand.ini", "x\n"));
    EXPECT_EQ(readFile("hand.ini"), "a\nb\r\nc\r\n");

    EXPECT_FALSE(appendLine("no-such-folder/x.ini", "a"));
}

TEST_F(ListFile, AppendAfterEachKindOfLastLineEndAddsExactlyOneEntry) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view before;
        Lines after;
    };
    const Case cases[] = {
        {"a\r\n"sv, {"a", "b"}},     {"a\n"sv, {"a", "b"}},         {"a\r"sv, {"a", "b"}},
        {"a\0"sv, {"a", "b"}},       {"a"sv, {"a", "b"}},           {"\0"sv, {"", "b"}},
        {"a\0\0"sv, {"a", "", "b"}}, {"x\0y\0"sv, {"x", "y", "b"}},
    };
    for (const Case& c : cases) {
        writeFile("z.ini", c.before);
        ASSERT_TRUE(appendLine("z.ini", "b"));
        EXPECT_EQ(readLines("z.ini"), c.after) << ::testing::PrintToString(std::string(c.before));
        ASSERT_TRUE(appendLine("z.ini", "c"));
        Lines more = c.after;
        more.push_back("c");
        EXPECT_EQ(readLines("z.ini"), more) << ::testing::PrintToString(std::string(c.before));
    }
    // A zero byte would split the new entry when read back.
    EXPECT_FALSE(appendLine("z.ini", std::string_view("d\0e", 3)));
}

TEST_F(ListFile, RewriteDropsEveryEqualLineAndKeepsTheOrder) {
    writeFile("l.ini", "b\r\nmemory\r\na\r\nMemory\r\nmemory\r\n\r\nc\r\n");
    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", "memory"));
    EXPECT_EQ(readFile("l.ini"), "b\r\na\r\nMemory\r\n\r\nc\r\n");
    EXPECT_EQ(testing::entryNames("."), (Lines{"Codes", "Einstellungen", "l.ini"}));

    // Nothing to drop: the same bytes again.
    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", "zz"));
    EXPECT_EQ(readFile("l.ini"), "b\r\na\r\nMemory\r\n\r\nc\r\n");

    // The empty entry is a line like any other.
    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", ""));
    EXPECT_EQ(readFile("l.ini"), "b\r\na\r\nMemory\r\nc\r\n");

    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", "b"));
    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", "a"));
    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", "Memory"));
    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", "c"));
    EXPECT_EQ(readFile("l.ini"), "");
    EXPECT_TRUE(platform::fileExists("l.ini"));
}

TEST_F(ListFile, RewriteOfAHandEditedListWritesCrLfAndIgnoresAnOldTemporaryFile) {
    writeFile("l.ini", "x\ny\nx");
    writeFile("l.tmp", "left over from an interrupted run\r\n");
    ASSERT_TRUE(rewriteWithoutLine("l.ini", "l.tmp", "x"));
    EXPECT_EQ(readFile("l.ini"), "y\r\n");
    // The new temporary file had a name of its own and is gone; the old one
    // is nobody's business here.
    EXPECT_EQ(testing::entryNames("."), (Lines{"Codes", "Einstellungen", "l.ini", "l.tmp"}));
    EXPECT_EQ(readFile("l.tmp"), "left over from an interrupted run\r\n");
}

TEST_F(ListFile, SortFoldsOnlyAsciiLettersAndIsStable) {
    writeFile("s.ini", "beta\r\nAlpha\r\nalpha\r\n");
    ASSERT_TRUE(sortListFile("s.ini"));
    EXPECT_EQ(readFile("s.ini"), "Alpha\r\nalpha\r\nbeta\r\n");

    writeFile("s.ini", "zeta\r\n\xC4pfel\r\n");
    ASSERT_TRUE(sortListFile("s.ini"));
    EXPECT_EQ(readFile("s.ini"), "zeta\r\n\xC4pfel\r\n");

    writeFile("s.ini", "aa\r\na_b\r\n");
    ASSERT_TRUE(sortListFile("s.ini"));
    EXPECT_EQ(readFile("s.ini"), "a_b\r\naa\r\n");

    // Prefixes first, empty lines at the top, duplicates kept in their order.
    writeFile("s.ini", "ab\nB\n\na\nb\nA\n");
    ASSERT_TRUE(sortListFile("s.ini"));
    EXPECT_EQ(readFile("s.ini"), "\r\na\r\nA\r\nab\r\nB\r\nb\r\n");
    EXPECT_EQ(testing::entryNames("."), (Lines{"Codes", "Einstellungen", "s.ini"}));
}

TEST_F(ListFile, SortOfAMissingListLeavesAnEmptyOne) {
    ASSERT_TRUE(sortListFile("Einstellungen/neu.ini"));
    EXPECT_TRUE(platform::fileExists("Einstellungen/neu.ini"));
    EXPECT_EQ(readFile("Einstellungen/neu.ini"), "");
}

TEST_F(ListFile, AppendThenSortAsAnAdditionDoes) {
    const std::string list = categoryListPath();
    for (const char* name : {"Fenster", "\xC4nderungen", "dateien", "Dateien", "Fenster"}) {
        ASSERT_TRUE(appendLine(list, name));
        ASSERT_TRUE(sortListFile(list));
    }
    EXPECT_EQ(readFile(list), "dateien\r\nDateien\r\nFenster\r\nFenster\r\n\xC4nderungen\r\n");
    ASSERT_TRUE(rewriteWithoutLine(list, categoryListTempPath(), "Fenster"));
    EXPECT_EQ(readFile(list), "dateien\r\nDateien\r\n\xC4nderungen\r\n");
}

TEST(ListOrder, ComparesUnsignedBytesAfterFoldingAToZ) {
    EXPECT_TRUE(listOrderLess("a", "B"));
    EXPECT_TRUE(listOrderLess("Z", "\xE4"));    // z (122) below a-umlaut (228)
    EXPECT_TRUE(listOrderLess("[", "A"));       // 91 below 97: capitals compare as a-z
    EXPECT_TRUE(listOrderLess("\xC4", "\xE4")); // umlauts are not folded
    EXPECT_FALSE(listOrderLess("\xE4", "\xC4"));
    EXPECT_FALSE(listOrderLess("abc", "ABC"));
    EXPECT_FALSE(listOrderLess("ABC", "abc"));
    EXPECT_TRUE(listOrderLess("ab", "abc"));
}

} // namespace
} // namespace codarium::library
