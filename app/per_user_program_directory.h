#pragma once
// A program directory that the user may not write into (an installed copy)
// is not used as it is: each user works in a per-user program directory
// under the data home, made from it at the first start. The library is
// copied once and is the user's own from then on; every other entry is
// reached through a symbolic link, so the executable, the plug-in and the
// configuration are found there exactly as beside the executable.
#include "online/installed_copy.h"

#include <optional>
#include <string>
#include <string_view>

namespace codarium::app {

using online::InstalledCopyMarker;

struct ProgramDirectoryFacts {
    bool installedCopyMarker = false; // InstalledCopyMarker lies in it
    bool writable = false;            // the running user may write into it
};

// The facts of a directory, asked of the file system.
ProgramDirectoryFacts programDirectoryFacts(std::string_view directory);

// Whether the program works in a per-user copy of the directory. An
// installed copy always does, also for an administrator who could write into
// it: the package manager owns those files and replaces them on every update.
bool needsPerUserCopy(const ProgramDirectoryFacts& facts);

// How an entry of the program directory appears in the per-user copy.
enum class EntryUse {
    CopyOnce, // the library: copied at the first start, never again
    Link,     // the program's own read-only files
    Leave,    // the marker and the files the program writes itself
};
EntryUse entryUse(std::string_view name);

// dataHome + "/Marvolt/Codarium", or nothing when dataHome is not an
// absolute path (a relative one would land in the working directory).
std::optional<std::string> perUserProgramDirectory(std::string_view dataHome);

// What lies where a link of the per-user copy belongs, and what to do there:
// a missing link is made, a link to another place is renewed (the program
// was installed elsewhere or moved), anything else is the user's and stays.
struct LinkPlace {
    bool exists = false;
    bool isLink = false;
    std::string target; // of a link
};
enum class LinkRepair { Create, Renew, Keep };
LinkRepair linkRepair(const LinkPlace& place, std::string_view wantedTarget);

// Makes the per-user copy of `installed` at `perUser`. The first time it is
// built in a scratch folder beside it and renamed into place when complete,
// so an interrupted start leaves no half library; later only the links are
// repaired. True when the per-user copy is there to be used.
bool preparePerUserProgramDirectory(std::string_view installed, std::string_view perUser);

// Start-up, right after the program directory was found (it is the working
// directory): the directory to use as DataDir, made the working directory.
// When a needed per-user copy cannot be made, the found directory is used as
// it is and writes into it fail silently like those into any read-only store.
std::string useProgramDirectory(std::string_view found);

} // namespace codarium::app
