// The built plug-in, loaded by path as the code view loads it.
#include "callback_recorder.h"
#include "class_map.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <string>

using namespace codarium::highlighter;
using namespace codarium::highlighter::testing;

namespace {

const std::string pluginPath = std::string(CODARIUM_PROGRAM_DIR) + "/SyntaxHilighting.so";

struct LibraryCloser {
    void operator()(void* handle) const { dlclose(handle); }
};
using Library = std::unique_ptr<void, LibraryCloser>;

std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[256];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

} // namespace

TEST(HighlighterPlugin, LoadsByPathAndColoursLikeTheLexer) {
    Library library(dlopen(pluginPath.c_str(), RTLD_NOW | RTLD_LOCAL));
    ASSERT_NE(library, nullptr) << dlerror();
    auto highlight =
        reinterpret_cast<SyntaxHighlightFunction>(dlsym(library.get(), "SyntaxHighlight"));
    ASSERT_NE(highlight, nullptr);

    const std::string text =
        readFile(std::string(CODARIUM_SOURCE_DIR) + "/tests/highlighter/data/window_example.pb");
    ASSERT_FALSE(text.empty());
    const auto record = recordHighlight(highlight, text.data(), static_cast<int>(text.size()));
    EXPECT_TRUE(record.violations.empty());
    ASSERT_EQ(coveredBytes(record), text.size());
    std::vector<HighlightClass> classes;
    for (const auto& run : record.runs)
        classes.insert(classes.end(), static_cast<std::size_t>(run.length),
                       static_cast<HighlightClass>(run.colour));
    EXPECT_EQ(classes, classMapOf(text));

    // A callback that throws inside the plug-in does not take the test down.
    const auto thrown =
        recordHighlight(highlight, text.data(), static_cast<int>(text.size()), 0, 0);
    EXPECT_EQ(thrown.runs.size(), 1u);
    EXPECT_TRUE(recordHighlight(highlight, text.data(), 0).runs.empty());
}

TEST(HighlighterPlugin, ExportsOnlySyntaxHighlight) {
    const std::string symbols = commandOutput("nm -D --defined-only '" + pluginPath + "' 2>&1");
    ASSERT_NE(symbols.find("SyntaxHighlight"), std::string::npos) << symbols;
    std::size_t exported = 0;
    std::size_t start = 0;
    while (start < symbols.size()) {
        std::size_t end = symbols.find('\n', start);
        if (end == std::string::npos)
            end = symbols.size();
        if (end > start) {
            ++exported;
            EXPECT_NE(symbols.substr(start, end - start).find(" SyntaxHighlight"),
                      std::string::npos)
                << symbols.substr(start, end - start);
        }
        start = end + 1;
    }
    EXPECT_EQ(exported, 1u);
}
