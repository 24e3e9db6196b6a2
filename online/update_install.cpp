#include "online/update_install.h"

#include "online/update_leftovers.h"
#include "online/update_state.h"
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
    JournalFile file;
    ReplacementNames names;
};

bool stopped(const StopToken* stop) {
    return stop != nullptr && stop->load();
}

void mark(const UpdateStepHook& step) {
    if (step) {
        step();
    }
}

bool blankEntry(const IndexEntry& entry) {
    return entry.path.empty() && entry.digest.empty() && entry.size.empty();
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Creates the folders above the file below root that do not exist yet, each
// one journaled before it is made so that an interrupted update removes it.
bool createFoldersFor(std::string_view root, std::string_view releasePathText,
                      UpdateJournal& journal, const UpdateStepHook& step) {
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = releasePathText.find('/', start);
        if (slash == std::string_view::npos) {
            return true;
        }
        const std::string relative(releasePathText.substr(0, slash));
        const std::string folder = platform::joinLibraryName(root, relative);
        if (!platform::directoryExists(folder)) {
            journal.folders.push_back(relative);
            mark(step);
            if (!saveJournal(root, journal) || !platform::createDirectory(folder)) {
                return false;
            }
        }
        start = slash + 1;
    }
}

bool arrivedIntact(const Fetch& fetch, FingerprintBuffer& buffer) {
    return platform::fileSize(fetch.names.fetched) == fetch.file.size &&
           fileFingerprint(fetch.names.fetched, buffer) == fetch.file.digest;
}

} // namespace

int fileDownloadSeconds(std::int32_t listedSize) {
    return 60 + std::max<std::int32_t>(listedSize, 0) / 4096;
}

bool updaterOwnPath(std::string_view releasePathText) {
    if (releasePathText == JournalFileName || releasePathText == UpdateStateFileName ||
        endsWith(releasePathText, FetchedSuffix) || endsWith(releasePathText, PreviousSuffix)) {
        return true;
    }
    return isUpdaterTemporary(releasePathText);
}

InstallResult installUpdate(const UpdateSource& source, const std::vector<IndexEntry>& entries,
                            FingerprintBuffer& buffer, const InstallProgress& progress,
                            const StopToken* stop, const UpdateStepHook& step,
                            std::int64_t releaseTimestamp) {
    const std::string& root = source.programDirectory;
    // Every path is checked before anything is fetched.
    for (const IndexEntry& entry : entries) {
        if (!blankEntry(entry) &&
            (!safeReleasePath(entry.path) || updaterOwnPath(releasePath(entry.path)))) {
            return {InstallError::UnsafePath, entry.path, 0};
        }
    }
    std::vector<Fetch> fetches;
    std::set<std::string> seen;
    UpdateJournal journal;
    journal.timestamp = releaseTimestamp;
    for (const IndexEntry& entry : entries) {
        if (stopped(stop)) {
            return {InstallError::Stopped, {}, 0};
        }
        const std::string path = releasePath(entry.path);
        if (blankEntry(entry) || !seen.insert(path).second || !fileChanged(entry, root, buffer)) {
            continue;
        }
        Fetch fetch;
        fetch.indexPath = entry.path;
        fetch.file.path = path;
        fetch.file.digest = platform::lowerCased(entry.digest);
        fetch.file.size = indexSize(entry.size);
        fetch.names = replacementNames(root, fetch.file);
        fetch.file.hadPrevious = platform::pathExists(fetch.names.target);
        journal.files.push_back(fetch.file);
        fetches.push_back(std::move(fetch));
    }
    const int total = static_cast<int>(fetches.size());
    if (total == 0) {
        if (releaseTimestamp > 0) {
            mark(step);
            recordInstalledTimestamp(root, releaseTimestamp);
        }
        return {InstallError::None, {}, 0};
    }

    // Journaled before the first folder or file is made.
    mark(step);
    if (!saveJournal(root, journal)) {
        return {InstallError::Replace, JournalFileName.data(), 0};
    }
    const auto fail = [&](InstallError error, const std::string& file) {
        undoUpdate(root, journal);
        return InstallResult{error, error == InstallError::Stopped ? std::string() : file, 0};
    };
    for (int i = 0; i < total; ++i) {
        const Fetch& fetch = fetches[static_cast<std::size_t>(i)];
        if (progress) {
            progress(fetch.indexPath, i, total);
        }
        if (!createFoldersFor(root, fetch.file.path, journal, step)) {
            return fail(InstallError::Download, fetch.indexPath);
        }
        platform::removeFile(fetch.names.fetched);
        mark(step);
        // A body longer than the listed size is damaged whatever follows,
        // so the download stops there.
        download(releaseUrl(source, fetch.file.path), fetch.names.fetched, stop,
                 std::max<std::int64_t>(fetch.file.size, 0),
                 fileDownloadSeconds(static_cast<std::int32_t>(fetch.file.size)));
        if (stopped(stop)) {
            return fail(InstallError::Stopped, {});
        }
        if (!platform::fileExists(fetch.names.fetched)) {
            return fail(InstallError::Download, fetch.indexPath);
        }
        if (!arrivedIntact(fetch, buffer)) {
            return fail(InstallError::Damaged, fetch.indexPath);
        }
    }
    if (progress) {
        progress({}, total, total);
    }
    // The new files keep the permission bits of the ones they replace, and a
    // ".vorher" left from long ago must not be taken for this update's.
    for (const Fetch& fetch : fetches) {
        if (const auto mode = platform::fileMode(fetch.names.target)) {
            platform::setFileMode(fetch.names.fetched, *mode);
        }
        if (platform::fileExists(fetch.names.previous)) {
            platform::removeFile(fetch.names.previous);
        }
    }
    journal.phase = JournalPhase::Replacing;
    mark(step);
    if (!saveJournal(root, journal)) {
        return fail(InstallError::Replace, std::string(JournalFileName));
    }
    std::string failedFile;
    if (!finishReplacement(root, journal, failedFile, step)) {
        for (const Fetch& fetch : fetches) {
            if (fetch.file.path == failedFile) {
                failedFile = fetch.indexPath;
            }
        }
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
