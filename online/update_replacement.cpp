#include "online/update_replacement.h"

#include "online/update_leftovers.h"
#include "online/update_state.h"
#include "platform/file_mode.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/update_folder.h"

namespace codarium::online {
namespace {

void mark(const UpdateStepHook& step) {
    if (step) {
        step();
    }
}

bool intact(const std::string& path, const JournalFile& file, FingerprintBuffer& buffer) {
    return platform::fileExists(path) && platform::fileSize(path) == file.size &&
           fileFingerprint(path, buffer) == file.digest;
}

// Whether every file of the journal is either in place already or waiting,
// intact, beside its target.
bool canFinish(std::string_view programDirectory, const UpdateJournal& journal,
               FingerprintBuffer& buffer) {
    for (const JournalFile& file : journal.files) {
        const ReplacementNames names = replacementNames(programDirectory, file);
        if (!intact(names.fetched, file, buffer) &&
            (platform::pathExists(names.fetched) || !intact(names.target, file, buffer))) {
            return false;
        }
    }
    return true;
}

} // namespace

ReplacementNames replacementNames(std::string_view programDirectory, const JournalFile& file) {
    ReplacementNames names;
    names.target = platform::joinLibraryName(programDirectory, file.path);
    names.fetched = names.target + std::string(FetchedSuffix);
    names.previous = names.target + std::string(PreviousSuffix);
    return names;
}

namespace {

// The old file keeps a second name, ".vorher", and the new one is then renamed
// over it in one step, so that no moment leaves the name empty: the program
// itself among them, which a start must find to recover. The target still
// holds the old file here, so a ".vorher" file an interrupted run left is
// made anew from it. Where the file system has no second names, the old file
// is moved aside, as a folder in the way of ".vorher" makes both fail.
bool keepUnderSecondName(const ReplacementNames& names) {
    if (platform::fileExists(names.previous)) {
        platform::removeFile(names.previous);
    }
    return platform::addFileName(names.target, names.previous) ||
           platform::renameReplacing(names.target, names.previous);
}

} // namespace

bool finishReplacement(std::string_view programDirectory, UpdateJournal& journal,
                       std::string& failedFile, const UpdateStepHook& step) {
    for (const JournalFile& file : journal.files) {
        const ReplacementNames names = replacementNames(programDirectory, file);
        if (!platform::pathExists(names.fetched)) {
            continue; // put in place before an interruption
        }
        bool renamed = true;
        if (file.hadPrevious && platform::pathExists(names.target)) {
            mark(step);
            renamed = keepUnderSecondName(names);
        }
        if (renamed) {
            mark(step);
            renamed = platform::renameReplacing(names.fetched, names.target);
        }
        if (!renamed) {
            failedFile = file.path;
            journal.phase = JournalPhase::RollingBack;
            mark(step);
            if (saveJournal(programDirectory, journal)) {
                undoUpdate(programDirectory, journal, step);
            }
            return false;
        }
    }
    if (journal.timestamp > 0) {
        mark(step);
        recordInstalledTimestamp(programDirectory, journal.timestamp);
    }
    for (const JournalFile& file : journal.files) {
        const ReplacementNames names = replacementNames(programDirectory, file);
        if (platform::fileExists(names.previous)) {
            mark(step);
            platform::removeFile(names.previous);
        }
    }
    mark(step);
    removeJournal(programDirectory);
    return true;
}

void undoUpdate(std::string_view programDirectory, const UpdateJournal& journal,
                const UpdateStepHook& step) {
    // Before the replacement began nothing was renamed: a ".vorher" file met
    // then is none of this update's and stays.
    const bool renamed = journal.phase != JournalPhase::Fetching;
    for (const JournalFile& file : journal.files) {
        const ReplacementNames names = replacementNames(programDirectory, file);
        if (renamed && file.hadPrevious && platform::fileExists(names.previous)) {
            mark(step);
            platform::renameReplacing(names.previous, names.target);
        } else if (renamed && !file.hadPrevious && platform::fileExists(names.target) &&
                   !platform::pathExists(names.fetched)) {
            mark(step);
            platform::removeFile(names.target); // new in this release
        }
        if (platform::fileExists(names.fetched)) {
            mark(step);
            platform::removeFile(names.fetched);
        }
        // A download cut short leaves its partial body beside the target.
        removeDeadTemporariesOf(names.fetched);
    }
    // A folder that cannot go yet (a running process still writes in it)
    // keeps the journal, so that a later start removes it.
    bool foldersGone = true;
    for (auto folder = journal.folders.rbegin(); folder != journal.folders.rend(); ++folder) {
        const std::string path = platform::joinLibraryName(programDirectory, *folder);
        if (!platform::removeEmptyFolder(path) && platform::pathExists(path)) {
            foldersGone = false;
        }
    }
    if (foldersGone) {
        mark(step);
        removeJournal(programDirectory);
    }
}

Recovery finishInterruptedUpdate(std::string_view programDirectory, FingerprintBuffer& buffer,
                                 const UpdateStepHook& step) {
    if (!journalExists(programDirectory)) {
        return Recovery::NoJournal;
    }
    auto journal = loadJournal(programDirectory);
    if (!journal) {
        return Recovery::Unreadable;
    }
    if (journal->phase == JournalPhase::Replacing) {
        if (canFinish(programDirectory, *journal, buffer)) {
            std::string failedFile;
            return finishReplacement(programDirectory, *journal, failedFile, step)
                       ? Recovery::Finished
                       : Recovery::Undone;
        }
        // Recorded first, so that an interrupted undo is never taken for a
        // replacement that can still be finished.
        journal->phase = JournalPhase::RollingBack;
        mark(step);
        if (!saveJournal(programDirectory, *journal)) {
            return Recovery::Unreadable;
        }
    }
    undoUpdate(programDirectory, *journal, step);
    return Recovery::Undone;
}

} // namespace codarium::online
