#include "library/name_check.h"

#include <gtest/gtest.h>

namespace codarium::library {
namespace {

TEST(NameCheck, OrdinaryNamesPassLeadingBlanksIncluded) {
    for (const char* name : {"Fenster", " Fenster", "Neu.x", "a b", "\xC4pfel", "CONSOLE", "COM0",
                             "COM10", "LPT", "..a", "Kategorien2", "x.INIT"}) {
        EXPECT_TRUE(isSafeName(name, NameKind::Category)) << name;
        EXPECT_TRUE(isSafeName(name, NameKind::Title)) << name;
    }
    // 0x80-0x9F are printable in the code page (euro sign, dashes, quotes).
    EXPECT_TRUE(isSafeName("\x80 Preis \x96 neu", NameKind::Title));
}

TEST(NameCheck, NamesThatAreNoSafePathComponentAreRefused) {
    for (const char* name :
         {"",      ".",       "..",      "a/b",       "a\\b",     "c:",    "*",     "wer?",
          "\"x\"", "<a>",     "a|b",     "tab\there", "del\x7F",  "Ende.", "Ende ", "CON",
          "con",   "Nul.txt", "AUX .pb", "com1",      "LPT9.ini", "PRN"}) {
        EXPECT_FALSE(isSafeName(name, NameKind::Category)) << name;
        EXPECT_FALSE(isSafeName(name, NameKind::Title)) << name;
    }
    EXPECT_FALSE(isSafeName(std::string_view("a\0b", 3), NameKind::Title));
}

TEST(NameCheck, CategoriesMayNotCollideWithTheStoresOwnFiles) {
    for (const char* name : {"Kategorien", "KATEGORIEN", "kategorien", "Fenster.ini", "x.INI",
                             "Fenster.tmp", "y.Tmp"}) {
        EXPECT_FALSE(isSafeName(name, NameKind::Category)) << name;
        EXPECT_TRUE(isSafeName(name, NameKind::Title)) << name;
    }
    EXPECT_TRUE(isSafeCode("Fenster", "Kategorien"));
    EXPECT_FALSE(isSafeCode("Kategorien", "Fenster"));
    EXPECT_FALSE(isSafeCode("Fenster", "a/../b"));
}

// The refusal names the rule: the first one broken, in checking order.
TEST(NameCheck, TheFirstBrokenRuleIsNamed) {
    const struct {
        std::string_view name;
        NameKind kind;
        NameProblem problem;
    } cases[] = {
        {"", NameKind::Title, NameProblem::Empty},
        {"..", NameKind::Category, NameProblem::DotName},
        {"a/b.", NameKind::Title, NameProblem::ReservedCharacter},
        {"a\tb?", NameKind::Title, NameProblem::ControlCharacter},
        {"Ende ", NameKind::Category, NameProblem::TrailingDotOrBlank},
        {"lpt3.txt", NameKind::Title, NameProblem::DeviceName},
        {"KATEGORIEN", NameKind::Category, NameProblem::CategoryListName},
        {"Fenster.Ini", NameKind::Category, NameProblem::ListFileEnding},
        {"Fenster.Ini", NameKind::Title, NameProblem::None},
        {" Fenster", NameKind::Category, NameProblem::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nameProblem(c.name, c.kind), c.problem) << c.name;
    }
}

} // namespace
} // namespace codarium::library
