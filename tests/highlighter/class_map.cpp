#include "class_map.h"

#include "highlighter/pure_basic_lexer.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace codarium::highlighter::testing {
namespace {

class MapSink final : public RunSink {
public:
    explicit MapSink(std::vector<HighlightClass>& map) : map_(map) {}
    void run(std::size_t offset, std::size_t length, HighlightClass colour) override {
        if (offset != map_.size())
            throw std::logic_error("runs are not contiguous");
        map_.insert(map_.end(), length, colour);
    }

private:
    std::vector<HighlightClass>& map_;
};

} // namespace

std::vector<HighlightClass> classMapOf(std::string_view text) {
    std::vector<HighlightClass> map;
    MapSink sink(map);
    highlightPureBasic(text, sink);
    return map;
}

std::vector<HighlightClass> lineByLineClassMapOf(std::string_view text) {
    std::vector<HighlightClass> map;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        if (end < text.size())
            ++end;
        const auto line = classMapOf(text.substr(start, end - start));
        map.insert(map.end(), line.begin(), line.end());
        start = end;
    }
    return map;
}

std::string styledText(std::string_view text, const std::vector<HighlightClass>& classes) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < classes.size(); ++i) {
        if (i == 0 || classes[i] != classes[i - 1])
            out += "{" + std::to_string(classNumber(classes[i])) + "}";
        out += text[i];
    }
    return out;
}

std::string withCrLf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::vector<HighlightClass> withoutCrEntries(std::string_view crLfText,
                                             const std::vector<HighlightClass>& classes) {
    std::vector<HighlightClass> out;
    for (std::size_t i = 0; i < crLfText.size() && i < classes.size(); ++i) {
        const bool insertedCr =
            crLfText[i] == '\r' && i + 1 < crLfText.size() && crLfText[i + 1] == '\n';
        if (!insertedCr)
            out.push_back(classes[i]);
    }
    return out;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool writeFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out);
}

} // namespace codarium::highlighter::testing
