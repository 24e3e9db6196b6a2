#pragma once
// The in-memory form of a preferences file: its text and the ordered list of
// group, comment and key entries that refer into that text. Used by
// PrefsFile; parsing and formatting are kept apart from the file handling.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::prefs {

enum class EntryKind : std::uint8_t { Group, Comment, Key };

// Offsets and lengths into PrefsText::pool. For groups and comments only the
// name part is used. 32-bit offsets keep an entry at 20 bytes, so that even a
// file made only of one-character lines stays within a small multiple of its
// size.
struct Entry {
    std::uint32_t nameOffset = 0;
    std::uint32_t nameLength = 0;
    std::uint32_t valueOffset = 0;
    std::uint32_t valueLength = 0;
    EntryKind kind = EntryKind::Key;
};

// The largest text a PrefsText holds; larger files are refused, and
// changes that would grow the pool beyond it are dropped.
inline constexpr std::size_t kMaxPoolSize = std::size_t{1} << 30;

struct PrefsText {
    bool utf8 = false;
    std::string pool;
    std::vector<Entry> entries;

    std::string_view name(const Entry& e) const {
        return std::string_view(pool).substr(e.nameOffset, e.nameLength);
    }
    std::string_view value(const Entry& e) const {
        return std::string_view(pool).substr(e.valueOffset, e.valueLength);
    }
    // Appends text to the pool; false when the pool would grow too large.
    bool store(std::string_view text, std::uint32_t& offset);
};

// Builds the entry list from a file's bytes (the byte order mark included,
// when there is one). The bytes must not exceed kMaxPoolSize.
PrefsText parsePrefsText(std::string bytes);

// Turns a text without the UTF-8 mark into one with it: every name and
// value re-encoded by the rule the reader undoes (each byte its own code
// point), so what was read before reads the same after. False, and the text
// unchanged, when the grown text would exceed kMaxPoolSize.
bool convertToUtf8(PrefsText& text);

// The file's bytes as written back.
std::string formatPrefsText(const PrefsText& text);

// Equality of names: ASCII letters in either case, every other byte exactly.
bool namesEqual(std::string_view a, std::string_view b);

} // namespace codarium::prefs
