#include "library/library_contents.h"
#include "library/link_file.h"
#include "library/store_paths.h"
#include "store_fixture.h"

namespace codarium::library {
namespace {

using testing::writeFile;

class LibraryContentsTest : public testing::StoreTest {};

std::vector<std::string> texts(const LibraryContents& contents) {
    std::vector<std::string> out;
    for (const auto& item : contents.items) {
        out.push_back(std::to_string(item.level) + ":" + std::string(item.text));
    }
    return out;
}

TEST_F(LibraryContentsTest, CategoriesInListOrderEachFollowedByItsCodes) {
    addCategory("Fenster", {"Neu", "Alt", "Mitte"});
    addCategory("Leer", {});
    const auto contents = readLibraryContents();
    EXPECT_EQ(texts(contents),
              (std::vector<std::string>{"0:Fenster", "1:Neu", "1:Alt", "1:Mitte", "0:Leer"}));
    EXPECT_EQ(contents.categories, 2);
    EXPECT_EQ(contents.codes, 3);
    EXPECT_EQ(libraryStatusText(contents.categories, contents.codes), "2 Kategorien, 3 Codes");
    EXPECT_EQ(libraryStatusText(1, 1), "1 Kategorien, 1 Codes");
}

TEST_F(LibraryContentsTest, MissingListsEmptyAndDuplicateLines) {
    writeFile(categoryListPath(), "");
    EXPECT_EQ(texts(readLibraryContents()), std::vector<std::string>{});
    EXPECT_EQ(libraryStatusText(0, 0), "0 Kategorien, 0 Codes");

    ASSERT_TRUE(platform::removeFile(categoryListPath()));
    const auto none = readLibraryContents();
    EXPECT_EQ(none.categories, 0);
    EXPECT_EQ(none.codes, 0);

    // A hand-edited list: an empty line, a duplicate, a category without a
    // code list, LF line ends.
    // The empty category is listed, but ".ini" is no code list of its own.
    writeFile(categoryListPath(), "A\n\nA\nohne Liste\n");
    writeFile(codeListPath("A"), "x\n\nx\n");
    writeFile(codeListPath(""), "leer\n");
    const auto contents = readLibraryContents();
    EXPECT_EQ(texts(contents), (std::vector<std::string>{"0:A", "1:x", "1:", "1:x", "0:", "0:A",
                                                         "1:x", "1:", "1:x", "0:ohne Liste"}));
    EXPECT_EQ(contents.categories, 4);
    EXPECT_EQ(contents.codes, 6);
}

TEST_F(LibraryContentsTest, ACategoryTheNameCheckRefusesIsListedWithoutOpeningAList) {
    // Each of these would read some other file as its code list: one outside
    // Einstellungen/, a link file, the category list itself.
    addCategory("Fenster", {"Neu"});
    writeFile(categoryListPath(), "Fenster\r\n..\r\nFenster/Neu\r\nKATEGORIEN\r\nCON\r\n");
    writeFile(codeListPath(".."), "Outside\r\n");
    writeFile(linkFilePath("Fenster", "Neu"), "SendMessage\r\n");
    writeFile(codeListPath("CON"), "Drucker\r\n");
    const auto contents = readLibraryContents();
    EXPECT_EQ(texts(contents),
              (std::vector<std::string>{"0:Fenster", "1:Neu", "0:..", "0:Fenster/Neu",
                                        "0:KATEGORIEN", "0:CON"}));
    EXPECT_EQ(contents.categories, 5);
    EXPECT_EQ(contents.codes, 1);
}

std::string linkLines(int links) {
    std::string out;
    for (int i = 1; i <= links; ++i) {
        out +=
            "Befehl" + std::to_string(i) + "\r\nhttps://doku.example/" + std::to_string(i) + "\r\n";
    }
    return out;
}

TEST_F(LibraryContentsTest, LinkFilesGiveNamesAndTheAddressAfterEach) {
    writeFile("vier.ini", "SendMessage\r\nhttps://a\r\nPostMessage\r\nhttps://b\r\n");
    EXPECT_EQ(linkNames("vier.ini"), (std::vector<std::string>{"SendMessage", "PostMessage"}));
    EXPECT_EQ(linkAddress("vier.ini", 101), "https://b");
    EXPECT_EQ(linkAddress("vier.ini", 100), "https://a");
    EXPECT_EQ(linkAddress("vier.ini", 102), std::nullopt);
    EXPECT_EQ(linkNames("fehlt.ini"), std::vector<std::string>{});
    EXPECT_EQ(linkAddress("fehlt.ini", 100), std::nullopt);

    // A name on the last line has no address.
    writeFile("ungerade.ini", "A\r\nhttps://a\r\nB\r\n");
    EXPECT_EQ(linkNames("ungerade.ini").size(), 2u);
    EXPECT_EQ(linkAddress("ungerade.ini", 101), std::nullopt);
}

TEST_F(LibraryContentsTest, ThirtyOneLinksOpenTheThirtySecondIsOnlyListed) {
    writeFile("31.ini", linkLines(31));
    for (int k = 0; k < 31; ++k) {
        EXPECT_EQ(linkAddress("31.ini", FirstLinkCommand + k),
                  "https://doku.example/" + std::to_string(k + 1));
    }
    writeFile("32.ini", linkLines(32));
    EXPECT_EQ(linkNames("32.ini").size(), 32u);
    EXPECT_EQ(linkNames("32.ini").back(), "Befehl32");
    EXPECT_EQ(linkAddress("32.ini", 130), "https://doku.example/31");
    EXPECT_EQ(linkAddress("32.ini", 131), std::nullopt);
    EXPECT_EQ(linkAddress("32.ini", 99), std::nullopt);
}

} // namespace
} // namespace codarium::library
