#include "platform/atomic_save.h"

#include "platform/atomic_save_leftovers.h"
#include "platform/native_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

// The file a path names after following symbolic links; the path itself when
// it names nothing yet.
std::string resolvedTarget(const std::string& path) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) != nullptr) {
        return buffer;
    }
    return path;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Renames without replacing: fails when the name is taken meanwhile.
bool renameNoReplace(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
#endif
    if (::link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

// The rename is only durable once the folder's entry is on the disk. Some
// file systems cannot flush a folder; the file is complete either way.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileReplacement::FileReplacement(std::string nativeTarget, ReplaceMode mode,
                                 std::string temporaryStem, SaveStepHook beforeStep)
    : target_(mode == ReplaceMode::Replace ? resolvedTarget(nativeTarget)
                                           : std::move(nativeTarget)),
      mode_(mode), temporaryStem_(std::move(temporaryStem)), beforeStep_(std::move(beforeStep)) {}

FileReplacement::~FileReplacement() {
    if (!committed_) {
        discard();
    }
}

namespace {

SaveStepHook& saveStepObserver() {
    static SaveStepHook observer;
    return observer;
}

} // namespace

void setSaveStepObserver(SaveStepHook observer) {
    saveStepObserver() = std::move(observer);
}

void FileReplacement::step(SaveStep s) const {
    if (beforeStep_) {
        beforeStep_(s);
    }
    if (const SaveStepHook& observer = saveStepObserver()) {
        observer(s);
    }
}

SaveResult FileReplacement::fail(const char* what, int error) {
    discard();
    std::string failure = what;
    if (error != 0) {
        failure += ": ";
        failure += std::strerror(error);
    }
    return {failure};
}

void FileReplacement::discard() {
    if (file_ >= 0) {
        ::close(file_);
        file_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

SaveResult FileReplacement::begin() {
    if (!temporary_.empty() || committed_ || target_.empty()) {
        return {"Die Datei wird schon gespeichert."};
    }
    if (mode_ == ReplaceMode::CreateOnly) {
        struct stat any {};
        if (::lstat(target_.c_str(), &any) == 0 || errno != ENOENT) {
            return {"Unter dem Namen steht schon ein Eintrag."};
        }
    }
    step(SaveStep::CreateTemporary);
    static std::atomic<unsigned> counter{0};
    const std::string stem =
        temporaryStem_.empty() ? target_ + std::string(DefaultTemporaryEnding) : temporaryStem_;
    // What an earlier save of this target left when its process was killed.
    removeLeftoverTemporaries(stem);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string candidate =
            stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
        file_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (file_ >= 0) {
            temporary_ = candidate;
            return {};
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return fail("Die temporäre Datei kann nicht angelegt werden", errno);
}

bool FileReplacement::write(std::string_view bytes) {
    if (file_ < 0 || writeFailed_) {
        return false;
    }
    if (!writing_) {
        writing_ = true;
        step(SaveStep::WriteTemporary);
    }
    if (!writeAll(file_, bytes.data(), bytes.size())) {
        writeError_ = errno;
        writeFailed_ = true;
        return false;
    }
    written_ += static_cast<std::int64_t>(bytes.size());
    return true;
}

SaveResult FileReplacement::commit() {
    if (file_ < 0 || committed_) {
        return {"Die Datei wird nicht gespeichert."};
    }
    if (writeFailed_) {
        return fail("Die temporäre Datei kann nicht geschrieben werden", writeError_);
    }
    step(SaveStep::SyncTemporary);
    struct stat written {};
    if (::fstat(file_, &written) != 0) {
        return fail("Die temporäre Datei lässt sich nicht prüfen", errno);
    }
    if (written.st_size != written_) {
        return fail("Die temporäre Datei ist unvollständig", 0);
    }
    // The old file's permission bits; a link replaced by name has none to give.
    struct stat old {};
    const bool keepMode = mode_ == ReplaceMode::ReplaceName
                              ? ::lstat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                              : ::stat(target_.c_str(), &old) == 0;
    if (keepMode && ::fchmod(file_, old.st_mode & 07777) != 0) {
        return fail("Die Zugriffsrechte lassen sich nicht übernehmen", errno);
    }
    if (::fsync(file_) != 0) {
        return fail("Die temporäre Datei lässt sich nicht auf die Platte schreiben", errno);
    }
    const int closed = ::close(file_);
    file_ = -1;
    if (closed != 0) {
        return fail("Die temporäre Datei lässt sich nicht schließen", errno);
    }
    step(SaveStep::RenameTemporary);
    const bool renamed = mode_ == ReplaceMode::CreateOnly
                             ? renameNoReplace(temporary_, target_)
                             : ::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!renamed) {
        return fail("Die Datei lässt sich nicht ersetzen", errno);
    }
    temporary_.clear();
    committed_ = true;
    step(SaveStep::SyncFolder);
    syncFolder(folderOf(target_));
    return {};
}

SaveResult saveFile(const std::string& nativeTarget, std::string_view bytes, ReplaceMode mode,
                    std::string temporaryStem, SaveStepHook beforeStep) {
    FileReplacement save(nativeTarget, mode, std::move(temporaryStem), std::move(beforeStep));
    if (SaveResult begun = save.begin(); !begun.ok()) {
        return begun;
    }
    // A failed write is reported by commit, which then removes the temporary file.
    static_cast<void>(save.write(bytes));
    return save.commit();
}

bool writeFileAtomically(const std::string& nativeTarget, std::string_view bytes,
                         ReplaceMode mode) {
    return saveFile(nativeTarget, bytes, mode).ok();
}

} // namespace codarium::platform
