#include "online/update_leftovers.h"

#include "online/update_index.h"
#include "online/update_journal.h"
#include "online/update_replacement.h"
#include "online/update_state.h"
#include "platform/file_system.h"
#include "platform/file_tree.h"
#include "platform/paths.h"
#include "platform/update_folder.h"

#include <charconv>
#include <set>
#include <string>

namespace codarium::online {
namespace {

constexpr std::string_view SignatureName = "Index.ini.minisig";

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string_view baseName(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// "<stem>.tmp-<process>-<n>": the stem and the process, or none.
struct TemporaryName {
    std::string_view stem;
    long process = 0;
};
std::optional<TemporaryName> temporaryName(std::string_view path) {
    const auto at = path.rfind(".tmp-");
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = path.substr(at + 5);
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size()) {
        return std::nullopt;
    }
    for (char c : rest) {
        if ((c < '0' || c > '9') && c != '-') {
            return std::nullopt;
        }
    }
    if (rest.find('-', dash + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    TemporaryName name;
    name.stem = path.substr(0, at);
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, name.process);
    static_cast<void>(end);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return name;
}

int clearFolder(const std::string& folder, bool top, bool descend) {
    int cleared = 0;
    for (const platform::DirectoryEntry& entry : platform::listDirectory(folder)) {
        const std::string path = platform::joinPath(folder, entry.name);
        // A link may lead out of the program directory or back into it;
        // nothing the updater makes is one.
        if (platform::isSymbolicLink(path)) {
            continue;
        }
        if (entry.isDirectory) {
            cleared += descend ? clearFolder(path, false, true) : 0;
            continue;
        }
        if (const auto temporary = temporaryName(entry.name);
            temporary && isUpdaterTemporary(entry.name) &&
            (top || endsWith(temporary->stem, FetchedSuffix))) {
            if (!platform::processRunning(temporary->process) && platform::removeFile(path)) {
                ++cleared;
            }
        } else if (endsWith(entry.name, FetchedSuffix)) {
            // A fetched copy without a journal belongs to no update.
            cleared += platform::removeFile(path) ? 1 : 0;
        } else if (endsWith(entry.name, PreviousSuffix)) {
            // The only copy of an installed file whose replacement stopped
            // half way; a file of that name in place is left as it is.
            const std::string target = path.substr(0, path.size() - PreviousSuffix.size());
            if (!platform::pathExists(target) && platform::renameReplacing(path, target)) {
                ++cleared;
            }
        }
    }
    return cleared;
}

} // namespace

bool isUpdaterTemporary(std::string_view path) {
    const auto temporary = temporaryName(path);
    if (!temporary) {
        return false;
    }
    const std::string_view stem = baseName(temporary->stem);
    return endsWith(stem, FetchedSuffix) || stem == IndexFileName || stem == SignatureName ||
           stem == JournalFileName || stem == UpdateStateFileName;
}

void removeDeadTemporariesOf(std::string_view path) {
    const std::string folder = platform::directoryOf(path);
    const std::string_view stem = baseName(path);
    for (const platform::DirectoryEntry& entry : platform::listDirectory(folder)) {
        const auto temporary = temporaryName(entry.name);
        if (!entry.isDirectory && temporary && temporary->stem == stem &&
            !platform::processRunning(temporary->process)) {
            platform::removeFile(platform::joinPath(folder, entry.name));
        }
    }
}

int removeUpdateLeftovers(std::string_view programDirectory) {
    return clearFolder(std::string(programDirectory), true, true);
}

int removeUpdateLeftoversIn(std::string_view programDirectory,
                            const std::vector<std::string>& folders) {
    int cleared = clearFolder(std::string(programDirectory), true, false);
    for (const std::string& folder : std::set<std::string>(folders.begin(), folders.end())) {
        const std::string path = platform::joinLibraryName(programDirectory, folder);
        // A link may lead out of the program directory; the journal's
        // folders are never one.
        if (!folder.empty() && !platform::isSymbolicLink(path) && platform::directoryExists(path)) {
            cleared += clearFolder(path, false, false);
        }
    }
    return cleared;
}

CleanUp cleanUpAfterUpdatesHeld(std::string_view programDirectory, FingerprintBuffer& buffer,
                                LeftoverScope scope) {
    // Read before the recovery removes it: the folders it names are where
    // a killed download or save may have left a temporary file.
    std::vector<std::string> written;
    if (const auto journal = loadJournal(programDirectory)) {
        written = journal->folders;
        for (const JournalFile& file : journal->files) {
            const auto slash = file.path.rfind('/');
            if (slash != std::string::npos) {
                written.push_back(file.path.substr(0, slash));
            }
        }
    }
    if (finishInterruptedUpdate(programDirectory, buffer) == Recovery::Unreadable) {
        return CleanUp::Unreadable;
    }
    // A journal kept for a folder that could not go yet still speaks for
    // what is beside it.
    if (!journalExists(programDirectory)) {
        if (scope == LeftoverScope::WholeDirectory) {
            removeUpdateLeftovers(programDirectory);
        } else {
            removeUpdateLeftoversIn(programDirectory, written);
        }
    }
    return CleanUp::Done;
}

CleanUp cleanUpAfterUpdates(std::string_view programDirectory, LeftoverScope scope) {
    const platform::FolderHold hold(programDirectory);
    if (!hold.held()) {
        return CleanUp::Busy;
    }
    FingerprintBuffer buffer;
    return cleanUpAfterUpdatesHeld(programDirectory, buffer, scope);
}

} // namespace codarium::online
