#include "library/search_core.h"
#include "library/search_matches.h"
#include "store_fixture.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace codarium::library {
namespace {

using testing::writeFile;

class SearchCore : public testing::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        for (const char* dir : {"Codes/Fenster", "Codes/netz", "Codes/Netz/tief", "Codes/Leer"}) {
            std::string path;
            for (std::string_view rest = dir; !rest.empty();) {
                const auto slash = rest.find('/');
                path += std::string(rest.substr(0, slash));
                platform::createDirectory(path);
                path += '/';
                rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
            }
        }
        writeFile("Codes/Fenster/SendMessage.pb", "; nichts weiter\r\n");
        writeFile("Codes/Fenster/Box.pb", "MESSAGEBOX_(0, \"Hallo\", \"\", 0)\r\n");
        writeFile("Codes/Fenster/Gross.PB", "message");
        writeFile("Codes/Fenster/Gemischt.Pb", "message");
        writeFile("Codes/Fenster/ohne", "message");
        writeFile("Codes/Fenster/message.txt", "message");
        writeFile("Codes/netz/Verbinden.pb", "socket = 0 ; kein Treffer\r\nMessage\r\n");
        writeFile("Codes/Netz/tief/Innen.pb", "line one\nmessage here\n");
        writeFile("Codes/Netz/Alpha.pb", std::string_view("a\0message after a zero byte", 27));
        writeFile("Codes/Wurzel.pb", "message");
    }

    static std::vector<std::string> rows(const std::vector<SearchResult>& results) {
        std::vector<std::string> out;
        for (const auto& r : results) {
            out.push_back(r.category + "|" + r.name);
        }
        return out;
    }
};

TEST_F(SearchCore, FindsNamesAndLinesInEveryFolderDepthFirstIgnoringCase) {
    // Entries of each folder alphabetically regardless of case: "Fenster",
    // "Leer", "netz" and "Netz" (tie broken by byte), "Wurzel.pb".
    EXPECT_EQ(rows(searchCodes("Codes", "message")),
              (std::vector<std::string>{"Fenster|Box", "Fenster|SendMessage", "Netz|Alpha",
                                        "Netz/tief|Innen", "netz|Verbinden", "|Wurzel"}));
    EXPECT_EQ(rows(searchCodes("Codes", "MESSAGEBOX")), (std::vector<std::string>{"Fenster|Box"}));
}

TEST_F(SearchCore, EachResultKnowsItsFirstMatchingLineFromTheSameScan) {
    writeFile("Codes/Leer/Zeilen.pb", "a\r\nb\rc\n\t  x = ZEILENtreffer(1) ; zeilentreffer\r\n");
    writeFile("Codes/Leer/Lang.pb", "\n" + std::string(300, 'y') + "zeilentreffer");
    const auto tips = [](const std::vector<SearchResult>& results) {
        std::vector<std::string> out;
        for (const auto& r : results) {
            out.push_back(r.name + " " + matchToolTip(r));
        }
        return out;
    };
    EXPECT_EQ(tips(searchCodes("Codes", "message")),
              (std::vector<std::string>{
                  "Box Zeile 1: MESSAGEBOX_(0, \"Hallo\", \"\", 0)", "SendMessage Name",
                  "Alpha Zeile 1: a message after a zero byte", "Innen Zeile 2: message here",
                  "Verbinden Zeile 2: Message", "Wurzel Zeile 1: message"}));
    const auto lines = searchCodes("Codes", "zeilentreffer");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].name, "Lang");
    EXPECT_EQ(lines[0].line, 2);
    EXPECT_EQ(lines[0].lineText, std::string(MatchLineLimit, 'y')) << "cut at the limit";
    EXPECT_EQ(matchToolTip(lines[1]), "Zeile 4: x = ZEILENtreffer(1) ; zeilentreffer")
        << "CR LF, CR and LF each end one line";
    for (const auto& r : searchCodes("Codes", "message", MatchLines::Skipped)) {
        EXPECT_EQ(r.line, 0) << r.name;
        EXPECT_EQ(matchToolTip(r), "Name");
    }
    EXPECT_EQ(rows(searchCodes("Codes", "message", MatchLines::Skipped)),
              rows(searchCodes("Codes", "message")));
}

TEST_F(SearchCore, OnlyTheLowerCasePbExtensionCounts) {
    // ".pb" itself is part of every listed name.
    const auto all = rows(searchCodes("Codes", ".pb"));
    EXPECT_EQ(all.size(), 6u);
    for (const auto& row : all) {
        EXPECT_EQ(row.find("Gross"), std::string::npos);
        EXPECT_EQ(row.find("Gemischt"), std::string::npos);
        EXPECT_EQ(row.find("ohne"), std::string::npos);
    }
}

