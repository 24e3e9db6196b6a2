#include "highlighter/api_calls.h"

#include "highlighter/char_classes.h"
#include "highlighter/pure_basic_lexer.h"
#include "highlighter/word_set.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace codarium::highlighter {
namespace {

// The runs coloured as calls whose name ends in '_'. A library function such
// as OpenWindow is coloured the same way but has no '_': it is PureBasic's
// own, not the system's. Calls before `firstNew` were taken already.
class CallCollector final : public RunSink {
public:
    CallCollector(std::string_view code, std::size_t start, std::size_t firstNew,
                  std::vector<ApiCallSite>& sites)
        : code_(code), start_(start), firstNew_(firstNew), sites_(sites) {}

    void run(std::size_t offset, std::size_t length, HighlightClass colour) override {
        const std::size_t at = start_ + offset;
        if (colour == HighlightClass::PureKeyword && length > 1 && code_[at + length - 1] == '_' &&
            at >= firstNew_) {
            sites_.push_back({at, length});
        }
    }

private:
    std::string_view code_;
    std::size_t start_;
    std::size_t firstNew_;
    std::vector<ApiCallSite>& sites_;
};

constexpr std::size_t None = std::string_view::npos;

// Where the '(' that follows an '_' at `at` after blanks ends; None when
// something else follows. Only a line with such a place can hold a call.
std::size_t openingAfter(std::string_view code, std::size_t at) {
    std::size_t i = at + 1;
    while (i < code.size() && chars::isBlank(static_cast<unsigned char>(code[i]))) {
        ++i;
    }
    return i < code.size() && code[i] == '(' ? i + 1 : None;
}

// The last line end (LF, or CR alone or before LF) in [from, to); None when
// there is none, so that `to` lies on the line of `from`.
std::size_t lastLineEnd(std::string_view code, std::size_t from, std::size_t to) {
    const char* base = code.data();
    const auto* lf = static_cast<const char*>(::memrchr(base + from, '\n', to - from));
    const std::size_t afterLf = lf != nullptr ? static_cast<std::size_t>(lf - base) + 1 : from;
    const auto* cr = static_cast<const char*>(::memrchr(base + afterLf, '\r', to - afterLf));
    if (cr != nullptr) {
        return static_cast<std::size_t>(cr - base);
    }
    return lf != nullptr ? afterLf - 1 : None;
}

// Bytes that leave the lexer in its plain state for what follows them on a
// line: no quote, comment, assembler mark, escape or line end among them, and
// none that a longer token could take a '=', '(' or ',' into. Others, among
// them every byte above ASCII, send the line to the lexer.
constexpr auto plainBytes = [] {
    std::array<bool, 256> plain{};
    for (unsigned char c = '0'; c <= '9'; ++c) {
        plain[c] = true;
    }
    for (unsigned char c = 'a'; c <= 'z'; ++c) {
        plain[c] = plain[c - 'a' + 'A'] = true;
    }
    for (const char c : std::string_view("_ \t=(),.+-*/<>&|#$%@\\[]{}:")) {
        plain[static_cast<unsigned char>(c)] = true;
    }
    return plain;
}();

// The start of the call whose name ends at the '_' at `underscore`, when the
// line from `lineStart` shows without lexing that the lexer colours it as a
// call; None when only the lexer can tell. It can tell nothing else when the
// line before the name holds plain bytes only and the name follows a '=', a
// '(' or a ',' (after which no name is a type, field or keyword's operand),
// or opens the line (no keyword and no instruction ends in '_').
std::size_t plainCallStart(std::string_view code, std::size_t lineStart, std::size_t underscore) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(code.data());
    std::size_t word = underscore;
    while (word > lineStart && chars::isNameChar(bytes[word - 1])) {
        --word;
    }
    if (word == underscore || chars::isDigit(bytes[word])) {
        return None;
    }
    std::size_t before = word;
    while (before > lineStart && chars::isBlank(bytes[before - 1])) {
        --before;
    }
    if (before > lineStart) {
        const char c = code[before - 1];
        if (c != '=' && c != '(' && c != ',') {
            return None;
        }
    }
    for (std::size_t i = lineStart; i < word; ++i) {
        if (!plainBytes[bytes[i]]) {
            return None;
        }
    }
    return word;
}

} // namespace

std::vector<ApiCallSite> apiCallSites(std::string_view code) {
    // The highlighter classifies each line on its own (nothing carries over
    // a line end), and decides a token from the token and what follows it
    // up to its own '(' at most. So only the lines where an '_' meets a '('
    // are coloured, each from its start to that '(': the rest of a code is
    // passed over at the speed of a byte search. A second call on a line
    // colours the line again up to the second '(', and keeps what is new.
    std::vector<ApiCallSite> sites;
    // Room for a call every other line of a usual code: most codes then
    // need a single allocation.
    sites.reserve(code.size() / 64);
    std::size_t colouredTo = 0;   // where the last colouring ended
    std::size_t colouredLine = 0; // the start of that line
    std::size_t from = 0;
    while (from < code.size()) {
        const std::size_t underscore = code.find('_', from);
        if (underscore == None) {
            break;
        }
        const std::size_t open = openingAfter(code, underscore);
        if (open == None) {
            from = underscore + 1;
            continue;
        }
        const std::size_t end = lastLineEnd(code, colouredTo, underscore);
        const std::size_t start = end == None ? colouredLine : end + 1;
        if (const std::size_t word = plainCallStart(code, start, underscore); word != None) {
            sites.push_back({word, underscore + 1 - word});
        } else {
            const std::size_t firstNew = end == None ? colouredTo : start;
            CallCollector collector(code, start, firstNew, sites);
            highlightPureBasic(code.substr(start, open - start), collector);
        }
        colouredTo = open;
        colouredLine = start;
        from = open;
    }
    return sites;
}

std::vector<std::string> apiCallsOf(std::string_view code) {
    // A code calls a few dozen functions at most: a look along the names
    // found so far, by their case-folded hash first, beats a hash set of
    // lowered copies.
    struct Seen {
        std::uint32_t hash;
        std::string_view name;
    };
    std::vector<Seen> seen;
    for (const ApiCallSite& site : apiCallSites(code)) {
        const std::string_view name = apiFunctionName(code, site);
        const std::uint32_t hash = caseFoldedHash(name);
        if (std::none_of(seen.begin(), seen.end(), [&](const Seen& known) {
                return known.hash == hash && equalIgnoringCase(known.name, name);
            })) {
            seen.push_back({hash, name});
        }
    }
    std::vector<std::string> names;
    names.reserve(seen.size());
    for (const Seen& known : seen) {
        names.emplace_back(known.name);
    }
    return names;
}

const ApiCallSite* apiCallAt(const std::vector<ApiCallSite>& sites, std::size_t position) {
    // Sites come in the order of the text: the first that ends at or after
    // the position is the only one that can hold it.
    const auto it = std::lower_bound(
        sites.begin(), sites.end(), position,
        [](const ApiCallSite& site, std::size_t p) { return site.offset + site.length < p; });
    return it != sites.end() && it->offset <= position ? &*it : nullptr;
}

std::string_view apiFunctionName(std::string_view code, const ApiCallSite& site) {
    return code.substr(site.offset, site.length - 1);
}

} // namespace codarium::highlighter
