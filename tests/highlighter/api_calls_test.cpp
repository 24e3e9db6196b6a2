// The calls a code makes of the system's API, by the highlighter's rules.
#include "highlighter/api_calls.h"

#include "highlighter/pure_basic_lexer.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace codarium::highlighter {
namespace {

using Names = std::vector<std::string>;

TEST(ApiCalls, AreTheCallsOutsideStringsCommentsAndAssembler) {
    const struct {
        const char* name;
        std::string code;
        Names calls;
    } cases[] = {
        {"one call", "SendMessage_(hWnd, #WM_CLOSE, 0, 0)", {"SendMessage"}},
        {"blanks before the bracket", "Beep_ (440, 100)", {"Beep"}},
        {"any of the lexer's blanks", "x = Beep_\f(1) : Sleep_\v\t(2)", {"Beep", "Sleep"}},
        {"no bracket: not a call", "a = GetTickCount_\r\n*p = @Sleep_", {}},
        {"in a string", "Debug \"SendMessage_(0)\"", {}},
        {"in an escaped string", "Debug ~\"x\\\" Beep_(1)\"", {}},
        {"in a character value", "c = 'Beep_('", {}},
        {"in a comment", "; SendMessage_(hWnd)\r\nx = 1 ; Beep_(1, 2)", {}},
        {"after a ';' comment ends with the line",
         "x = 1 ; Beep_(1)\r\nMessageBeep_(0)",
         {"MessageBeep"}},
        {"assembler line", "! call GetTickCount_(\r\nSleep_(1)", {"Sleep"}},
        {"nested calls in order of first use",
         "SetWindowLongPtr_(w, #GWL_EXSTYLE, GetWindowLongPtr_(w, #GWL_EXSTYLE) | 1)\r\n"
         "GetWindowLongPtr_(w, 0)",
         {"SetWindowLongPtr", "GetWindowLongPtr"}},
        {"same function in another case: first spelling",
         "sendmessage_(0, 0, 0, 0)\r\nSendMessage_(0, 0, 0, 0)",
         {"sendmessage"}},
        {"A and W variants stay as written",
         "MessageBoxA_(0, t, c, 0) : MessageBoxW_(0, t, c, 0)",
         {"MessageBoxA", "MessageBoxW"}},
        {"PureBasic's own commands are not the system's",
         "OpenWindow(0, 0, 0, 100, 100, \"\") : CreateFile_(f, 0, 0, 0, 0, 0, 0)",
         {"CreateFile"}},
        {"a field, a type and a label of that shape",
         "x\\Beep_(1)\r\nDefine r.RECT_\r\nLabel_:\r\n",
         {}},
        {"a lone underscore is no name", "_(1)", {}},
        {"a call at the very end of the text", "x = 1 : Sleep_(", {"Sleep"}},
        {"CR LF and LF line ends alike", "Beep_(1)\nSleep_(2)\r\nBeep_(3)", {"Beep", "Sleep"}},
        // What comes before a name on its line decides; some lines tell at a
        // glance, the others are read token by token. Both must agree.
        {"opening an indented line", "  \t Beep_(1)", {"Beep"}},
        {"after '=', '(' and ','",
         "x.l = Max(a, Beep_(1), Sleep_(2)) : y = GetDC_(0)",
         {"Beep", "Sleep", "GetDC"}},
        {"after another operator", "x = 1 + Beep_(1) - Sleep_(2)", {"Beep", "Sleep"}},
        {"after a string earlier on the line", "a$ = \"=\" : b = Beep_(1)", {"Beep"}},
        {"after a '=' in a string", "Debug \"= Beep_(1)\" + \"=\" : x = Sleep_(1)", {"Sleep"}},
        {"after a '=' in a comment", "x = 1 ; y = Beep_(1)", {}},
        {"after a '=' on an assembler line", "  ! x = Beep_(1)", {}},
        {"a field after '(' and '\\'", "x = (s\\Beep_(1))", {}},
        {"after a keyword that names a type", "Structure Beep_(\r\nExtends Sleep_(", {}},
        {"after a byte beyond ASCII", "\xE9 = Beep_(1) : \xE9Sleep_(2)", {"Beep", "Sleep"}},
        {"right after a number", "x = 9Beep_(1)", {"Beep"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(apiCallsOf(c.code), c.calls) << c.name;
    }
}

TEST(ApiCalls, SitesLocateTheNameAndTheCallAtACaret) {
    const std::string code = "x = GetDC_(0) : Sleep_ (1) ; Beep_(1)";
    const auto sites = apiCallSites(code);
    ASSERT_EQ(sites.size(), 2u);
    EXPECT_EQ(code.substr(sites[0].offset, sites[0].length), "GetDC_");
    EXPECT_EQ(apiFunctionName(code, sites[1]), "Sleep");

    const std::size_t getDc = code.find("GetDC_");
    const std::size_t sleep = code.find("Sleep_");
    const struct {
        std::size_t position;
        const ApiCallSite* expected;
    } carets[] = {
        {0, nullptr},
        {getDc, &sites[0]},            // before its first letter
        {getDc + 3, &sites[0]},        // inside
        {getDc + 6, &sites[0]},        // right after the '_'
        {getDc + 7, nullptr},          // inside the brackets
        {sleep + 5, &sites[1]},        // on the '_'
        {code.find("Beep_"), nullptr}, // in the comment
        {code.size(), nullptr},
    };
    for (const auto& caret : carets) {
        EXPECT_EQ(apiCallAt(sites, caret.position), caret.expected) << caret.position;
    }
}

// The calls as colouring the whole text finds them, which the finder, that
// colours only the lines where an '_' meets a '(', must give exactly.
std::vector<std::pair<std::size_t, std::size_t>> callsOfWholeText(std::string_view code) {
    struct Sink final : RunSink {
        std::string_view code;
        std::vector<std::pair<std::size_t, std::size_t>> calls;
        void run(std::size_t offset, std::size_t length, HighlightClass colour) override {
            if (colour == HighlightClass::PureKeyword && length > 1 &&
                code[offset + length - 1] == '_') {
                calls.emplace_back(offset, length);
            }
        }
    } sink;
    sink.code = code;
    highlightPureBasic(code, sink);
    return sink.calls;
}

TEST(ApiCalls, AreThoseOfColouringTheWholeTextInEveryShippedCode) {
    int codes = 0;
    const auto root = std::filesystem::path(CODARIUM_SOURCE_DIR) / "data/Codes";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string code((std::istreambuf_iterator<char>(in)), {});
        std::vector<std::pair<std::size_t, std::size_t>> found;
        for (const ApiCallSite& site : apiCallSites(code)) {
            found.emplace_back(site.offset, site.length);
        }
        EXPECT_EQ(found, callsOfWholeText(code)) << entry.path();
        ++codes;
    }
    EXPECT_GT(codes, 50);
}

} // namespace
} // namespace codarium::highlighter
