#include "online/update_index.h"

#include "platform/paths.h"
#include "runtime/text_file.h"

namespace codarium::online {
namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

} // namespace

std::optional<std::vector<IndexEntry>> readUpdateIndex(std::string_view indexPath) {
    const textfile::FileId file = textfile::openRead(textfile::AnyFile, indexPath);
    if (file == 0) {
        return std::nullopt;
    }
    std::vector<IndexEntry> entries;
    while (!textfile::atEnd(file)) {
        IndexEntry entry;
        // Reading past the end gives empty lines, which completes a group
        // that the end of the file cut short.
        textfile::readLine(file, entry.path);
        textfile::readLine(file, entry.digest);
        textfile::readLine(file, entry.size);
        entries.push_back(std::move(entry));
    }
    textfile::close(file);
    return entries;
}

std::int32_t indexSize(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < line.size() && (line[at] == '+' || line[at] == '-')) {
        negative = line[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < line.size() && line[at] == '$') {
        base = 16;
        ++at;
    } else if (at < line.size() && line[at] == '%') {
        base = 2;
        ++at;
    }
    // Unsigned arithmetic keeps exactly the low 32 bits of any length.
    std::uint32_t value = 0;
    for (; at < line.size(); ++at) {
        const int digit = digitValue(line[at]);
        if (digit >= base) {
            break;
        }
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}

std::string releasePath(std::string_view indexPath) {
    std::string path(indexPath);
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

bool safeReleasePath(std::string_view indexPath) {
    const std::string path = releasePath(indexPath);
    if (path.empty() || path.front() == '/' || path.find('\0') != std::string::npos) {
        return false;
    }
    if (path.size() >= 2 && path[1] == ':') {
        return false; // a drive letter
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::size_t end = slash == std::string::npos ? path.size() : slash;
        if (path.compare(start, end - start, "..") == 0) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
        start = slash + 1;
    }
    return true;
}

bool fileChanged(const IndexEntry& entry, std::string_view programDirectory,
                 FingerprintBuffer& buffer) {
    if (!safeReleasePath(entry.path)) {
        return true;
    }
    const std::string local = platform::joinLibraryName(programDirectory, releasePath(entry.path));
    // A file that cannot be read is never up to date, even against an empty
    // digest line.
    const std::string fingerprint = fileFingerprint(local, buffer);
    return fingerprint.empty() || fingerprint != entry.digest;
}

std::optional<std::int32_t> updateSize(const std::vector<IndexEntry>& entries,
                                       std::string_view programDirectory, FingerprintBuffer& buffer,
                                       const StopToken* stop) {
    std::uint32_t total = 0;
    for (const IndexEntry& entry : entries) {
        if (stop != nullptr && stop->load()) {
            return std::nullopt;
        }
        if (fileChanged(entry, programDirectory, buffer)) {
            total += static_cast<std::uint32_t>(indexSize(entry.size));
        }
    }
    return static_cast<std::int32_t>(total);
}

} // namespace codarium::online