TEST_F(SearchCore, TheTextIsUsedUntrimmed) {
    writeFile("Codes/Leer/Blank.pb", "word\r\nwordy\r\n");
    writeFile("Codes/Leer/Folgt.pb", "a word follows\r\n");
    EXPECT_EQ(rows(searchCodes("Codes", "word ")), (std::vector<std::string>{"Leer|Folgt"}));
    writeFile("Codes/Leer/word .pb", "");
    EXPECT_EQ(rows(searchCodes("Codes", "word ")),
              (std::vector<std::string>{"Leer|Folgt", "Leer|word "}));
    EXPECT_EQ(
        rows(searchCodes("Codes", " ")),
        (std::vector<std::string>{"Fenster|Box", "Fenster|SendMessage", "Leer|Folgt", "Leer|word ",
                                  "Netz|Alpha", "Netz/tief|Innen", "netz|Verbinden"}));
}

TEST_F(SearchCore, UmlautsFoldBothWays) {
    writeFile("Codes/Leer/\xC4nderung.pb", ""); // Änderung
    writeFile("Codes/Leer/Text.pb", "Gr\xFC\xDF"
                                    "e \xD6L\r\n"); // Grüße ÖL
    EXPECT_EQ(rows(searchCodes("Codes", "\xE4nder")),
              (std::vector<std::string>{"Leer|\xC4nderung"}));
    EXPECT_EQ(rows(searchCodes("Codes", "GR\xDC\xDF")), (std::vector<std::string>{"Leer|Text"}));
    EXPECT_EQ(rows(searchCodes("Codes", "\xF6l")), (std::vector<std::string>{"Leer|Text"}));
}

TEST_F(SearchCore, EachFileOnceUnreadableFilesAndMissingFoldersLeftOut) {
    writeFile("Codes/Leer/oft.pb", "oft oft\r\noft\r\n");
    EXPECT_EQ(rows(searchCodes("Codes", "oft")), (std::vector<std::string>{"Leer|oft"}));
    EXPECT_EQ(rows(searchCodes("fehlt", "a")), std::vector<std::string>{});
    // A line break can never be found inside a line.
    EXPECT_EQ(rows(searchCodes("Codes", "one\nmessage")), std::vector<std::string>{});
    // A folder that lists itself through a link is searched once.
    ASSERT_EQ(::symlink("..", "Codes/Leer/zurueck"), 0);
    EXPECT_EQ(rows(searchCodes("Codes", "oft")), (std::vector<std::string>{"Leer|oft"}));
}

TEST_F(SearchCore, AFileThatCannotBeOpenedIsNotListedEvenByName) {
    writeFile("Codes/Leer/gesperrt.pb", "gesperrt");
    ::chmod(".", 0755);
    ::chmod("Codes", 0755);
    ::chmod("Codes/Leer", 0755);
    ::chmod("Codes/Leer/gesperrt.pb", 0);
    const auto found =
        testing::runWithoutPrivileges([] { return searchCodes("Codes", "gesperrt").empty(); });
    if (!found) {
        GTEST_SKIP() << "cannot drop privileges";
    }
    EXPECT_TRUE(*found);
}

TEST_F(SearchCore, AFifoOrDeviceNamedLikeACodeIsSkippedWithoutWaiting) {
    ASSERT_EQ(::mkfifo("Codes/Leer/Rohr message.pb", 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", "Codes/Leer/Null message.pb"), 0);
    // In a child bounded by an alarm: a blocking open would hang for good.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(10);
        const auto found = rows(searchCodes("Codes", "message"));
        const bool expected = found == std::vector<std::string>{
                                           "Fenster|Box",     "Fenster|SendMessage", "Netz|Alpha",
                                           "Netz/tief|Innen", "netz|Verbinden",      "|Wurzel"};
        ::_exit(expected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the search waited on the FIFO";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a FIFO or device was listed";
}

TEST(SearchMatches, MarksEveryOccurrenceIgnoringCase) {
    const auto m = findMatches("SendMessage(hWnd, #WM_MESSAGE)\r\nmessage", "message");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].start, 4u);
    EXPECT_EQ(m[1].start, 22u);
    EXPECT_EQ(m[2].start, 32u);
    EXPECT_EQ(m[2].length, 7u);
    EXPECT_EQ(findMatches("aaa", "aa").size(), 2u);
    EXPECT_TRUE(findMatches("abc", "").empty());
    // In UTF-8 text the ranges are UTF-8 bytes: "Grüße" has ü in two bytes.
    const auto u = findMatchesInUtf8("Gr\xC3\xBC\xC3\x9F"
                                     "e \xC3\x9C"
                                     "B",
                                     "\xFC\xDF");
    ASSERT_EQ(u.size(), 1u);
    EXPECT_EQ(u[0].start, 2u);
    EXPECT_EQ(u[0].length, 4u);
    const auto v = findMatchesInUtf8("\xE2\x82\xAC \xC3\x9C"
                                     "b",
                                     "\xFC"
                                     "B");
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].start, 4u);
    EXPECT_EQ(v[0].length, 3u);
}

} // namespace
} // namespace codarium::library
