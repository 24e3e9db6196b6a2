#include "runtime/text_file.h"

#include "platform/native_file.h"
#include "platform/paths.h"
#include "runtime/buffered_file.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace codarium::textfile {
namespace {

// Numbers below kDirectNumbers (the program uses 1 to 3) sit in an array
// whose slots are read without the lock: a number is used by one thread at a
// time, so only opening and closing change a slot, and they hold the lock.
// Larger numbers, and the handles that AnyFile opens hand out, sit in a map
// under the lock. Handles start above every number a caller may choose and are
// never reused.
constexpr FileId kDirectNumbers = 64;
constexpr FileId kLargestNumber = (FileId{1} << 32) - 1;
constexpr FileId kFirstHandle = FileId{1} << 32;

class FileTable {
public:
    ~FileTable() { closeAll(); }

    BufferedFile* find(FileId id) {
        if (id >= 0 && id < kDirectNumbers) {
            return direct_[static_cast<std::size_t>(id)].load(std::memory_order_acquire);
        }
        std::lock_guard lock(mutex_);
        const auto it = others_.find(id);
        return it == others_.end() ? nullptr : it->second.get();
    }

    // Puts an opened file under a number, or under a new handle for AnyFile;
    // returns what the open operation reports. The file that held the number
    // before has been closed by then.
    FileId insert(FileId number, std::unique_ptr<BufferedFile> file) {
        std::lock_guard lock(mutex_);
        if (number == AnyFile) {
            const FileId handle = nextHandle_++;
            others_.emplace(handle, std::move(file));
            return handle;
        }
        if (number < kDirectNumbers) {
            // Normally empty: the open operation closed the number first.
            const std::unique_ptr<BufferedFile> previous(
                direct_[static_cast<std::size_t>(number)].exchange(file.release(),
                                                                   std::memory_order_acq_rel));
        } else {
            others_[number] = std::move(file);
        }
        return 1;
    }

    // Takes the file out of the table; the caller closes it outside the lock.
    std::unique_ptr<BufferedFile> remove(FileId id) {
        std::lock_guard lock(mutex_);
        if (id >= 0 && id < kDirectNumbers) {
            return std::unique_ptr<BufferedFile>(
                direct_[static_cast<std::size_t>(id)].exchange(nullptr, std::memory_order_acq_rel));
        }
        const auto it = others_.find(id);
        if (it == others_.end()) {
            return nullptr;
        }
        auto file = std::move(it->second);
        others_.erase(it);
        return file;
    }

    void closeAll() {
        std::unordered_map<FileId, std::unique_ptr<BufferedFile>> taken;
        std::array<std::unique_ptr<BufferedFile>, kDirectNumbers> takenDirect;
        {
            std::lock_guard lock(mutex_);
            taken.swap(others_);
            for (std::size_t i = 0; i < direct_.size(); ++i) {
                takenDirect[i].reset(direct_[i].exchange(nullptr, std::memory_order_acq_rel));
            }
        }
    }

private:
    std::mutex mutex_;
    std::array<std::atomic<BufferedFile*>, kDirectNumbers> direct_{};
    std::unordered_map<FileId, std::unique_ptr<BufferedFile>> others_;
    FileId nextHandle_ = kFirstHandle;
};

// Destroyed at process end, which flushes and closes what is still open.
FileTable& table() {
    static FileTable instance;
    return instance;
}

bool validNumber(FileId number) {
    return number == AnyFile || (number >= 0 && number <= kLargestNumber);
}

using platform::OpenFor;

struct OpenedFile {
    int fd = -1;
    std::int64_t size = 0;
};

// Only regular files: a FIFO or device named like a code would otherwise
// hold the caller in open() or read() for good.
OpenedFile openNative(std::string_view path, OpenFor how) {
    const platform::NativeFile fd =
        platform::openNativeFile(std::string(path), how, platform::OpenWait::NoBlock).file;
    if (fd < 0) {
        return {};
    }
    const auto info = platform::nativeFileInfo(fd);
    if (!info || !info->regular) {
        platform::closeNativeFile(fd);
        return {};
    }
    return {fd, info->size};
}

FileId openAs(FileId number, std::string_view path, OpenFor how,
              std::optional<OpenFor> fallback = std::nullopt) {
    if (!validNumber(number)) {
        return 0;
    }
    if (number != AnyFile) {
        close(number);
    }
    OpenedFile opened = openNative(path, how);
    if (opened.fd < 0 && fallback) {
        opened = openNative(path, *fallback);
    }
    if (opened.fd < 0) {
        return 0;
    }
    // Files opened to be written keep the full buffer: they may grow large.
    const std::size_t capacity =
        how == OpenFor::Reading ? readBufferSize(opened.size) : kBufferSize;
    return table().insert(number, std::make_unique<BufferedFile>(opened.fd, capacity));
}

} // namespace

