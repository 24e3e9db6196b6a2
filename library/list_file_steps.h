#pragma once
// The steps of replacing a list, one at a time, so that tests can stop the
// replacement after any of them and look at what is left on disk.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library::detail {

enum class ReplaceStep {
    WriteTemp,  // the temporary file created, every line written, closed
    VerifyTemp, // the temporary file read back and its size checked
    Rename,     // the temporary file renamed over the list
};

// Runs the replacement up to and including `last`; true when every step run
// succeeded. Stopping before Rename leaves the list untouched.
bool replaceListFileUntil(std::string_view listPath, std::string_view tempPath,
                          const std::vector<std::string>& lines, ReplaceStep last);

} // namespace codarium::library::detail
