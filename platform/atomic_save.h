#pragma once
// Replacing a file's contents as a whole. The new bytes go to a temporary
// file with a unique name in the target's folder, which is flushed to the
// disk, given the old file's permission bits and only then renamed over the
// target; the folder is flushed last. Until the rename the old file is
// untouched, after it the new contents are complete: a crash at any moment
// leaves the old file or the new one, never a part of either.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace codarium::platform {

enum class ReplaceMode {
    Replace,     // the target may exist and is replaced; a symbolic link is followed,
                 // so the file it points to is replaced and the link stays
    CreateOnly,  // fails when anything exists under the target's name
    ReplaceName, // whatever has the target's name, a symbolic link too, is replaced;
                 // nothing is ever written through a link
};

// The steps of a save in the order they run.
enum class SaveStep {
    CreateTemporary,
    WriteTemporary,
    SyncTemporary, // flushes the bytes, checks the size, carries the permission bits over
    RenameTemporary,
    SyncFolder,
};

// Called before each step. Tests stop or end the process there to look at
// what every step leaves behind; the program passes none.
using SaveStepHook = std::function<void(SaveStep)>;

// Called before each step of every save in the process, after the save's
// own hook; an empty one removes it. For tests that end a child process
// inside an operation whose saves they cannot reach one by one. Set it
// before any save runs; the program sets none.
void setSaveStepObserver(SaveStepHook observer);

// A save without a stem of its own names its temporary file after the
// target: the target's name, this ending and the unique suffix.
inline constexpr std::string_view DefaultTemporaryEnding = ".tmp";
// The most bytes the unique suffix "-<pid>-<n>" adds to a stem: two dashes,
// a process id (at most 7 digits on Linux) and a counter (at most 10).
inline constexpr std::size_t TemporarySuffixMaxLength = 19;

// Empty on success, else why the save failed, for a log or a message.
struct SaveResult {
    std::string failure;
    bool ok() const { return failure.empty(); }
};

// A save whose bytes arrive in parts, such as a download's body. The
// temporary file is removed unless commit succeeded.
//
// The temporary file's name is `temporaryStem` (a native path in the target's
// folder; the target's own path and ".tmp" when empty) plus a unique suffix.
// Before it is made, the temporary files of the same stem that ended
// processes left behind are removed (atomic_save_leftovers.h).
class FileReplacement {
public:
    FileReplacement(std::string nativeTarget, ReplaceMode mode, std::string temporaryStem = {},
                    SaveStepHook beforeStep = {});
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    [[nodiscard]] SaveResult begin();
    [[nodiscard]] bool write(std::string_view bytes);
    // Flushes, renames over the target and flushes the folder.
    [[nodiscard]] SaveResult commit();
    std::int64_t written() const { return written_; }

private:
    void step(SaveStep s) const;
    SaveResult fail(const char* what, int error);
    void discard();

    std::string target_; // after following links where the mode does
    ReplaceMode mode_;
    std::string temporaryStem_;
    SaveStepHook beforeStep_;
    std::string temporary_; // empty until created
    int file_ = -1;
    std::int64_t written_ = 0;
    bool writing_ = false;
    bool writeFailed_ = false;
    int writeError_ = 0;
    bool committed_ = false;
};

// The whole save in one call.
[[nodiscard]] SaveResult saveFile(const std::string& nativeTarget, std::string_view bytes,
                                  ReplaceMode mode, std::string temporaryStem = {},
                                  SaveStepHook beforeStep = {});

// The same with a bare flag, for callers that only need to know whether the
// file was saved.
bool writeFileAtomically(const std::string& nativeTarget, std::string_view bytes, ReplaceMode mode);

} // namespace codarium::platform
