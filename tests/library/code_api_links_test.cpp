// The catalogue's addresses for a code's API calls, the link popup's
// entries and the search for a function's callers.
#include "library/code_api_links.h"
#include "library/search_core.h"
#include "store_fixture.h"

#include <gtest/gtest.h>

namespace codarium::library {
namespace {

using testing::writeFile;

const ApiLinkMap Catalogue = {
    {"SendMessage", "https://doc.invalid/sendmessage"},
    {"MessageBox", "https://doc.invalid/messagebox"},
    {"MessageBoxW", "https://doc.invalid/messageboxw"},
    {"GetWindowText", "https://doc.invalid/getwindowtext"},
    {"Leer", ""},
    {"Beep", "https://doc.invalid/beep"},
};

TEST(CatalogueLink, ExactThenWithoutCaseThenTheBaseOfAnAOrWVariant) {
    const struct {
        const char* function;
        const char* address;
    } cases[] = {
        {"SendMessage", "https://doc.invalid/sendmessage"},
        {"sendmessage", "https://doc.invalid/sendmessage"},
        {"SENDMESSAGE", "https://doc.invalid/sendmessage"},
        // The variant's own entry wins over its base name's.
        {"MessageBoxW", "https://doc.invalid/messageboxw"},
        {"MessageBoxA", "https://doc.invalid/messagebox"},
        {"GetWindowTextW", "https://doc.invalid/getwindowtext"},
        {"getwindowtextA", "https://doc.invalid/getwindowtext"},
        // Only the system's upper-case A and W mark a variant.
        {"GetWindowTextw", ""},
        {"SendMessageX", ""},
        {"A", ""},
        {"W", ""},
        {"", ""},
        // An entry without an address is nothing to open.
        {"Leer", ""},
        {"SendMessag", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(catalogueLink(Catalogue, c.function), c.address) << c.function;
    }
}

TEST(CataloguedCalls, KnownCallsInOrderOfFirstUseAndTheCallUnderAPosition) {
    const std::string code = "; MessageBox_(0) im Kommentar\r\n"
                             "Unbekannt_(1) : GetWindowTextW_(w, b, 9)\r\n"
                             "Debug \"Beep_(1)\"\r\n"
                             "sendmessage_(w, 0, 0, 0) : SendMessage_(w, 1, 0, 0)\r\n";
    const auto calls = cataloguedCalls(code, Catalogue);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].name, "GetWindowTextW");
    EXPECT_EQ(calls[0].address, "https://doc.invalid/getwindowtext");
    EXPECT_EQ(calls[1].name, "sendmessage");

    const struct {
        const char* at; // text the position starts at
        std::size_t extra;
        std::optional<std::size_t> index;
    } cases[] = {
        {"GetWindowTextW_", 0, 0},
        {"GetWindowTextW_", 15, 0}, // right after the '_'
        {"GetWindowTextW_", 16, std::nullopt},
        {"Unbekannt_", 3, std::nullopt},
        {"MessageBox_", 2, std::nullopt}, // in the comment
        {"Beep_", 1, std::nullopt},       // in the string
        {"SendMessage_", 4, 1},           // another spelling of the same function
    };
    for (const auto& c : cases) {
        const std::size_t position = code.find(c.at) + c.extra;
        EXPECT_EQ(cataloguedCallIndexAt(code, position, Catalogue), c.index)
            << c.at << "+" << c.extra;
    }
    EXPECT_EQ(cataloguedCallIndexAt(code, code.size() + 10, Catalogue), std::nullopt);
}

std::vector<std::string> outline(const std::vector<LinkMenuEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) {
        switch (e.kind) {
        case LinkMenuEntry::Kind::Separator:
            out.emplace_back("-");
            break;
        case LinkMenuEntry::Kind::Disabled:
            out.push_back("(" + std::to_string(e.command) + ":" + e.text + ")");
            break;
        case LinkMenuEntry::Kind::Item:
            out.push_back(std::to_string(e.command) + ":" + e.text);
            break;
        }
    }
    return out;
}

TEST(LinkMenuEntries, OwnLinksFirstThenEachCallWithItsCallersAndNeverEmpty) {
    using Lines = std::vector<std::string>;
    const std::vector<CataloguedCall> two = {{"SendMessage", "s"}, {"Beep", "b"}};
    const std::vector<std::string> links = {"Eigener", "Zweiter"};
    const struct {
        const char* name;
        std::vector<std::string> links;
        std::vector<CataloguedCall> calls;
        std::optional<std::size_t> first;
        Lines entries;
    } cases[] = {
        {"links and calls",
         links,
         two,
         std::nullopt,
         {"100:Eigener", "101:Zweiter", "-", "110000:SendMessage",
          "111000:Codes mit SendMessage_()", "110001:Beep", "111001:Codes mit Beep_()"}},
        {"links only, as before", links, {}, std::nullopt, {"100:Eigener", "101:Zweiter"}},
        {"calls only: no leading separator",
         {},
         {two[1]},
         std::nullopt,
         {"110000:Beep", "111000:Codes mit Beep_()"}},
        {"the call at the caret first, keeping its number",
         links,
         two,
         1,
         {"110001:Beep", "111001:Codes mit Beep_()", "-", "100:Eigener", "101:Zweiter", "-",
          "110000:SendMessage", "111000:Codes mit SendMessage_()"}},
        {"the only call at the caret: nothing to separate",
         {},
         {two[0]},
         0,
         {"110000:SendMessage", "111000:Codes mit SendMessage_()"}},
        {"a caret index past the calls is ignored",
         {},
         {two[0]},
         5,
         {"110000:SendMessage", "111000:Codes mit SendMessage_()"}},
        {"nothing at all", {}, {}, std::nullopt, {"(112000:Keine Links zu diesem Code)"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outline(linkMenuEntries(c.links, c.calls, c.first)), c.entries) << c.name;
    }
}

class SearchCallers : public testing::StoreTest {};

TEST_F(SearchCallers, OnlyCodesThatCallTheFunctionByTheLexicalRule) {
    addCategory("Fenster", {"Ruft", "Kommentar", "Zeichenkette", "Anders", "Gross"},
                [](std::string_view title) -> std::string {
                    if (title == "Ruft") {
                        return "x = 1\r\ny = SendMessage_ (w, 0, 0, 0)\r\n";
                    }
                    if (title == "Kommentar") {
                        return "; SendMessage_(w, 0, 0, 0)\r\n";
                    }
                    if (title == "Zeichenkette") {
                        return "Debug \"SendMessage_(w)\"\r\nSendMessageTimeout_(w)\r\n";
                    }
                    if (title == "Gross") {
                        return "SENDMESSAGE_(w, 0, 0, 0)";
                    }
                    return "PostMessage_(w, 0, 0, 0)";
                });
    // Named after the function, but without calling it.
    writeFile("Codes/Fenster/SendMessage_.pb", "; nur der Name\r\n");
    const auto results = searchCallers("Codes", "SendMessage");
    std::vector<std::string> rows;
    for (const auto& r : results) {
        rows.push_back(r.category + "|" + r.name + "|" + std::to_string(r.line));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"Fenster|Gross|1", "Fenster|Ruft|2"}));
    EXPECT_TRUE(searchCallers("Codes", "").empty());
    // The same rows whatever the number of threads.
    EXPECT_EQ(searchCallers("Codes", "sendmessage", MatchLines::Skipped, 1).size(), 2u);
}

} // namespace
} // namespace codarium::library
