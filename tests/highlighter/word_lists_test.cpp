#include "highlighter/word_lists.h"
#include "highlighter/word_set.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace codarium::highlighter;

namespace {

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return s;
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(asciiLower(static_cast<unsigned char>(c)));
    return s;
}

const char* const languageKeywords =
    "If ElseIf Else EndIf For ForEach To Step Next While Wend Repeat Until Forever Select Case "
    "Default EndSelect Procedure ProcedureC ProcedureDLL ProcedureCDLL EndProcedure "
    "ProcedureReturn Declare DeclareC DeclareDLL DeclareCDLL Global Protected Shared Static Define "
    "Dim ReDim NewList NewMap Structure EndStructure StructureUnion EndStructureUnion Interface "
    "EndInterface Extends Enumeration EnumerationBinary EndEnumeration Macro EndMacro "
    "MacroExpandedCount Module EndModule DeclareModule EndDeclareModule UseModule UnuseModule "
    "Import ImportC EndImport Prototype PrototypeC IncludeFile XIncludeFile IncludeBinary "
    "IncludePath CompilerIf CompilerElseIf CompilerElse CompilerEndIf CompilerSelect CompilerCase "
    "CompilerDefault CompilerEndSelect CompilerError CompilerWarning DataSection EndDataSection "
    "Data Read Restore Goto Gosub FakeReturn Return End Break Continue With EndWith Threaded "
    "Runtime EnableExplicit DisableExplicit EnableASM DisableASM EnableDebugger DisableDebugger "
    "Debug DebugLevel CallDebugger Array List Map And Or Xor Not Swap";

} // namespace

TEST(HighlighterWords, EveryLanguageKeywordIsFoundInAnyLetterCase) {
    std::istringstream words(languageKeywords);
    std::string word;
    int count = 0;
    while (words >> word) {
        ++count;
        EXPECT_TRUE(isBasicKeyword(word)) << word;
        EXPECT_TRUE(isBasicKeyword(upper(word))) << word;
        EXPECT_TRUE(isBasicKeyword(lower(word))) << word;
        // Whole words only: neither a longer nor a shorter name matches.
        EXPECT_FALSE(isBasicKeyword(word + "x")) << word;
        EXPECT_FALSE(isBasicKeyword(word + "_")) << word;
        EXPECT_FALSE(isBasicKeyword(word.substr(0, word.size() - 1) + "#")) << word;
        EXPECT_FALSE(isLibraryFunction(word)) << word << " is a keyword, not a function";
    }
    EXPECT_EQ(count, 108);
}

TEST(HighlighterWords, LibraryFunctionsAndMnemonicsAreSeparateLists) {
    for (const char* f : {"OpenWindow", "MessageRequester", "ReadFile", "AddGadgetItem",
                          "CreateThread", "PeekS", "StartDrawing", "ElapsedMilliseconds"}) {
        EXPECT_TRUE(isLibraryFunction(f)) << f;
        EXPECT_TRUE(isLibraryFunction(upper(f))) << f;
        EXPECT_FALSE(isBasicKeyword(f)) << f;
    }
    EXPECT_FALSE(isLibraryFunction("OpenWindows"));
    EXPECT_FALSE(isLibraryFunction("SendMessage_")); // API names are recognised by their '_'
    EXPECT_FALSE(isLibraryFunction(""));
    EXPECT_TRUE(isAsmMnemonic("MOV"));
    EXPECT_TRUE(isAsmMnemonic("ret"));
    EXPECT_TRUE(isOperandlessAsmMnemonic("RET"));
    EXPECT_FALSE(isOperandlessAsmMnemonic("mov"));
    EXPECT_FALSE(isAsmMnemonic("movx"));
}

TEST(HighlighterWords, AWordSetFindsEachOfManySimilarWordsAndNothingElse) {
    // Names that differ in one inner letter share most of what the hash looks
    // at, so they land in the same probe sequences.
    static constexpr auto words = std::to_array<std::string_view>(
        {"SetGadgetText", "SetGadgetTaxt", "SetGadgetTbxt", "SetGadgetTcxt", "GetGadgetText", "a",
         "ab", "abc", "ba", "A_B"});
    static constexpr WordSet<words.size()> set(words);
    for (auto w : words) {
        EXPECT_TRUE(set.contains(w)) << w;
        EXPECT_TRUE(set.contains(upper(std::string(w)))) << w;
    }
    for (auto w : {"SetGadgetTdxt", "b", "abcd", "A_C", "SetGadgetText_", "etGadgetText"})
        EXPECT_FALSE(set.contains(w)) << w;
}
