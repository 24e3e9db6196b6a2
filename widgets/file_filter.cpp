#include "widgets/file_filter.h"

#include <vector>

namespace codarium::widgets {
namespace {

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

} // namespace

std::string dialogFilterOf(std::string_view filter) {
    if (filter.empty()) {
        return {};
    }
    const std::vector<std::string> parts = split(filter, '|');
    std::string out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        std::string patterns;
        if (i + 1 < parts.size()) {
            for (const std::string& p : split(parts[i + 1], ';')) {
                if (!p.empty()) {
                    patterns += patterns.empty() ? p : " " + p;
                }
            }
        }
        if (patterns.empty()) {
            patterns = "*";
        }
        if (!out.empty()) {
            out += ";;";
        }
        out += parts[i] + " (" + patterns + ")";
    }
    return out;
}

} // namespace codarium::widgets
