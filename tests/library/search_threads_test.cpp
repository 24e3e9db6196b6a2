// The search reads files on several threads; its rows must be those of a
// plain one-thread walk that applies the rules line by line, in the same
// order, however many threads share the work.
#include "library/search_core.h"
#include "platform/code_page.h"
#include "store_fixture.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::library {
namespace {

namespace fs = std::filesystem;
using testing::writeFile;

using Rows = std::vector<std::string>;

Rows rows(const std::vector<SearchResult>& results) {
    Rows out;
    for (const auto& r : results) {
        out.push_back(r.category + "|" + r.name);
    }
    return out;
}

bool lineHolds(std::string_view line, const std::string& lowNeedle) {
    return platform::lowerCased(line).find(lowNeedle) != std::string::npos;
}

// The walk the search stands for, written out the slow way: entries sorted,
// folders entered where they sort, each file opened and read line by line.
class ReferenceWalk {
public:
    ReferenceWalk(std::string root, std::string_view text)
        : root_(std::move(root)), needle_(platform::lowerCased(text)) {}

    Rows run() {
        folder(root_);
        return rows_;
    }

private:
    void folder(const std::string& path) {
        std::error_code ec;
        const auto canonical = fs::canonical(platform::nativeFormOf(path), ec);
        if (!ec && !visited_.insert(canonical.native()).second) {
            return;
        }
        std::vector<std::string> names;
        for (fs::directory_iterator it(platform::nativeFormOf(path), ec), end; !ec && it != end;
             it.increment(ec)) {
            names.push_back(platform::libraryFormOf(it->path().filename().native()));
        }
        std::sort(names.begin(), names.end(),
                  [](const std::string& a, const std::string& b) { return searchOrderLess(a, b); });
        for (const auto& name : names) {
            const std::string child = path + "/" + name;
            if (fs::is_directory(platform::nativeFormOf(child), ec)) {
                folder(child);
            } else if (name.size() > 3 && name.ends_with(".pb")) {
                file(path, name, child);
            }
        }
    }

    void file(const std::string& folder, const std::string& name, const std::string& path) {
        std::error_code ec;
        if (!fs::is_regular_file(platform::nativeFormOf(path), ec)) {
            return;
        }
        std::ifstream in(platform::nativeFormOf(path), std::ios::binary);
        if (!in) {
            return;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        bool found = lineHolds(name, needle_);
        std::size_t start = 0;
        for (std::size_t i = 0; i <= bytes.size(); ++i) {
            if (i == bytes.size() || bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '\0') {
                found =
                    found || lineHolds(std::string_view(bytes).substr(start, i - start), needle_);
                start = i + 1;
            }
        }
        if (found) {
            const std::string category =
                folder.size() > root_.size() ? folder.substr(root_.size() + 1) : "";
            rows_.push_back(category + "|" + name.substr(0, name.size() - 3));
        }
    }

    std::string root_;
    std::string needle_;
    std::set<std::string> visited_;
    Rows rows_;
};

Rows referenceRows(std::string_view text) {
    return ReferenceWalk("Codes", text).run();
}

// A library of nested folders with names of mixed case, sources that hold
// the search words in any case and at any place of a line, links to files
// and folders (one looping back), and files and a folder nobody may read.
class SearchThreads : public testing::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        std::mt19937 random(19);
        const std::vector<std::string> folders = {
            "Codes/Fenster",       "Codes/fenster",         "Codes/Netz",
            "Codes/Netz/tief",     "Codes/Netz/tief/unten", "Codes/Netz/Zwischen",
            "Codes/\xC4nderungen", "Codes/andere",          "Codes/Zeichen"};
        for (const auto& folder : folders) {
            ASSERT_TRUE(platform::createDirectoryPath(folder));
        }
        const std::vector<std::string> stems = {"Alpha",  "alpha", "ALPHA", "Beta", "b\xE4r",
                                                "B\xC4R", "Gamma", "zeta",  "Zeta", "Message"};
        const std::vector<std::string> words = {"needle",   "NEEDLE",   "NeEdLe",
                                                "\xC4rger", "\xE4rger", "haystack"};
        int n = 0;
        for (const auto& folder : folders) {
            for (const auto& stem : stems) {
                for (const char* ext : {".pb", ".PB", ".Pb", ".txt", ""}) {
                    if (random() % 3 == 0 && std::string_view(ext) != ".pb") {
                        continue;
                    }
                    std::string text;
                    const auto lines = random() % 40;
                    for (unsigned l = 0; l < lines; ++l) {
                        text += "line " + std::to_string(l);
                        if (random() % 23 == 0) {
                            text += " " + words[random() % words.size()] + " ";
                        }
                        static const char* ends[] = {"\r\n", "\n", "\r",
                                                     std::string_view("\0", 1).data()};
                        const auto end = random() % 4;
                        text.append(ends[end], end == 3 ? 1 : std::string_view(ends[end]).size());
                    }
                    writeFile(folder + "/" + stem + std::to_string(n++ % 7) + ext, text);
                }
            }
        }
        writeFile("Codes/Wurzel needle.pb", "");
        writeFile("Codes/gro\xDF.pb", "\xC4RGER");
        writeFile("Codes/Netz/leer.pb", "");
        // Links: to a file, to a folder elsewhere in the tree, back up to an
        // ancestor (a loop), and to nothing.
        ASSERT_EQ(::symlink("../Fenster/Alpha0.pb", "Codes/andere/Verweis.pb"), 0);
        ASSERT_EQ(::symlink("../Zeichen", "Codes/Netz/Zeichen"), 0);
        ASSERT_EQ(::symlink("../..", platform::nativeFormOf("Codes/Netz/tief/zur\xFC"
                                                            "ck")
                                         .c_str()),
                  0);
        ASSERT_EQ(::symlink("nirgends.pb", "Codes/andere/tot needle.pb"), 0);
        // Unreadable to anybody but root, for the runs without privileges.
        writeFile("Codes/Netz/gesperrt needle.pb", "needle");
        writeFile("Codes/fenster/Zu.pb", "needle");
        ASSERT_TRUE(platform::createDirectory("Codes/Netz/verschlossen"));
        writeFile("Codes/Netz/verschlossen/drin.pb", "needle");
        // Everything readable by others, so that the runs without privileges
        // meet only the locks set below.
        for (const auto& entry : fs::recursive_directory_iterator(".")) {
            if (!entry.is_symlink()) {
                ::chmod(entry.path().c_str(), entry.is_directory() ? 0755 : 0644);
            }
        }
        ::chmod(".", 0755);
        ::chmod("Codes/Netz/gesperrt needle.pb", 0);
        ::chmod("Codes/fenster/Zu.pb", 0);
        ::chmod("Codes/Netz/verschlossen", 0);
    }

