#pragma once
// Text already in memory split into lines by the rule textfile::readLine
// reads a file by: CR, LF and a zero byte each end a line, CR LF ends one,
// and no empty line follows the last line end.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::textfile {

// Hands each line to `use`, in order, as a view into `text`.
template <typename Use> void forEachLine(std::string_view text, Use&& use) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t begin = 0;
    while (begin < size) {
        std::size_t stop = begin;
        while (stop < size && data[stop] != '\r' && data[stop] != '\n' && data[stop] != '\0') {
            ++stop;
        }
        use(text.substr(begin, stop - begin));
        begin = stop + 1;
        if (stop < size && data[stop] == '\r' && begin < size && data[begin] == '\n') {
            ++begin;
        }
    }
}

[[nodiscard]] std::vector<std::string> splitLines(std::string_view text);

} // namespace codarium::textfile
