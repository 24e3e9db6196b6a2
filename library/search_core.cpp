#include "library/search_core.h"

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <system_error>

namespace codarium::library {
namespace {

using LowerTable = std::array<unsigned char, 256>;

const LowerTable& lowerTable() {
    static const LowerTable table = [] {
        LowerTable t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            t[i] = static_cast<unsigned char>(
                platform::lowerCaseByte(static_cast<char>(static_cast<unsigned char>(i))));
        }
        return t;
    }();
    return table;
}

// Horspool's search over case-folded bytes: the text is folded only at the
// few positions compared, never copied or lowered as a whole.
class FoldedSearcher {
public:
    explicit FoldedSearcher(std::string folded) : needle_(std::move(folded)) {
        const LowerTable& fold = lowerTable();
        const std::size_t m = needle_.size();
        std::array<std::size_t, 256> byFolded{};
        byFolded.fill(m);
        for (std::size_t k = 0; k + 1 < m; ++k) {
            byFolded[static_cast<unsigned char>(needle_[k])] = m - 1 - k;
        }
        for (std::size_t c = 0; c < skip_.size(); ++c) {
            skip_[c] = byFolded[fold[c]];
        }
    }

    // The offset of the first occurrence, or npos.
    std::size_t find(const char* data, std::size_t size) const {
        const std::size_t m = needle_.size();
        if (m == 0) {
            return 0;
        }
        if (size < m) {
            return std::string_view::npos;
        }
        const LowerTable& fold = lowerTable();
        const auto* text = reinterpret_cast<const unsigned char*>(data);
        const auto* pattern = reinterpret_cast<const unsigned char*>(needle_.data());
        for (std::size_t i = 0; i <= size - m;) {
            const unsigned char last = text[i + m - 1];
            if (fold[last] == pattern[m - 1]) {
                std::size_t j = m - 1;
                while (j > 0 && fold[text[i + j - 1]] == pattern[j - 1]) {
                    --j;
                }
                if (j == 0) {
                    return i;
                }
            }
            i += skip_[last];
        }
        return std::string_view::npos;
    }

private:
    std::string needle_;
    std::array<std::size_t, 256> skip_{};
};

class Search {
public:
    Search(std::string_view root, std::string_view text, MatchLines lines)
        : lines_(lines), rootLength_(root.size()), needle_(platform::lowerCased(text)),
          searcher_(needle_),
          // Lines end at CR, LF and NUL, so a text holding one of them can
          // only ever be found in a file name.
          contentCanMatch_(needle_.find_first_of(std::string_view("\r\n\0", 3)) ==
                           std::string::npos) {}

    void directory(const std::string& path) {
        if (!firstVisit(path)) {
            return;
        }
        struct Keyed {
            std::string key;
            platform::DirectoryEntry entry;
        };
        std::vector<Keyed> entries;
        for (auto& entry : platform::listDirectory(path)) {
            entries.push_back({platform::lowerCased(entry.name), std::move(entry)});
        }
        std::sort(entries.begin(), entries.end(), [](const Keyed& a, const Keyed& b) {
            return a.key != b.key ? a.key < b.key : a.entry.name < b.entry.name;
        });
        for (const auto& [key, entry] : entries) {
            const std::string child = platform::joinPath(path, entry.name);
            if (entry.isDirectory) {
                directory(child);
            } else if (hasSourceExtension(entry.name)) {
                file(path, entry.name, child);
            }
        }
    }

    std::vector<SearchResult> takeResults() { return std::move(results_); }

private:
    static bool hasSourceExtension(std::string_view name) {
        const auto dot = name.rfind('.');
        return dot != std::string_view::npos && name.substr(dot + 1) == "pb";
    }

    std::size_t find(std::string_view bytes) const {
        return searcher_.find(bytes.data(), bytes.size());
    }

    void file(const std::string& folder, const std::string& name, const std::string& path) {
        // An unreadable file is skipped, whatever its name holds.
        if (!platform::readWholeFile(path, buffer_)) {
            return;
        }
        const bool byName = find(name) != std::string_view::npos;
        // A match by name alone needs the content only for its line.
        std::size_t at = std::string_view::npos;
        if (contentCanMatch_ && (!byName || lines_ == MatchLines::Collected)) {
            at = find(buffer_);
        }
        if (!byName && at == std::string_view::npos) {
            return;
        }
        const auto cut = std::min(folder.size(), rootLength_ + 1);
        SearchResult& r =
            results_.emplace_back(name.substr(0, name.size() - 3), folder.substr(cut));
        if (lines_ == MatchLines::Collected && at != std::string_view::npos) {
            lineAt(at, r);
        }
    }

    // The line holding offset `at` of the buffer; only the text before the
    // match is counted, and only for a file that matched.
    void lineAt(std::size_t at, SearchResult& r) const {
        const std::string_view text(buffer_);
        int line = 1;
        std::size_t start = 0;
        for (std::size_t k = 0; k < at; ++k) {
            const char c = text[k];
            // Numbered as the code view numbers them: CR, LF or CR LF ends a line.
            if (c == '\n' || (c == '\r' && (k + 1 >= text.size() || text[k + 1] != '\n'))) {
                ++line;
                start = k + 1;
            }
        }
        const std::size_t end = text.find_first_of(std::string_view("\r\n\0", 3), at);
        const std::size_t length =
            std::min((end == std::string_view::npos ? text.size() : end) - start, MatchLineLimit);
        r.line = line;
        r.lineText = std::string(text.substr(start, length));
    }

    // A folder linked into its own subtree would otherwise be walked forever.
    bool firstVisit(const std::string& path) {
        std::error_code ec;
        const auto canonical = std::filesystem::canonical(platform::nativePath(path), ec);
        return ec || visited_.insert(canonical.native()).second;
    }

    MatchLines lines_;
    std::size_t rootLength_;
    std::string needle_;
    FoldedSearcher searcher_;
    bool contentCanMatch_;
    std::string buffer_;
    std::set<std::string> visited_;
    std::vector<SearchResult> results_;
};

} // namespace

bool searchOrderLess(std::string_view a, std::string_view b) {
    const std::string la = platform::lowerCased(a), lb = platform::lowerCased(b);
    if (la != lb) {
        return static_cast<std::string_view>(la) < static_cast<std::string_view>(lb);
    }
    return a < b;
}

std::vector<SearchResult> searchCodes(std::string_view root, std::string_view text,
                                      MatchLines lines) {
    Search search(root, text, lines);
    search.directory(std::string(root));
    return search.takeResults();
}

std::string matchToolTip(const SearchResult& result) {
    if (result.line <= 0) {
        return "Name";
    }
    // Tabs and zero bytes do not show in a tooltip; leading blanks say nothing.
    std::string text = result.lineText;
    for (char& c : text) {
        if (c == '\t' || c == '\0') {
            c = ' ';
        }
    }
    const auto first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    return "Zeile " + std::to_string(result.line) + ": " + text;
}

} // namespace codarium::library