    void TearDown() override {
        ::chmod("Codes/Netz/verschlossen", 0755);
        StoreTest::TearDown();
    }
};

const std::vector<std::string> kTexts = {"needle", "NEEDLE", "\xE4rger", "line 3",      ".pb",
                                         "1.pb",   "zeta",   "e",        "nothing here"};

TEST_F(SearchThreads, RowsAndOrderMatchAOneThreadWalkForAnyNumberOfThreads) {
    for (const auto& text : kTexts) {
        const Rows expected = referenceRows(text);
        for (const unsigned threads : {1u, 2u, 3u, 8u, 0u}) {
            EXPECT_EQ(rows(searchCodes("Codes", text, MatchLines::Collected, threads)), expected)
                << "text '" << text << "', " << threads << " threads";
        }
    }
    // Each row's tooltip line is the same whichever thread read its file.
    for (const auto& text : kTexts) {
        std::vector<std::string> oneThread, several;
        for (const auto& r : searchCodes("Codes", text, MatchLines::Collected, 1)) {
            oneThread.push_back(matchToolTip(r));
        }
        for (const auto& r : searchCodes("Codes", text, MatchLines::Collected, 3)) {
            several.push_back(matchToolTip(r));
        }
        EXPECT_EQ(several, oneThread) << "text '" << text << "'";
    }
    // The library does exercise the rules: many rows, several folders.
    EXPECT_GT(referenceRows("needle").size(), 10u);
    EXPECT_GT(referenceRows(".pb").size(), 80u);
}

TEST_F(SearchThreads, FilesAndFoldersThatCannotBeReadAreLeftOutAlike) {
    const auto same = testing::runWithoutPrivileges([] {
        for (const auto& text : kTexts) {
            const Rows expected = referenceRows(text);
            for (const unsigned threads : {1u, 2u, 8u}) {
                if (rows(searchCodes("Codes", text, MatchLines::Collected, threads)) != expected) {
                    return false;
                }
            }
        }
        // Without the right to read them, the locked files are missing.
        const Rows found = rows(searchCodes("Codes", "needle", MatchLines::Collected, 2));
        return std::find(found.begin(), found.end(), "Netz|gesperrt needle") == found.end() &&
               std::find(found.begin(), found.end(), "fenster|Zu") == found.end() &&
               std::find(found.begin(), found.end(), "Netz/verschlossen|drin") == found.end();
    });
    if (!same) {
        GTEST_SKIP() << "cannot drop privileges";
    }
    EXPECT_TRUE(*same);
}

TEST_F(SearchThreads, ALibraryOfOneFileOrNoneIsSearchedOnAnyNumberOfThreads) {
    ASSERT_TRUE(platform::createDirectory("Klein"));
    EXPECT_TRUE(searchCodes("Klein", "a", MatchLines::Collected, 4).empty());
    writeFile("Klein/eins.pb", "A");
    EXPECT_EQ(rows(searchCodes("Klein", "a", MatchLines::Collected, 4)), Rows{"|eins"});
    EXPECT_TRUE(searchCodes("fehlt", "a", MatchLines::Collected, 4).empty());
}

} // namespace
} // namespace codarium::library
