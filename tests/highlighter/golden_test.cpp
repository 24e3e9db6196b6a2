// Every data/*.pb has a data/*.styled beside it holding the expected classes.
// Run with CODARIUM_UPDATE_GOLDEN=1 to rewrite the .styled files after a
// deliberate change of the rules; review the diff before committing it.
#include "class_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace codarium::highlighter;
using namespace codarium::highlighter::testing;

namespace {

std::filesystem::path dataDir() {
    return std::filesystem::path(CODARIUM_SOURCE_DIR) / "tests" / "highlighter" / "data";
}

std::vector<std::filesystem::path> goldenSources() {
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir())) {
        if (entry.path().extension() == ".pb")
            sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    return sources;
}

bool updating() {
    const char* flag = std::getenv("CODARIUM_UPDATE_GOLDEN");
    return flag != nullptr && std::string(flag) == "1";
}

} // namespace

TEST(HighlighterGolden, EverySourceIsColouredAsItsStyledFileSays) {
    const auto sources = goldenSources();
    ASSERT_GE(sources.size(), 15u);
    for (const auto& source : sources) {
        SCOPED_TRACE(source.filename().string());
        const std::string text = readFile(source.string());
        ASSERT_FALSE(text.empty());
        ASSERT_EQ(text.find('\r'), std::string::npos) << "golden sources use LF line ends";
        const std::string actual = styledText(text, classMapOf(text));
        auto styledPath = source;
        styledPath.replace_extension(".styled");
        if (updating()) {
            ASSERT_TRUE(writeFile(styledPath.string(), actual));
            continue;
        }
        ASSERT_TRUE(std::filesystem::exists(styledPath))
            << "no " << styledPath.filename() << "; create it with CODARIUM_UPDATE_GOLDEN=1";
        EXPECT_EQ(actual, readFile(styledPath.string()));
    }
}

TEST(HighlighterGolden, CrLfLineEndsAndLineByLineColouringGiveTheSameClasses) {
    for (const auto& source : goldenSources()) {
        SCOPED_TRACE(source.filename().string());
        const std::string text = readFile(source.string());
        const auto whole = classMapOf(text);
        ASSERT_EQ(whole.size(), text.size());
        EXPECT_EQ(lineByLineClassMapOf(text), whole);

        const std::string crLf = withCrLf(text);
        const auto crLfWhole = classMapOf(crLf);
        ASSERT_EQ(crLfWhole.size(), crLf.size());
        for (std::size_t i = 0; i < crLf.size(); ++i) {
            if (crLf[i] == '\r') {
                EXPECT_EQ(crLfWhole[i], HighlightClass::NormalText) << "CR at " << i;
            }
        }
        EXPECT_EQ(withoutCrEntries(crLf, crLfWhole), whole);
        EXPECT_EQ(lineByLineClassMapOf(crLf), crLfWhole);
    }
}

TEST(HighlighterGolden, AnyStretchStartingAtALineStartIsColouredAsInTheWholeText) {
    // The view colours from the start of the first unstyled line to wherever
    // it needs; a stretch that ends at a line end must agree with the whole.
    for (const auto& source : goldenSources()) {
        SCOPED_TRACE(source.filename().string());
        const std::string text = readFile(source.string());
        const auto whole = classMapOf(text);
        std::vector<std::size_t> lineStarts{0};
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n')
                lineStarts.push_back(i + 1);
        }
        for (std::size_t k = 0; k < lineStarts.size(); k += 3) {
            const std::size_t start = lineStarts[k];
            const std::size_t end = lineStarts[std::min(k + 5, lineStarts.size() - 1)];
            const auto part = classMapOf(std::string_view(text).substr(start, end - start));
            ASSERT_EQ(part.size(), end - start);
            EXPECT_TRUE(
                std::equal(part.begin(), part.end(), whole.begin() + static_cast<long>(start)))
                << "lines from offset " << start;
        }
    }
}