FileId create(FileId number, std::string_view path) {
    return openAs(number, path, OpenFor::Rewriting, OpenFor::WritingOver);
}

FileId openUpdate(FileId number, std::string_view path) {
    return openAs(number, path, OpenFor::Updating);
}

FileId openRead(FileId number, std::string_view path) {
    return openAs(number, path, OpenFor::Reading);
}

void close(FileId file) {
    table().remove(file).reset();
}

bool atEnd(FileId file) {
    BufferedFile* f = table().find(file);
    return f == nullptr || f->atEnd();
}

std::string readLine(FileId file) {
    BufferedFile* f = table().find(file);
    return f ? f->readLine() : std::string();
}

void readLine(FileId file, std::string& line) {
    if (BufferedFile* f = table().find(file)) {
        f->readLine(line);
    } else {
        line.clear();
    }
}

std::int64_t writeText(FileId file, std::string_view text) {
    BufferedFile* f = table().find(file);
    return f ? f->write(text.data(), static_cast<std::int64_t>(text.size())) : 0;
}

std::int64_t writeLine(FileId file, std::string_view text) {
    BufferedFile* f = table().find(file);
    if (f == nullptr) {
        return 0;
    }
    const std::int64_t n = f->write(text.data(), static_cast<std::int64_t>(text.size()));
    return n + f->write("\r\n", 2);
}

std::int64_t readBytes(FileId file, void* destination, std::int64_t count) {
    BufferedFile* f = table().find(file);
    return f ? f->read(destination, count) : 0;
}

std::int64_t writeBytes(FileId file, const void* source, std::int64_t count) {
    BufferedFile* f = table().find(file);
    return f ? f->write(source, count) : 0;
}

std::int64_t length(FileId file) {
    BufferedFile* f = table().find(file);
    return f ? f->length() : 0;
}

void seek(FileId file, std::int64_t position) {
    if (BufferedFile* f = table().find(file)) {
        f->seek(position);
    }
}

std::int64_t position(FileId file) {
    BufferedFile* f = table().find(file);
    return f ? f->position() : 0;
}

TextEncoding detectBom(FileId file) {
    BufferedFile* f = table().find(file);
    if (f == nullptr) {
        return TextEncoding::SystemCodePage;
    }
    const std::int64_t start = f->position();
    unsigned char b[4] = {};
    const std::int64_t n = f->read(b, 4);
    TextEncoding found = TextEncoding::SystemCodePage;
    std::int64_t skip = 0;
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        found = TextEncoding::Utf16Le;
        skip = 2;
    } else if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        found = TextEncoding::Utf8;
        skip = 3;
    } else if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        found = TextEncoding::Utf16Be;
        skip = 2;
    }
    f->seek(start + skip);
    return found;
}

std::int64_t writeBom(FileId file, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8) {
        return 0;
    }
    return writeBytes(file, "\xEF\xBB\xBF", 3);
}

void closeAll() {
    table().closeAll();
}

} // namespace codarium::textfile
