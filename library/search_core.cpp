#include "library/search_core.h"

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
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

void lowerInPlace(std::string& bytes) {
    const LowerTable& table = lowerTable();
    for (char& c : bytes) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
}

class Search {
public:
    Search(std::string_view root, std::string_view text)
        : rootLength_(root.size()), needle_(platform::lowerCased(text)),
          searcher_(needle_.begin(), needle_.end()),
          // Lines end at CR, LF and NUL, so a text holding one of them can
          // only ever be found in a file name.
          contentCanMatch_(needle_.find_first_of(std::string_view("\r\n\0", 3)) ==
                           std::string::npos) {}

    void directory(const std::string& path) {
        if (!firstVisit(path)) {
            return;
        }
        auto entries = platform::listDirectory(path);
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return searchOrderLess(a.name, b.name); });
        for (const auto& entry : entries) {
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

    bool contains(const std::string& lowered) const {
        return std::search(lowered.begin(), lowered.end(), searcher_) != lowered.end();
    }

    void file(const std::string& folder, const std::string& name, const std::string& path) {
        std::FILE* stream = std::fopen(platform::nativePath(path).c_str(), "rb");
        if (!stream) {
            return;
        }
        std::string lowered = name;
        lowerInPlace(lowered);
        bool found = contains(lowered);
        if (!found && contentCanMatch_) {
            found = contentContains(stream);
        }
        std::fclose(stream);
        if (found) {
            const auto cut = std::min(folder.size(), rootLength_ + 1);
            results_.push_back({name.substr(0, name.size() - 3), folder.substr(cut)});
        }
    }

    bool contentContains(std::FILE* stream) {
        std::setvbuf(stream, nullptr, _IONBF, 0);
        buffer_.clear();
        constexpr std::size_t block = 1 << 16;
        for (;;) {
            const std::size_t used = buffer_.size();
            buffer_.resize(used + block);
            const std::size_t got = std::fread(buffer_.data() + used, 1, block, stream);
            buffer_.resize(used + got);
            if (got < block) {
                break;
            }
        }
        lowerInPlace(buffer_);
        return contains(buffer_);
    }

    // A folder linked into its own subtree would otherwise be walked forever.
    bool firstVisit(const std::string& path) {
        std::error_code ec;
        const auto canonical = std::filesystem::canonical(platform::nativePath(path), ec);
        return ec || visited_.insert(canonical.native()).second;
    }

    std::size_t rootLength_;
    std::string needle_;
    std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher_;
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

std::vector<SearchResult> searchCodes(std::string_view root, std::string_view text) {
    Search search(root, text);
    search.directory(std::string(root));
    return search.takeResults();
}

} // namespace codarium::library
