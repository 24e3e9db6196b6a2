#include "library/search_core.h"

#include "highlighter/api_calls.h"
#include "library/folded_search.h"

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <system_error>
#include <thread>

namespace codarium::library {
namespace {

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

// What reading one file found: whether it matched, and where its content
// matched first (line 0: by its name alone, or lines not collected).
struct FileMatch {
    bool found = false;
    int line = 0;
    std::string lineText;
};

// The source files of one folder, in their order, handed to the threads as
// soon as the walk has listed the folder. Fixed once handed over, except for
// the matches, each of which only the thread that took its file writes.
struct FolderFiles {
    std::string path;
    int handle = -1; // -1: its files are opened by their whole path
    std::vector<std::string> names;
    std::vector<FileMatch> matches;
};

// The line holding offset `at` of `text`, numbered as the code view numbers
// them (CR, LF or CR LF ends a line). Only the text before the match is
// counted, and only for a file that matched.
void lineAt(std::string_view text, std::size_t at, FileMatch& match) {
    int line = 1;
    std::size_t start = 0;
    for (std::size_t k = 0; k < at; ++k) {
        const char c = text[k];
        if (c == '\n' || (c == '\r' && (k + 1 >= text.size() || text[k + 1] != '\n'))) {
            ++line;
            start = k + 1;
        }
    }
    const std::size_t end = text.find_first_of(std::string_view("\r\n\0", 3), at);
    const std::size_t length =
        std::min((end == std::string_view::npos ? text.size() : end) - start, MatchLineLimit);
    match.line = line;
    match.lineText = std::string(text.substr(start, length));
}

// A call's name as PureBasic compares it: ASCII letters without case.
std::string foldedName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return folded;
}

class Search {
public:
    // With `callOf` set, a file matches only when it calls that API function;
    // `text` (its name and '_') then only rules out the files that cannot.
    Search(std::string_view root, std::string_view text, MatchLines lines,
           std::string_view callOf = {})
        : lines_(lines), rootLength_(root.size()), needle_(platform::lowerCased(text)),
          callOf_(foldedName(callOf)), searcher_(needle_),
          // Lines end at CR, LF and NUL, so a text holding one of them can
          // only ever be found in a file name.
          contentCanMatch_(needle_.find_first_of(std::string_view("\r\n\0", 3)) ==
                           std::string::npos) {}

    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    ~Search() {
        for (const FolderFiles& folder : folders_) {
            platform::closeDirectoryHandle(folder.handle);
        }
    }

