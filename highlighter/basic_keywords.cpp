#include "highlighter/word_lists.h"
#include "highlighter/word_set.h"

#include <algorithm>

namespace codarium::highlighter {
namespace {

using namespace std::string_view_literals;

constexpr auto basicKeywords = std::to_array<std::string_view>({
    // Conditions and loops
    "If"sv,
    "ElseIf"sv,
    "Else"sv,
    "EndIf"sv,
    "For"sv,
    "ForEach"sv,
    "To"sv,
    "Step"sv,
    "Next"sv,
    "While"sv,
    "Wend"sv,
    "Repeat"sv,
    "Until"sv,
    "Forever"sv,
    "Select"sv,
    "Case"sv,
    "Default"sv,
    "EndSelect"sv,
    "Break"sv,
    "Continue"sv,
    "Goto"sv,
    "Gosub"sv,
    "Return"sv,
    "FakeReturn"sv,
    "End"sv,
    // Procedures, declarations and prototypes
    "Procedure"sv,
    "ProcedureC"sv,
    "ProcedureDLL"sv,
    "ProcedureCDLL"sv,
    "EndProcedure"sv,
    "ProcedureReturn"sv,
    "Declare"sv,
    "DeclareC"sv,
    "DeclareDLL"sv,
    "DeclareCDLL"sv,
    "Prototype"sv,
    "PrototypeC"sv,
    "Import"sv,
    "ImportC"sv,
    "EndImport"sv,
    "As"sv,
    // Variables and their scope
    "Global"sv,
    "Protected"sv,
    "Shared"sv,
    "Static"sv,
    "Define"sv,
    "Threaded"sv,
    "Runtime"sv,
    "Dim"sv,
    "ReDim"sv,
    "NewList"sv,
    "NewMap"sv,
    "Array"sv,
    "List"sv,
    "Map"sv,
    "Swap"sv,
    "EnableExplicit"sv,
    "DisableExplicit"sv,
    // Structures, interfaces and enumerations
    "Structure"sv,
    "EndStructure"sv,
    "StructureUnion"sv,
    "EndStructureUnion"sv,
    "Align"sv,
    "Interface"sv,
    "EndInterface"sv,
    "Extends"sv,
    "Enumeration"sv,
    "EnumerationBinary"sv,
    "EndEnumeration"sv,
    "With"sv,
    "EndWith"sv,
    // Macros and modules
    "Macro"sv,
    "EndMacro"sv,
    "MacroExpandedCount"sv,
    "UndefineMacro"sv,
    "Module"sv,
    "EndModule"sv,
    "DeclareModule"sv,
    "EndDeclareModule"sv,
    "UseModule"sv,
    "UnuseModule"sv,
    // Compiler directives and built-ins
    "IncludeFile"sv,
    "XIncludeFile"sv,
    "IncludeBinary"sv,
    "IncludePath"sv,
    "CompilerIf"sv,
    "CompilerElseIf"sv,
    "CompilerElse"sv,
    "CompilerEndIf"sv,
    "CompilerSelect"sv,
    "CompilerCase"sv,
    "CompilerDefault"sv,
    "CompilerEndSelect"sv,
    "CompilerError"sv,
    "CompilerWarning"sv,
    "SizeOf"sv,
    "OffsetOf"sv,
    "TypeOf"sv,
    "Defined"sv,
    "Subsystem"sv,
    "Bool"sv,
    "EnableASM"sv,
    "DisableASM"sv,
    // Data
    "DataSection"sv,
    "EndDataSection"sv,
    "Data"sv,
    "Read"sv,
    "Restore"sv,
    // Debugger
    "Debug"sv,
    "DebugLevel"sv,
    "CallDebugger"sv,
    "EnableDebugger"sv,
    "DisableDebugger"sv,
    // Operators written as words
    "And"sv,
    "Or"sv,
    "Xor"sv,
    "Not"sv,
});

constexpr WordSet<basicKeywords.size()> basicKeywordSet(basicKeywords);
// The lexer takes a name ending in '_' for no keyword without a lookup.
static_assert(std::none_of(basicKeywords.begin(), basicKeywords.end(),
                           [](std::string_view word) { return word.back() == '_'; }));

} // namespace

bool isBasicKeyword(std::string_view word) {
    return basicKeywordSet.contains(word);
}

} // namespace codarium::highlighter
