#include "highlighter/word_lists.h"
#include "highlighter/word_set.h"

#include <algorithm>

namespace codarium::highlighter {
namespace {

using namespace std::string_view_literals;

// Instructions that are written without an operand.
constexpr auto operandlessMnemonics = std::to_array<std::string_view>({
    "ret"sv,   "retn"sv,   "nop"sv,    "cpuid"sv,  "rdtsc"sv,  "pushad"sv,  "popad"sv,    "pusha"sv,
    "popa"sv,  "pushfd"sv, "popfd"sv,  "pushf"sv,  "popf"sv,   "pushfq"sv,  "popfq"sv,    "cld"sv,
    "std"sv,   "clc"sv,    "stc"sv,    "cmc"sv,    "cli"sv,    "sti"sv,     "cdq"sv,      "cqo"sv,
    "cwd"sv,   "cbw"sv,    "cwde"sv,   "cdqe"sv,   "leave"sv,  "hlt"sv,     "int3"sv,     "lodsb"sv,
    "lodsw"sv, "lodsd"sv,  "lodsq"sv,  "stosb"sv,  "stosw"sv,  "stosd"sv,   "stosq"sv,    "movsb"sv,
    "movsw"sv, "movsq"sv,  "scasb"sv,  "scasw"sv,  "scasd"sv,  "cmpsb"sv,   "cmpsw"sv,    "cmpsd"sv,
    "emms"sv,  "finit"sv,  "fninit"sv, "fwait"sv,  "wait"sv,   "fldz"sv,    "fld1"sv,     "fldpi"sv,
    "fsqrt"sv, "fsin"sv,   "fcos"sv,   "fabs"sv,   "fchs"sv,   "fxch"sv,    "faddp"sv,    "fmulp"sv,
    "fsubp"sv, "fdivp"sv,  "sfence"sv, "lfence"sv, "mfence"sv, "pause"sv,   "ud2"sv,      "iret"sv,
    "iretd"sv, "lahf"sv,   "sahf"sv,   "xlat"sv,   "xlatb"sv,  "syscall"sv, "sysenter"sv, "into"sv,
    "aaa"sv,   "aas"sv,    "daa"sv,    "das"sv,
});

constexpr auto operandMnemonics = std::to_array<std::string_view>({
    "mov"sv,    "movzx"sv,    "movsx"sv,    "movsxd"sv,    "lea"sv,    "push"sv,     "pop"sv,
    "xchg"sv,   "cmpxchg"sv,  "xadd"sv,     "bswap"sv,     "add"sv,    "adc"sv,      "sub"sv,
    "sbb"sv,    "inc"sv,      "dec"sv,      "neg"sv,       "mul"sv,    "imul"sv,     "div"sv,
    "idiv"sv,   "and"sv,      "or"sv,       "xor"sv,       "not"sv,    "test"sv,     "cmp"sv,
    "shl"sv,    "shr"sv,      "sal"sv,      "sar"sv,       "rol"sv,    "ror"sv,      "rcl"sv,
    "rcr"sv,    "shld"sv,     "shrd"sv,     "bt"sv,        "bts"sv,    "btr"sv,      "btc"sv,
    "bsf"sv,    "bsr"sv,      "popcnt"sv,   "lzcnt"sv,     "tzcnt"sv,  "jmp"sv,      "call"sv,
    "je"sv,     "jne"sv,      "jz"sv,       "jnz"sv,       "ja"sv,     "jae"sv,      "jb"sv,
    "jbe"sv,    "jg"sv,       "jge"sv,      "jl"sv,        "jle"sv,    "jc"sv,       "jnc"sv,
    "jo"sv,     "jno"sv,      "js"sv,       "jns"sv,       "jp"sv,     "jnp"sv,      "jecxz"sv,
    "jrcxz"sv,  "loop"sv,     "loope"sv,    "loopne"sv,    "loopz"sv,  "loopnz"sv,   "int"sv,
    "sete"sv,   "setne"sv,    "setz"sv,     "setnz"sv,     "seta"sv,   "setb"sv,     "setg"sv,
    "setl"sv,   "setge"sv,    "setle"sv,    "setc"sv,      "cmove"sv,  "cmovne"sv,   "cmovz"sv,
    "cmovnz"sv, "cmova"sv,    "cmovb"sv,    "cmovg"sv,     "cmovl"sv,  "rep"sv,      "repe"sv,
    "repne"sv,  "repz"sv,     "repnz"sv,    "lock"sv,      "in"sv,     "out"sv,      "enter"sv,
    "fld"sv,    "fst"sv,      "fstp"sv,     "fild"sv,      "fist"sv,   "fistp"sv,    "fadd"sv,
    "fsub"sv,   "fmul"sv,     "fdiv"sv,     "fcom"sv,      "fcomp"sv,  "fstsw"sv,    "fnstsw"sv,
    "fldcw"sv,  "fstcw"sv,    "movd"sv,     "movq"sv,      "movss"sv,  "movsd"sv,    "movaps"sv,
    "movups"sv, "movapd"sv,   "movupd"sv,   "movdqa"sv,    "movdqu"sv, "addss"sv,    "addsd"sv,
    "subss"sv,  "subsd"sv,    "mulss"sv,    "mulsd"sv,     "divss"sv,  "divsd"sv,    "sqrtss"sv,
    "sqrtsd"sv, "cvtsi2sd"sv, "cvtsd2si"sv, "cvttsd2si"sv, "pxor"sv,   "paddd"sv,    "psubd"sv,
    "pand"sv,   "por"sv,      "xorps"sv,    "andps"sv,     "orps"sv,   "prefetch"sv,
});

constexpr auto allMnemonics = [] {
    std::array<std::string_view, operandlessMnemonics.size() + operandMnemonics.size()> all{};
    std::size_t i = 0;
    for (auto w : operandlessMnemonics)
        all[i++] = w;
    for (auto w : operandMnemonics)
        all[i++] = w;
    return all;
}();

// The call finder takes a name ending in '_' that opens a line for a call
// without asking whether it is an instruction.
static_assert(std::none_of(allMnemonics.begin(), allMnemonics.end(),
                           [](std::string_view word) { return word.back() == '_'; }));

constexpr WordSet<operandlessMnemonics.size()> operandlessSet(operandlessMnemonics);
constexpr WordSet<allMnemonics.size()> mnemonicSet(allMnemonics);

} // namespace

bool isAsmMnemonic(std::string_view word) {
    return mnemonicSet.contains(word);
}

bool isOperandlessAsmMnemonic(std::string_view word) {
    return operandlessSet.contains(word);
}

} // namespace codarium::highlighter
