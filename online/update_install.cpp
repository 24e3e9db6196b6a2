#include "online/update_install.h"

#include "platform/code_page.h"
#include "platform/file_mode.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "runtime/http_download.h"

#include <algorithm>
#include <set>

namespace codarium::online {
namespace {

struct Fetch {
    std::string indexPath;
    std::string target;
    std::string fetched;  // target + FetchedSuffix
    std::string previous; // target + PreviousSuffix
    std::int32_t size = 0;
    std::string digest;
};

bool stopped(const StopToken* stop) {
    return stop != nullptr && stop->load();
}

bool blankEntry(const IndexEntry& entry) {
    return entry.path.empty() && entry.digest.empty() && entry.size.empty();
}

// Creates the folders above `path` below `root` that do not exist yet.
bool createFoldersFor(std::string_view root, std::string_view releasePathText) {
    std::string folder(root);
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = releasePathText.find('/', start);
        if (slash == std::string_view::npos) {
            return true;
        }
        folder = platform::joinLibraryName(folder, releasePathText.substr(start, slash - start));
        if (!platform::directoryExists(folder) && !platform::createDirectory(folder)) {
            return false;
        }
        start = slash + 1;
    }
}

void removeFetched(const std::vector<Fetch>& fetches) {
    for (const Fetch& fetch : fetches) {
        platform::removeFile(fetch.fetched);
    }
}

bool arrivedIntact(const Fetch& fetch, FingerprintBuffer& buffer) {
    return platform::fileSize(fetch.fetched) == static_cast<std::int64_t>(fetch.size) &&
           fileFingerprint(fetch.fetched, buffer) == platform::lowerCased(fetch.digest);
}

// Puts every fetched file in place. On a failure the files replaced so far
// get their previous contents back and the new ones go away.
bool replaceAll(const std::vector<Fetch>& fetches, std::string& failedFile,
                const InstallStepHook& beforeRename) {
    const auto step = [&] {
        if (beforeRename) {
            beforeRename();
        }
    };
    std::vector<bool> hadPrevious(fetches.size(), false);
    std::size_t done = 0;
    for (; done < fetches.size(); ++done) {
        const Fetch& fetch = fetches[done];
        if (const auto mode = platform::fileMode(fetch.target)) {
            platform::setFileMode(fetch.fetched, *mode);
            step();
            if (!platform::renameReplacing(fetch.target, fetch.previous)) {
                break;
            }
            hadPrevious[done] = true;
        }
        step();
        if (!platform::renameReplacing(fetch.fetched, fetch.target)) {
            if (hadPrevious[done]) {
                platform::renameReplacing(fetch.previous, fetch.target);
            }
            break;
        }
    }
    if (done < fetches.size()) {
        failedFile = fetches[done].indexPath;
        for (std::size_t i = done; i-- > 0;) {
            if (hadPrevious[i]) {
                platform::renameReplacing(fetches[i].previous, fetches[i].target);
            } else {
                platform::removeFile(fetches[i].target);
            }
        }
        removeFetched(fetches);
        return false;
    }
    for (std::size_t i = 0; i < fetches.size(); ++i) {
        if (hadPrevious[i]) {
            platform::removeFile(fetches[i].previous);
        }
    }
    return true;
}

} // namespace

int fileDownloadSeconds(std::int32_t listedSize) {
    return 60 + std::max<std::int32_t>(listedSize, 0) / 4096;
}

InstallResult installUpdate(const UpdateSource& source, const std::vector<IndexEntry>& entries,
                            FingerprintBuffer& buffer, const InstallProgress& progress,
                            const StopToken* stop, const InstallStepHook& beforeRename) {
    // Every path is checked before anything is fetched.
    for (const IndexEntry& entry : entries) {
        if (!blankEntry(entry) && !safeReleasePath(entry.path)) {
            return {InstallError::UnsafePath, entry.path, 0};
        }
    }
    std::vector<Fetch> fetches;
    std::set<std::string> seen;
    for (const IndexEntry& entry : entries) {
        if (stopped(stop)) {
            return {InstallError::Stopped, {}, 0};
        }
        const std::string path = releasePath(entry.path);
        if (blankEntry(entry) || !seen.insert(path).second ||
            !fileChanged(entry, source.programDirectory, buffer)) {
            continue;
        }
        Fetch fetch;
        fetch.indexPath = entry.path;
        fetch.target = platform::joinLibraryName(source.programDirectory, path);
        fetch.fetched = fetch.target + std::string(FetchedSuffix);
        fetch.previous = fetch.target + std::string(PreviousSuffix);
        fetch.size = indexSize(entry.size);
        fetch.digest = entry.digest;
        fetches.push_back(std::move(fetch));
    }

    const int total = static_cast<int>(fetches.size());
    for (int i = 0; i < total; ++i) {
        const Fetch& fetch = fetches[static_cast<std::size_t>(i)];
        if (progress) {
            progress(fetch.indexPath, i, total);
        }
        const std::string path = releasePath(fetch.indexPath);
        InstallError error = InstallError::None;
        if (!createFoldersFor(source.programDirectory, path)) {
            error = InstallError::Download;
        } else {
            platform::removeFile(fetch.fetched);
            // A body longer than the listed size is damaged whatever follows,
            // so the download stops there.
            download(releaseUrl(source, path), fetch.fetched, stop,
                     std::max<std::int64_t>(fetch.size, 0), fileDownloadSeconds(fetch.size));
            if (stopped(stop)) {
                error = InstallError::Stopped;
            } else if (!platform::fileExists(fetch.fetched)) {
                error = InstallError::Download;
            } else if (!arrivedIntact(fetch, buffer)) {
                error = InstallError::Damaged;
            }
        }
        if (error != InstallError::None) {
            removeFetched(fetches);
            return {error, error == InstallError::Stopped ? std::string() : fetch.indexPath, 0};
        }
    }
    if (progress) {
        progress({}, total, total);
    }
    std::string failedFile;
    if (!replaceAll(fetches, failedFile, beforeRename)) {
        return {InstallError::Replace, failedFile, 0};
    }
    return {InstallError::None, {}, total};
}

std::string installFailureText(const InstallResult& result) {
    const std::string unchanged = platform::fromUtf8(" Es wurde keine Datei geändert.");
    switch (result.error) {
    case InstallError::None:
        return {};
    case InstallError::UnsafePath:
        return platform::fromUtf8("Die Index-Datei nennt eine Datei außerhalb des "
                                  "Programmverzeichnisses: ") +
               result.file + "." + unchanged;
    case InstallError::Download:
        return "Die Datei " + result.file + " konnte nicht heruntergeladen werden." + unchanged;
    case InstallError::Damaged:
        return platform::fromUtf8("Die heruntergeladene Datei ") + result.file +
               platform::fromUtf8(" ist beschädigt (Größe oder Prüfsumme stimmen nicht).") +
               unchanged;
    case InstallError::Replace:
        return "Die Datei " + result.file + " konnte nicht ersetzt werden." + unchanged;
    case InstallError::Stopped:
        return platform::fromUtf8("Die Aktualisierung wurde abgebrochen.") + unchanged;
    }
    return {};
}

} // namespace codarium::online
