#pragma once
// What the updater needs of the system beyond plain files: holding the
// program directory for itself while it works, telling whether the process
// that made a temporary file still runs, and removing a folder it made once
// that folder is empty again.
#include <string_view>

namespace codarium::platform {

// An exclusive hold on a folder for as long as the object lives, taken
// without waiting. Another process (or another hold in this one) that tries
// meanwhile does not get it; the system lets go when the process ends, also
// when it is killed.
class FolderHold {
public:
    explicit FolderHold(std::string_view folder);
    ~FolderHold();
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;

    bool held() const { return handle_ >= 0; }

private:
    int handle_ = -1;
};

// True when a process with this number exists (whoever it belongs to).
bool processRunning(long processId);

// Removes the folder when it is empty; false when it is not, or is gone.
bool removeEmptyFolder(std::string_view path);

} // namespace codarium::platform
