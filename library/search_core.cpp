#include "library/search_core.h"

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <optional>
#include <set>
#include <system_error>
#include <thread>

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

    bool foundIn(const char* data, std::size_t size) const {
        const std::size_t m = needle_.size();
        if (m == 0) {
            return true;
        }
        if (size < m) {
            return false;
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
                    return true;
                }
            }
            i += skip_[last];
        }
        return false;
    }

private:
    std::string needle_;
    std::array<std::size_t, 256> skip_{};
};

// The threads that read and match files: one per core, as the walk hands
// out whole files and the work is reading them in.
unsigned poolSize(unsigned requested) {
    constexpr unsigned kMostThreads = 8;
    const unsigned wanted = requested != 0 ? requested : std::thread::hardware_concurrency();
    return std::clamp(wanted, 1u, kMostThreads);
}

// Folders held open at once by the walk; past this, files of further
// folders are opened by their whole path, so that a library of very many
// folders never runs the process out of descriptors.
constexpr std::size_t kMostOpenFolders = 256;

class Search {
public:
    Search(std::string_view root, std::string_view text)
        : rootLength_(root.size()), needle_(platform::lowerCased(text)), searcher_(needle_),
          // Lines end at CR, LF and NUL, so a text holding one of them can
          // only ever be found in a file name.
          contentCanMatch_(needle_.find_first_of(std::string_view("\r\n\0", 3)) ==
                           std::string::npos) {}

    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    ~Search() {
        for (const Folder& folder : folders_) {
            platform::closeDirectoryHandle(folder.handle);
        }
    }

    // Collects the source files below `path` in the order of the results:
    // each folder's entries sorted, a subfolder searched where it sorts.
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
        std::optional<std::size_t> folder;
        for (auto& [key, entry] : entries) {
            if (entry.isDirectory) {
                directory(platform::joinPath(path, entry.name));
            } else if (hasSourceExtension(entry.name)) {
                if (!folder) {
                    folder = addFolder(path);
                }
                files_.push_back({*folder, std::move(entry.name)});
            }
        }
    }

    // Reads and matches every collected file on `threads` threads.
    std::vector<SearchResult> run(unsigned threads) {
        found_.assign(files_.size(), 0);
        std::vector<std::thread> pool;
        const auto helpers =
            std::min<std::size_t>(threads - 1, files_.size() > 1 ? files_.size() - 1 : 0);
        for (std::size_t i = 0; i < helpers; ++i) {
            try {
                pool.emplace_back([this] { matchFiles(); });
            } catch (const std::system_error&) {
                break; // fewer threads: the others share the work
            }
        }
        matchFiles();
        for (auto& thread : pool) {
            thread.join();
        }
        std::vector<SearchResult> results;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            if (found_[i] != 0) {
                const std::string& name = files_[i].name;
                const std::string& path = folders_[files_[i].folder].path;
                const auto cut = std::min(path.size(), rootLength_ + 1);
                results.push_back({name.substr(0, name.size() - 3), path.substr(cut)});
            }
        }
        return results;
    }

private:
    struct Folder {
        std::string path;
        int handle = -1; // -1: its files are opened by their whole path
    };
    struct SourceFile {
        std::size_t folder;
        std::string name;
    };

    static bool hasSourceExtension(std::string_view name) {
        const auto dot = name.rfind('.');
        return dot != std::string_view::npos && name.substr(dot + 1) == "pb";
    }

    std::size_t addFolder(const std::string& path) {
        const int handle =
            folders_.size() < kMostOpenFolders ? platform::openDirectoryHandle(path) : -1;
        folders_.push_back({path, handle});
        return folders_.size() - 1;
    }

    bool contains(std::string_view bytes) const {
        return searcher_.foundIn(bytes.data(), bytes.size());
    }

    // One thread's share: takes the next file not yet taken until none is
    // left. Each file's mark is written by the one thread that took it.
    void matchFiles() {
        std::string buffer;
        for (;;) {
            const std::size_t i = next_.fetch_add(1, std::memory_order_relaxed);
            if (i >= files_.size()) {
                return;
            }
            found_[i] = matches(files_[i], buffer) ? 1 : 0;
        }
    }

    bool matches(const SourceFile& file, std::string& buffer) const {
        const Folder& folder = folders_[file.folder];
        std::optional<std::size_t> length;
        if (folder.handle >= 0) {
            length = platform::readFileIn(folder.handle, file.name, buffer);
        } else if (platform::readWholeFile(platform::joinPath(folder.path, file.name), buffer)) {
            length = buffer.size();
        }
        // An unreadable file is skipped, whatever its name holds.
        if (!length) {
            return false;
        }
        return contains(file.name) ||
               (contentCanMatch_ && contains(std::string_view(buffer.data(), *length)));
    }

    // A folder linked into its own subtree would otherwise be walked forever.
    bool firstVisit(const std::string& path) {
        std::error_code ec;
        const auto canonical = std::filesystem::canonical(platform::nativePath(path), ec);
        return ec || visited_.insert(canonical.native()).second;
    }

    std::size_t rootLength_;
    std::string needle_;
    FoldedSearcher searcher_;
    bool contentCanMatch_;
    std::set<std::string> visited_;
    std::vector<Folder> folders_;
    std::vector<SourceFile> files_;
    std::vector<unsigned char> found_;
    std::atomic<std::size_t> next_{0};
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
                                      unsigned threads) {
    Search search(root, text);
    search.directory(std::string(root));
    return search.run(poolSize(threads));
}

} // namespace codarium::library
