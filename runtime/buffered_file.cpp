#include "runtime/buffered_file.h"

#include "platform/native_file.h"

#include <algorithm>
#include <cstring>

namespace codarium::textfile {

using platform::readSome;

BufferedFile::BufferedFile(int fd, std::size_t capacity)
    : fd_(fd), capacity_(std::clamp<std::size_t>(capacity, 1, kBufferSize)),
      buffer_(new char[capacity_]), lineEnds_(new std::uint64_t[lineEndWords(capacity_)]) {}

BufferedFile::~BufferedFile() {
    flush();
    platform::closeNativeFile(fd_);
}

void BufferedFile::flush() {
    if (mode_ == Mode::Writing && end_ > 0) {
        // Lost, as every write failure is; the caller learns it from the length.
        static_cast<void>(platform::writeAll(fd_, buffer_.get(), end_));
        end_ = 0;
    }
}

void BufferedFile::toReading() {
    if (mode_ == Mode::Writing) {
        flush();
        mode_ = Mode::Reading;
        begin_ = end_ = 0;
    }
}

void BufferedFile::toWriting() {
    if (mode_ == Mode::Reading) {
        if (end_ > begin_) {
            platform::seekNativeFile(fd_, -static_cast<std::int64_t>(end_ - begin_),
                                     platform::SeekFrom::Current);
        }
        mode_ = Mode::Writing;
        begin_ = end_ = 0;
    }
}

bool BufferedFile::refill() {
    const std::int64_t n = readSome(fd_, buffer_.get(), capacity_);
    begin_ = 0;
    end_ = n > 0 ? static_cast<std::size_t>(n) : 0;
    markLineEnds(buffer_.get(), end_, lineEnds_.get());
    return end_ > 0;
}

bool BufferedFile::atEndPastBuffer() {
    toReading();
    return begin_ == end_ && !refill();
}

void BufferedFile::readLineAcrossRefills(std::string& line) {
    toReading();
    line.clear();
    for (;;) {
        if (begin_ == end_ && !refill()) {
            return;
        }
        const char* data = buffer_.get();
        const std::size_t stop = nextLineEnd(lineEnds_.get(), begin_);
        line.append(data + begin_, stop - begin_);
        begin_ = stop;
        if (begin_ == end_) {
            continue; // the line goes on in the next block, or ends with the file
        }
        const char terminator = data[begin_++];
        if (terminator == '\r' && (begin_ < end_ || refill()) && buffer_[begin_] == '\n') {
            ++begin_;
        }
        return;
    }
}

std::int64_t BufferedFile::read(void* destination, std::int64_t count) {
    if (count <= 0 || destination == nullptr) {
        return 0;
    }
    toReading();
    auto* out = static_cast<char*>(destination);
    auto wanted = static_cast<std::size_t>(count);
    const std::size_t fromBuffer = std::min(wanted, end_ - begin_);
    std::memcpy(out, buffer_.get() + begin_, fromBuffer);
    begin_ += fromBuffer;
    std::size_t done = fromBuffer;
    while (done < wanted) {
        const std::size_t rest = wanted - done;
        if (rest < capacity_) {
            if (!refill()) {
                break;
            }
            const std::size_t take = std::min(rest, end_);
            std::memcpy(out + done, buffer_.get(), take);
            begin_ = take;
            done += take;
        } else {
            const std::int64_t n = readSome(fd_, out + done, rest);
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t BufferedFile::write(const void* source, std::int64_t count) {
    if (count <= 0 || source == nullptr) {
        return 0;
    }
    toWriting();
    const auto* in = static_cast<const char*>(source);
    const auto size = static_cast<std::size_t>(count);
    if (size < capacity_ - end_) {
        std::memcpy(buffer_.get() + end_, in, size);
        end_ += size;
        return count;
    }
    flush();
    if (size >= capacity_) {
        static_cast<void>(platform::writeAll(fd_, in, size));
    } else {
        std::memcpy(buffer_.get(), in, size);
        end_ = size;
    }
    return count;
}

std::int64_t BufferedFile::length() {
    flush();
    const auto info = platform::nativeFileInfo(fd_);
    return info ? info->size : 0;
}

void BufferedFile::seek(std::int64_t position) {
    flush();
    mode_ = Mode::Reading;
    begin_ = end_ = 0;
    platform::seekNativeFile(fd_, position, platform::SeekFrom::Start);
}

std::int64_t BufferedFile::position() {
    const std::int64_t os = platform::seekNativeFile(fd_, 0, platform::SeekFrom::Current);
    if (os < 0) {
        return 0;
    }
    if (mode_ == Mode::Reading) {
        return os - static_cast<std::int64_t>(end_ - begin_);
    }
    return os + static_cast<std::int64_t>(end_);
}

} // namespace codarium::textfile
