#pragma once
// Starting a process that outlives the caller's interest in it: it is not a
// child of the caller (no zombie is left), inherits no descriptors beyond the
// standard three, and starts with the default signal state.
#include <string>
#include <vector>

namespace codarium::platform {

// True once `executable` has been executed; false when the process could not
// be created, the working directory could not be entered or the exec failed.
// An empty `workingDirectory` keeps the caller's. Native (file-system) texts.
bool startDetached(const std::string& executable, const std::vector<std::string>& argv,
                   const std::string& workingDirectory);

bool isExecutableFile(const std::string& nativePath);

} // namespace codarium::platform
