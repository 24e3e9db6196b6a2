#pragma once
// The word lists the lexer colours by name, each matched without regard to case.
#include <string_view>

namespace codarium::highlighter {

// The language's keywords (basic keywords).
bool isBasicKeyword(std::string_view word);

// The built-in library functions (pure keywords).
bool isLibraryFunction(std::string_view word);

// x86 instruction mnemonics, and those of them that take no operand.
bool isAsmMnemonic(std::string_view word);
bool isOperandlessAsmMnemonic(std::string_view word);

} // namespace codarium::highlighter
