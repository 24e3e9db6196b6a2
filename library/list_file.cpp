#include "library/list_file.h"

#include "library/store_paths.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "runtime/text_file.h"
#include "runtime/text_lines.h"

#include <algorithm>
#include <cstdint>

namespace codarium::library {
namespace {

namespace tf = codarium::textfile;

// Closes an open file when the scope ends, whatever way it ends.
class OpenFile {
public:
    explicit OpenFile(tf::FileId id) : id_(id) {}
    ~OpenFile() {
        if (id_ != 0) {
            tf::close(id_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    tf::FileId id() const { return id_; }
    explicit operator bool() const { return id_ != 0; }
    void close() {
        if (id_ != 0) {
            tf::close(id_);
            id_ = 0;
        }
    }

private:
    tf::FileId id_;
};

// CR, LF and a zero byte all end a line when the list is read back.
bool hasLineBreak(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

unsigned char foldedByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

std::string listBytes(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

std::optional<std::string> readListText(std::string_view path) {
    // The lists are small: one read, instead of a look-up in the table of
    // open files for every line. A file that cannot be read whole is read
    // line by line, which keeps the lines before a failed read; each is then
    // ended with LF, which gives the same lines back.
    std::string text;
    if (platform::readWholeFile(path, text)) {
        return text;
    }
    OpenFile file(tf::openRead(tf::AnyFile, path));
    if (!file) {
        return std::nullopt;
    }
    while (!tf::atEnd(file.id())) {
        text += tf::readLine(file.id());
        text += '\n';
    }
    return text;
}

std::optional<std::vector<std::string>> readLinesIfOpened(std::string_view path) {
    auto text = readListText(path);
    if (!text) {
        return std::nullopt;
    }
    return tf::splitLines(*text);
}

std::vector<std::string> readLines(std::string_view path) {
    auto lines = readLinesIfOpened(path);
    return lines ? std::move(*lines) : std::vector<std::string>{};
}

bool appendLine(std::string_view path, std::string_view text) {
    if (hasLineBreak(text)) {
        return false;
    }
    OpenFile file(tf::openUpdate(tf::AnyFile, path));
    if (!file) {
        return false;
    }
    const std::int64_t size = tf::length(file.id());
    if (size > 0) {
        char last = 0;
        tf::seek(file.id(), size - 1);
        if (tf::readBytes(file.id(), &last, 1) != 1) {
            return false;
        }
        tf::seek(file.id(), size);
        // A zero byte ends a line for readLine as CR and LF do.
        if (last != '\r' && last != '\n' && last != '\0' && tf::writeText(file.id(), "\r\n") <= 0) {
            return false;
        }
    }
    return tf::writeLine(file.id(), text) > 0;
}

bool replaceListFile(std::string_view listPath, std::string_view tempPath,
                     const std::vector<std::string>& lines,
                     const platform::SaveStepHook& beforeStep) {
    return platform::saveFile(std::string(listPath), listBytes(lines),
                              platform::ReplaceMode::Replace, std::string(tempPath), beforeStep)
        .ok();
}

bool rewriteWithoutLine(std::string_view listPath, std::string_view tempPath,
                        std::string_view text) {
    auto lines = readLinesIfOpened(listPath);
    if (!lines) {
        return false;
    }
    std::erase_if(*lines, [&](const std::string& line) { return line == text; });
    return replaceListFile(listPath, tempPath, *lines);
}

bool listOrderLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return foldedByte(x) < foldedByte(y);
    });
}

void sortListLines(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return listOrderLess(a, b);
    });
}

namespace {

// The list's lines; none for a missing list, nothing for one that is there
// but cannot be read (it must not be replaced by an empty one).
std::optional<std::vector<std::string>> linesToReplace(std::string_view path) {
    std::optional<std::vector<std::string>> lines = readLinesIfOpened(path);
    if (!lines && !platform::pathExists(path)) {
        lines.emplace();
    }
    return lines;
}

} // namespace

bool sortListFile(std::string_view path) {
    std::optional<std::vector<std::string>> lines = linesToReplace(path);
    if (!lines) {
        return false;
    }
    sortListLines(*lines);
    return replaceListFile(path, listTempPathFor(path), *lines);
}

bool addLineSorted(std::string_view path, std::string_view text) {
    if (hasLineBreak(text)) {
        return false;
    }
    std::optional<std::vector<std::string>> lines = linesToReplace(path);
    if (!lines) {
        return false;
    }
    lines->emplace_back(text);
    sortListLines(*lines);
    return replaceListFile(path, listTempPathFor(path), *lines);
}

} // namespace codarium::library
