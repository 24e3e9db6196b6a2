#pragma once
// The colour classes of PureBasic source, as the code view numbers its styles.
//
// How text is classified (one line at a time; nothing carries over a line end):
//
// - Line ends ('\n' or '\r', so CR LF is two of them), blanks and every byte
//   not named below are normal text (0). Bytes from 0x80 up and zero bytes are
//   plain characters, never terminators: the text's length decides.
// - ';' starts a comment (2) that runs to the line end, unless it is inside a
//   string.
// - "..." is a string (4) up to the next '"' or the line end. ~"..." is a
//   string with escapes: a backslash takes the following character along, so
//   \" does not end it. '...' (a character value) is coloured as a string.
//   A string without its closing quote ends at the line end.
// - '#' directly followed by a name (letters, digits, '_', an optional
//   trailing '$') is a constant (3); a lone '#' is an operator.
// - Numbers (9): decimal digits with an optional fraction and exponent
//   (1.5e-3), '.5' where an operand is expected, '$' followed by hexadecimal
//   digits, and '%' followed by binary digits where an operand is expected
//   (elsewhere '%' is the modulo operator).
// - '*' directly followed by a name where an operand is expected (at the start
//   of a statement, after an operator, '(', ',', '[' or a keyword) is a
//   pointer (10) together with the name; elsewhere '*' multiplies.
// - A name that opens a line (blanks before it allowed), is not a basic
//   keyword and is followed by a single ':' is a label (12), colon included.
//   "Module::Name" is never a label.
// - A line whose first token is '!' is passed to the assembler: it is ASM (6)
//   up to a ';' comment or the line end. A name opening a line that is an x86
//   mnemonic is ASM when it looks like an instruction: blanks and an operand
//   follow (a name, a digit or '['), or, for the mnemonics that take no
//   operand, nothing but the line end or a comment follows. This is decided
//   per line and not by EnableASM/DisableASM: inline assembly can also be
//   switched on by a compiler option, and the view restarts colouring at any
//   line start, where the enclosing region is unknown. Colouring a stretch
//   that starts at a line start therefore always gives the same classes as
//   colouring the whole text.
// - Basic keywords (1) are the language's keywords, matched as whole words
//   without regard to case.
// - Pure keywords (5) are the built-in library functions, without regard to
//   case, when a '(' follows (blanks between allowed), and every name ending
//   in '_' directly followed by '(' (an API function such as SendMessage_).
// - Structures (8): the name after a '.' that directly follows a name, a
//   keyword or a pointer (r.RECT, Define.l, *p.POINT, .s{10}; also the second
//   part of x.Module::Type), and the name after Structure, Interface and
//   Extends.
// - A name directly after '\' is a field and stays normal text, whatever it is
//   called.
// - Operators (7): + - * / = < > & | ! ~ % @ ? ^ $ # where they are not part of
//   one of the above. Separators (11): ( ) , : . [ ] \ { } and "::".
// - Every other name is normal text.
#include <cstdint>

namespace codarium::highlighter {

enum class HighlightClass : std::uint8_t {
    NormalText = 0,
    BasicKeyword = 1,
    Comment = 2,
    Constant = 3,
    String = 4,
    PureKeyword = 5,
    AsmKeyword = 6,
    Operator = 7,
    Structure = 8,
    Number = 9,
    Pointer = 10,
    Separator = 11,
    Label = 12,
};

inline constexpr int highlightClassCount = 13;

constexpr int classNumber(HighlightClass c) {
    return static_cast<int>(c);
}

} // namespace codarium::highlighter