    // Walks the tree on the calling thread while `threads` - 1 helpers read
    // and match the files of the folders listed so far; the caller joins
    // them when the walk is done. The rows follow the walk's order.
    std::vector<SearchResult> run(const std::string& root, unsigned threads) {
        std::vector<std::thread> pool;
        for (unsigned i = 1; i < threads; ++i) {
            try {
                pool.emplace_back([this] { matchFiles(); });
            } catch (const std::system_error&) {
                break; // fewer threads: the others share the work
            }
        }
        directory(root);
        {
            const std::lock_guard lock(mutex_);
            walkDone_ = true;
        }
        more_.notify_all();
        matchFiles();
        for (auto& thread : pool) {
            thread.join();
        }
        std::vector<SearchResult> results;
        for (FolderFiles& folder : folders_) {
            const auto cut = std::min(folder.path.size(), rootLength_ + 1);
            for (std::size_t i = 0; i < folder.names.size(); ++i) {
                FileMatch& match = folder.matches[i];
                if (match.found) {
                    const std::string& name = folder.names[i];
                    results.push_back({platform::libraryFormOf(name.substr(0, name.size() - 3)),
                                       platform::libraryFormOf(folder.path.substr(cut)), match.line,
                                       std::move(match.lineText)});
                }
            }
        }
        return results;
    }

private:
    // Collects the source files below `path` in the order of the results:
    // each folder's entries sorted, a subfolder searched where it sorts.
    // The files of one folder before and after a subfolder form two lots.
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
            entries.push_back(
                {platform::lowerCased(platform::libraryFormOf(entry.name)), std::move(entry)});
        }
        std::sort(entries.begin(), entries.end(), [](const Keyed& a, const Keyed& b) {
            return a.key != b.key ? a.key < b.key : a.entry.name < b.entry.name;
        });
        std::vector<std::string> names;
        for (auto& [key, entry] : entries) {
            if (entry.isDirectory) {
                handOver(path, names);
                directory(platform::joinPath(path, entry.name));
            } else if (hasSourceExtension(entry.name)) {
                names.push_back(std::move(entry.name));
            }
        }
        handOver(path, names);
    }

    static bool hasSourceExtension(std::string_view name) {
        const auto dot = name.rfind('.');
        return dot != std::string_view::npos && name.substr(dot + 1) == "pb";
    }

    void handOver(const std::string& path, std::vector<std::string>& names) {
        if (names.empty()) {
            return;
        }
        FolderFiles folder;
        folder.path = path;
        folder.handle = openFolders_ < kMostOpenFolders ? platform::openDirectoryHandle(path) : -1;
        openFolders_ += folder.handle >= 0 ? 1 : 0;
        folder.matches.resize(names.size());
        folder.names = std::move(names);
        names.clear();
        {
            const std::lock_guard lock(mutex_);
            folders_.push_back(std::move(folder));
        }
        more_.notify_all();
    }

    // The next file no thread has taken yet, waiting while the walk may still
    // add some; false when every file is taken. The folder is returned by
    // address: the list of folders grows meanwhile, its elements stay put.
    bool takeFile(FolderFiles*& folder, std::size_t& index) {
        std::unique_lock lock(mutex_);
        for (;;) {
            while (nextFolder_ < folders_.size()) {
                FolderFiles& candidate = folders_[nextFolder_];
                if (nextFile_ < candidate.names.size()) {
                    folder = &candidate;
                    index = nextFile_++;
                    return true;
                }
                ++nextFolder_;
                nextFile_ = 0;
            }
            if (walkDone_) {
                return false;
            }
            more_.wait(lock);
        }
    }

    // One thread's share of the reading and matching.
    void matchFiles() {
        std::string buffer;
        FolderFiles* folder = nullptr;
        std::size_t index = 0;
        while (takeFile(folder, index)) {
            folder->matches[index] = match(*folder, folder->names[index], buffer);
        }
    }

    FileMatch match(const FolderFiles& folder, const std::string& name, std::string& buffer) const {
        std::optional<std::size_t> length;
        if (folder.handle >= 0) {
            length = platform::readFileIn(folder.handle, name, buffer);
        } else if (platform::readWholeFile(platform::joinPath(folder.path, name), buffer)) {
            length = buffer.size();
        }
        FileMatch result;
        // An unreadable file is skipped, whatever its name holds.
        if (!length) {
            return result;
        }
        const std::string_view content(buffer.data(), *length);
        if (!callOf_.empty()) {
            return callMatch(content);
        }
        const bool byName = searcher_.foundIn(platform::libraryFormOf(name));
        // A match by name alone needs the content only for its line.
        std::size_t at = std::string_view::npos;
        if (contentCanMatch_ && (!byName || lines_ == MatchLines::Collected)) {
            at = searcher_.find(content);
        }
        result.found = byName || at != std::string_view::npos;
        if (lines_ == MatchLines::Collected && at != std::string_view::npos) {
            lineAt(content, at, result);
        }
        return result;
    }

    // The first call of the function, by the highlighter's rules; the text
    // search first passes over the many files that do not even mention it.
    FileMatch callMatch(std::string_view content) const {
        FileMatch result;
        if (searcher_.find(content) == std::string_view::npos) {
            return result;
        }
        for (const highlighter::ApiCallSite& site : highlighter::apiCallSites(content)) {
            if (foldedName(highlighter::apiFunctionName(content, site)) == callOf_) {
                result.found = true;
                if (lines_ == MatchLines::Collected) {
                    lineAt(content, site.offset, result);
                }
                break;
            }
        }
        return result;
    }

    // A folder linked into its own subtree would otherwise be walked forever.
    bool firstVisit(const std::string& path) {
        std::error_code ec;
        const auto canonical = std::filesystem::canonical(path, ec);
        return ec || visited_.insert(canonical.native()).second;
    }

    const MatchLines lines_;
    const std::size_t rootLength_;
    const std::string needle_;
    const std::string callOf_;
    const FoldedSearcher searcher_;
    const bool contentCanMatch_;
    // The walk's own, on the calling thread.
    std::set<std::string> visited_;
    std::size_t openFolders_ = 0;
    // Shared with the helpers, under the mutex.
    std::mutex mutex_;
    std::condition_variable more_;
    std::deque<FolderFiles> folders_;
    std::size_t nextFolder_ = 0;
    std::size_t nextFile_ = 0;
    bool walkDone_ = false;
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
                                      MatchLines lines, unsigned threads) {
    Search search(root, text, lines);
    return search.run(std::string(root), poolSize(threads));
}

std::vector<SearchResult> searchCallers(std::string_view root, std::string_view function,
                                        MatchLines lines, unsigned threads) {
    if (function.empty()) {
        return {};
    }
    Search search(root, std::string(function) + "_", lines, function);
    return search.run(std::string(root), poolSize(threads));
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
