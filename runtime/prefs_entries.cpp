#include "runtime/prefs_entries.h"

#include "runtime/byte_utf8.h"

#include <cstring>
#include <utility>

namespace codarium::prefs {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::uint32_t u32(std::size_t v) {
    return static_cast<std::uint32_t>(v);
}

// Classifies one line [begin, end) of the pool (line ends excluded).
void addLine(PrefsText& text, std::size_t begin, std::size_t end) {
    const std::string_view pool = text.pool;
    while (begin < end && isBlank(pool[begin])) {
        ++begin;
    }
    if (begin == end) {
        return;
    }
    Entry e;
    if (pool[begin] == ';') {
        ++begin;
        if (begin < end && pool[begin] == ' ') {
            ++begin;
        }
        e.kind = EntryKind::Comment;
        e.nameOffset = u32(begin);
        e.nameLength = u32(end - begin);
    } else if (pool[begin] == '[') {
        ++begin;
        const std::size_t close = pool.substr(0, end).find(']', begin);
        e.kind = EntryKind::Group;
        e.nameOffset = u32(begin);
        e.nameLength = u32((close == std::string_view::npos ? end : close) - begin);
    } else {
        const std::size_t eq = pool.substr(0, end).find('=', begin);
        std::size_t keyEnd = eq == std::string_view::npos ? end : eq;
        while (keyEnd > begin && isBlank(pool[keyEnd - 1])) {
            --keyEnd;
        }
        e.kind = EntryKind::Key;
        e.nameOffset = u32(begin);
        e.nameLength = u32(keyEnd - begin);
        std::size_t valueBegin = eq == std::string_view::npos ? end : eq + 1;
        while (valueBegin < end && isBlank(pool[valueBegin])) {
            ++valueBegin;
        }
        e.valueOffset = u32(valueBegin);
        e.valueLength = u32(end - valueBegin);
    }
    text.entries.push_back(e);
}

} // namespace

bool PrefsText::store(std::string_view piece, std::uint32_t& offset) {
    if (piece.size() > kMaxPoolSize || pool.size() > kMaxPoolSize - piece.size()) {
        return false;
    }
    offset = u32(pool.size());
    pool.append(piece);
    return true;
}

PrefsText parsePrefsText(std::string bytes) {
    PrefsText text;
    if (std::string_view(bytes).substr(0, 3) == kUtf8Mark) {
        text.utf8 = true;
        bytes.erase(0, 3);
    }
    text.pool = std::move(bytes);
    const char* data = text.pool.data();
    const std::size_t n = text.pool.size();
    // Room for every line, counted first, so that the list is allocated once
    // instead of growing by doubling; the slack takes the keys a caller adds.
    std::size_t lineStarts = 0;
    bool afterBreak = true;
    for (std::size_t i = 0; i < n; ++i) {
        const bool isBreak = isLineEnd(data[i]);
        lineStarts += static_cast<std::size_t>(afterBreak && !isBreak);
        afterBreak = isBreak;
    }
    text.entries.reserve(lineStarts + 32);
    // The next CR and LF at or after i, each found with memchr and looked
    // for again only once i has passed it, so every byte is scanned at most
    // twice whatever mix of line ends the file uses.
    auto findFrom = [&](char c, std::size_t from) {
        const void* hit = std::memchr(data + from, c, n - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : n;
    };
    std::size_t nextCr = 0;
    std::size_t nextLf = 0;
    bool crKnown = false;
    bool lfKnown = false;
    std::size_t i = 0;
    while (i < n) {
        while (i < n && isLineEnd(data[i])) {
            ++i;
        }
        if (i == n) {
            break;
        }
        if (!crKnown || nextCr < i) {
            nextCr = findFrom('\r', i);
            crKnown = true;
        }
        if (!lfKnown || nextLf < i) {
            nextLf = findFrom('\n', i);
            lfKnown = true;
        }
        const std::size_t end = nextCr < nextLf ? nextCr : nextLf;
        addLine(text, i, end);
        i = end;
    }
    return text;
}

bool convertToUtf8(PrefsText& text) {
    if (text.utf8) {
        return true;
    }
    PrefsText converted;
    converted.utf8 = true;
    converted.entries = text.entries;
    for (Entry& e : converted.entries) {
        const std::string name = bytesToUtf8(text.name(e));
        const std::string value = bytesToUtf8(text.value(e));
        if (!converted.store(name, e.nameOffset) || !converted.store(value, e.valueOffset)) {
            return false;
        }
        e.nameLength = u32(name.size());
        e.valueLength = u32(value.size());
    }
    text = std::move(converted);
    return true;
}

std::string formatPrefsText(const PrefsText& text) {
    std::size_t size = text.utf8 ? 5 : 0;
    for (const Entry& e : text.entries) {
        size += e.nameLength + (e.kind == EntryKind::Key ? e.valueLength + 5 : 4);
    }
    std::string out;
    out.reserve(size);
    if (text.utf8) {
        out.append(kUtf8Mark);
        out.append("\r\n");
    }
    for (const Entry& e : text.entries) {
        switch (e.kind) {
        case EntryKind::Group:
            out += '[';
            out.append(text.name(e));
            out.append("]\r\n");
            break;
        case EntryKind::Comment:
            out.append("; ");
            out.append(text.name(e));
            out.append("\r\n");
            break;
        case EntryKind::Key:
            out.append(text.name(e));
            out.append(" = ");
            out.append(text.value(e));
            out.append("\r\n");
            break;
        }
    }
    return out;
}

bool namesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace codarium::prefs
