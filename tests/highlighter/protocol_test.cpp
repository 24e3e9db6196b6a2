// The callback protocol of the entry point, as the code view relies on it.
#include "callback_recorder.h"
#include "class_map.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

using namespace codarium::highlighter;
using namespace codarium::highlighter::testing;

namespace {

void coreEntry(const char* text, int length, SyntaxHighlightCallback callback, int) {
    syntaxHighlight(text, length, callback);
}

// A heap copy without a terminating zero, so that reading past `length` is
// caught by the address sanitizer.
std::unique_ptr<char[]> exactCopy(std::string_view text) {
    auto copy = std::make_unique<char[]>(text.size() == 0 ? 1 : text.size());
    std::memcpy(copy.get(), text.data(), text.size());
    return copy;
}

std::vector<int> classesOf(const CallbackRecord& record) {
    std::vector<int> classes;
    for (const auto& run : record.runs)
        classes.insert(classes.end(), static_cast<std::size_t>(run.length), run.colour);
    return classes;
}

const char* const trickyTexts[] = {
    "If",
    "\n",
    "\r\n\r\n",
    "\"unterminated",
    "~\"ends in a backslash \\",
    "~\"\\",
    "*",
    "#",
    "$",
    "%",
    "Label:",
    "x.",
    "x.Mod::",
    "!",
    "mov",
    "ret",
    "a$.s",
    "1e",
    "1.5e+",
    ".5",
    "\\",
    "OpenWindow",
    "SendMessage_",
    "\xE4\xF6\xFC = \"\xDF\"",
};

} // namespace

TEST(HighlighterProtocol, RunsAreContiguousInsideTheTextWithValidClasses) {
    std::vector<std::string> texts(std::begin(trickyTexts), std::end(trickyTexts));
    const auto data = std::filesystem::path(CODARIUM_SOURCE_DIR) / "tests/highlighter/data";
    for (const auto& entry : std::filesystem::directory_iterator(data)) {
        if (entry.path().extension() == ".pb")
            texts.push_back(readFile(entry.path().string()));
    }
    for (const auto& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        const auto copy = exactCopy(text);
        const auto record = recordHighlight(&coreEntry, copy.get(), static_cast<int>(text.size()));
        EXPECT_TRUE(record.violations.empty()) << record.violations.front();
        EXPECT_EQ(coveredBytes(record), text.size());
        for (std::size_t i = 1; i < record.runs.size(); ++i)
            EXPECT_NE(record.runs[i].colour, record.runs[i - 1].colour) << "unjoined runs";
    }
}

TEST(HighlighterProtocol, NothingToColourMeansNoCall) {
    const char text[] = "If x : EndIf";
    EXPECT_TRUE(recordHighlight(&coreEntry, text, 0).runs.empty());
    EXPECT_TRUE(recordHighlight(&coreEntry, text, -5).runs.empty());
    EXPECT_TRUE(recordHighlight(&coreEntry, nullptr, 12).runs.empty());
    syntaxHighlight(text, 12, nullptr); // no callback: returns without a call
}

TEST(HighlighterProtocol, OnlyTheGivenLengthIsReadAndColoured) {
    // The view passes a copy of a stretch that may end mid-line.
    const std::string_view text = "OpenWindow(0, 0, 0, 10, 10, \"T\")";
    const auto copy = exactCopy(text.substr(0, 10));
    const auto record = recordHighlight(&coreEntry, copy.get(), 10);
    ASSERT_EQ(record.runs.size(), 1u);
    EXPECT_EQ(record.runs[0].length, 10);
    EXPECT_EQ(record.runs[0].colour, 0) << "no '(' follows within the stretch";

    const auto full = exactCopy(text);
    const auto whole = recordHighlight(&coreEntry, full.get(), static_cast<int>(text.size()));
    ASSERT_FALSE(whole.runs.empty());
    EXPECT_EQ(whole.runs[0].colour, classNumber(HighlightClass::PureKeyword));
}

TEST(HighlighterProtocol, ZeroBytesArePlainCharactersNotTheEnd) {
    const std::string text("x = 1\0; still comment\0\nIf\0", 26);
    const auto copy = exactCopy(text);
    const auto record = recordHighlight(&coreEntry, copy.get(), static_cast<int>(text.size()));
    EXPECT_TRUE(record.violations.empty());
    ASSERT_EQ(coveredBytes(record), text.size());
    const auto classes = classesOf(record);
    EXPECT_EQ(classes[5], 0);                                          // the first zero byte
    EXPECT_EQ(classes[6], classNumber(HighlightClass::Comment));       // ';' after it
    EXPECT_EQ(classes[21], classNumber(HighlightClass::Comment));      // zero inside the comment
    EXPECT_EQ(classes[23], classNumber(HighlightClass::BasicKeyword)); // "If" on the next line
    EXPECT_EQ(classes[25], 0);                                         // the last byte
}

TEST(HighlighterProtocol, TheCallbacksResultDoesNotStopTheRuns) {
    const char text[] = "If a = 1 : Debug \"one\" : EndIf";
    const auto zero = recordHighlight(&coreEntry, text, sizeof text - 1, 0);
    const auto nonZero = recordHighlight(&coreEntry, text, sizeof text - 1, 1);
    EXPECT_EQ(classesOf(zero), classesOf(nonZero));
    EXPECT_EQ(coveredBytes(nonZero), sizeof text - 1);
}

TEST(HighlighterProtocol, AThrowingCallbackEndsThePassWithoutTheExceptionEscaping) {
    const char text[] = "If a = 1 : Debug \"one\" : EndIf";
    const auto record = recordHighlight(&coreEntry, text, sizeof text - 1, 0, 2);
    EXPECT_EQ(record.runs.size(), 3u) << "no call after the throwing one";
    EXPECT_TRUE(record.violations.empty());
}

TEST(HighlighterProtocol, LongTextsAreColouredCompletely) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text +=
            "Protected *p.RECT = AllocateMemory(SizeOf(RECT)) ; line " + std::to_string(i) + "\r\n";
    const auto record = recordHighlight(&coreEntry, text.data(), static_cast<int>(text.size()));
    EXPECT_TRUE(record.violations.empty());
    EXPECT_EQ(coveredBytes(record), text.size());
    EXPECT_EQ(classesOf(record).size(), classMapOf(text).size());
}
