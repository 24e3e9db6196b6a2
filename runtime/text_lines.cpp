#include "runtime/text_lines.h"

namespace codarium::textfile {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

} // namespace codarium::textfile
