#pragma once
// Replacing a file's contents as a whole: the new bytes go to a temporary file
// in the same folder, are flushed to the disk, and the temporary file is then
// renamed over the target. Until that rename the old file is untouched; after
// it the new contents are complete.
#include <string>
#include <string_view>

namespace codarium {

enum class ReplaceMode {
    Replace,    // the target may exist and is replaced
    CreateOnly, // fails when anything exists under the target's name
};

// `nativeTarget` is a file-system path. A symbolic link is followed, so the
// file it points to is replaced and the link stays. An existing target's
// permission bits carry over to the new file.
bool writeFileAtomically(const std::string& nativeTarget, std::string_view bytes, ReplaceMode mode);

} // namespace codarium
