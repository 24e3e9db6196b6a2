#pragma once
// Putting a fetched release in place and taking it back, driven by the
// journal: each step can be repeated after a kill, so the next updater run or
// program start brings the program directory to one release, old or new.
#include "online/file_fingerprint.h"
#include "online/update_journal.h"

#include <functional>
#include <string>
#include <string_view>

namespace codarium::online {

// Called before each change the update makes on disk (a journal save, a
// rename, a removal, a download). Tests end the process there; the program
// passes none.
using UpdateStepHook = std::function<void()>;

// The suffixes of the fetched copy beside its target, and of the installed
// file while it is being replaced.
inline constexpr std::string_view FetchedSuffix = ".aktualisierung";
inline constexpr std::string_view PreviousSuffix = ".vorher";

struct ReplacementNames {
    std::string target;
    std::string fetched;  // target + FetchedSuffix
    std::string previous; // target + PreviousSuffix
};
ReplacementNames replacementNames(std::string_view programDirectory, const JournalFile& file);

// Renames every fetched file over its target (the installed one set aside
// first), records the release's time, then removes the set-aside copies and
// the journal. The journal must say Replacing. When a rename fails, the
// journal is switched to RollingBack and the whole set is taken back; false
// then, with the file that failed.
bool finishReplacement(std::string_view programDirectory, UpdateJournal& journal,
                       std::string& failedFile, const UpdateStepHook& step = {});

// Takes back whatever the journal's update did: set-aside files return, new
// files and fetched copies go, the folders it made are removed when empty,
// and the journal last, once every one of those folders is gone.
void undoUpdate(std::string_view programDirectory, const UpdateJournal& journal,
                const UpdateStepHook& step = {});

enum class Recovery {
    NoJournal,  // nothing was interrupted
    Finished,   // an interrupted replacement was completed
    Undone,     // an interrupted update was taken back
    Unreadable, // a journal is there but cannot be read; nothing was touched
};

// Brings an update that ended half way to its end: a replacement whose every
// file is at hand and intact is finished, anything else is undone.
Recovery finishInterruptedUpdate(std::string_view programDirectory, FingerprintBuffer& buffer,
                                 const UpdateStepHook& step = {});

} // namespace codarium::online
