#pragma once
// The temporary files of saves that never finished. A save's temporary file
// is named "<stem>-<pid>-<n>" after the process that made it; a process that
// is killed or crashes halfway leaves it beside the target. The next save of
// the same target clears such files, but only those whose process no longer
// runs: a file of a running process may be a save in progress.
#include <cstddef>
#include <string>
#include <string_view>

namespace codarium::platform {

// Removes the regular files "<stem>-<pid>-<n>" in the stem's folder whose
// process has ended. `nativeStem` is a native path; its last component is
// the name's start. Returns how many files were removed.
std::size_t removeLeftoverTemporaries(const std::string& nativeStem);

// The process id in a temporary file's name made from `stemName` (the last
// component of a stem): "<stemName>-<pid>-<n>" with both numbers plain
// decimals; 0 when the name is not of that form.
long temporaryOwner(std::string_view name, std::string_view stemName);

// Whether a process with this id may be running. Only a definite "no such
// process" counts as ended; a process of another user, or a reused id,
// counts as running.
bool processMayRun(long pid);

} // namespace codarium::platform
