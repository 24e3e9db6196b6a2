#pragma once
// The updater's work: fetch every file of the release index whose digest
// differs from the installed copy, check each one's size and digest, and
// only when all have arrived intact put them in place. A failure anywhere
// leaves every installed file as it was.
#include "online/update_check.h"
#include "online/update_index.h"
#include "online/update_replacement.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::online {

enum class InstallError {
    None,
    UnsafePath, // a path outside the program directory: nothing was fetched
    Download,   // a file could not be fetched
    Damaged,    // a fetched file has the wrong size or digest
    Replace,    // a file could not be put in place (the others were put back)
    Stopped,
};

struct InstallResult {
    InstallError error = InstallError::None;
    std::string file;  // the index path the error concerns
    int installed = 0; // files replaced or added
};

// Called before each file is fetched: its index path, how many came before
// it and how many are to come in all.
using InstallProgress = std::function<void(std::string_view file, int done, int total)>;

// The whole time one file's download may take: a minute, and a second more
// for every 4 KiB of its listed size. The updater has no way to be stopped,
// so a server that sends just often enough for every read must not keep it
// waiting without end.
int fileDownloadSeconds(std::int32_t listedSize);

// True for an index path that names one of the updater's own files (its
// journal, its record of the installed release, a fetched or set-aside copy
// or a temporary file): no release may replace those.
bool updaterOwnPath(std::string_view releasePathText);

// Every folder it makes and every rename it does is journaled first (see
// update_replacement.h); `step` is called before each change on disk.
// releaseTimestamp, the signed time of the index, is recorded once the
// release is in place.
InstallResult installUpdate(const UpdateSource& source, const std::vector<IndexEntry>& entries,
                            FingerprintBuffer& buffer, const InstallProgress& progress = {},
                            const StopToken* stop = nullptr, const UpdateStepHook& step = {},
                            std::int64_t releaseTimestamp = 0);

// The German sentence for a failed result ("" for None).
std::string installFailureText(const InstallResult& result);

} // namespace codarium::online
