// Arbitrary bytes as the lines of a code, escaped for the templates file.
// Besides not crashing: the escaped code is one line, and the editor's
// unescaping rule ("\\" is a backslash, "\n" a line break) gives back the
// lines joined by line breaks.
#include "editor_link/template_code.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The editor's reading of a "Code:" value.
std::string unescaped(std::string_view code) {
    std::string out;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '\\' && i + 1 < code.size() && code[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else if (code[i] == '\\' && i + 1 < code.size() && code[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else {
            out += code[i];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The lines as the reader gives them: CR, LF, CR LF and a zero byte end one.
    std::string code, joined;
    bool first = true;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end =
            std::min(bytes.find_first_of(std::string_view("\r\n\0", 3), start), bytes.size());
        const std::string_view line = bytes.substr(start, end - start);
        codarium::editor_link::appendTemplateCodeLine(code, line, first);
        if (!first) {
            joined += '\n';
        }
        joined += line;
        first = false;
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (code.find_first_of("\r\n") != std::string::npos || unescaped(code) != joined) {
        std::abort();
    }
    return 0;
}
