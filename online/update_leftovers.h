#pragma once
// What an update check or an updater that was killed leaves in the program
// directory, and clearing it: the next updater run and every program start
// finish or undo an interrupted update and remove the rest.
#include "online/file_fingerprint.h"

#include <string>
#include <string_view>
#include <vector>

namespace codarium::online {

// True for the name (or path) of a temporary file of a download the update
// check or the updater makes: "<name>.tmp-<process>-<n>" where the name is
// the index, its signature, the journal, the record of the installed release
// or ends in ".aktualisierung".
bool isUpdaterTemporary(std::string_view path);

// Removes the temporary files "<path>.tmp-<process>-<n>" beside path whose
// process no longer runs.
void removeDeadTemporariesOf(std::string_view path);

// Removes, below the program directory, the temporary files of processes that
// no longer run and fetched copies no journal speaks for, and puts back a
// set-aside ".vorher" copy whose file is missing. Call it only with no
// journal left. Returns how many entries it removed or restored.
int removeUpdateLeftovers(std::string_view programDirectory);
// The same, but only in the program directory itself and in the named
// folders (library text, "/" separated, relative to it), none of them
// descended into.
int removeUpdateLeftoversIn(std::string_view programDirectory,
                            const std::vector<std::string>& folders);

// How far the clearing looks when no journal is left. An update writes
// below the top level only where its journal says, and the journal goes
// last, so a program start needs no more than the top level and the folders
// of the journal it found; the whole tree (10,000 codes and more) is walked
// by the updater, which reads every file anyway, for whatever an older
// updater without a journal may have left.
enum class LeftoverScope {
    WhereAnUpdateWrote,
    WholeDirectory,
};

enum class CleanUp {
    Done,       // nothing was left, or everything was cleared
    Busy,       // an updater is at work in the directory; nothing was touched
    Unreadable, // a journal that cannot be read is there; it was left alone
};

// The whole clearing as one step: holds the directory against a running
// updater, brings an interrupted update to its end and removes the rest.
CleanUp cleanUpAfterUpdates(std::string_view programDirectory,
                            LeftoverScope scope = LeftoverScope::WhereAnUpdateWrote);
// The same for a caller that holds the directory already (the updater).
CleanUp cleanUpAfterUpdatesHeld(std::string_view programDirectory, FingerprintBuffer& buffer,
                                LeftoverScope scope = LeftoverScope::WhereAnUpdateWrote);

} // namespace codarium::online
