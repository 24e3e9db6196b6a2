#include "runtime/buffered_file.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace codarium::textfile {
namespace {

ssize_t readSome(int fd, void* destination, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(fd, destination, count);
        if (n >= 0 || errno != EINTR) {
            return n;
        }
    }
}

void writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return; // lost, as every write failure is
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// The first CR, LF or zero byte in [p, end), or end. Lines are short next to
// a buffer, so this runs a block of bytes per step instead of one.
const char* findLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                                         _mm_cmpeq_epi8(v, zero));
        const int mask = _mm_movemask_epi8(hit);
        if (mask != 0) {
            return p + __builtin_ctz(static_cast<unsigned>(mask));
        }
        p += 16;
    }
#endif
    for (; p < end; ++p) {
        if (*p == '\r' || *p == '\n' || *p == '\0') {
            return p;
        }
    }
    return end;
}

} // namespace

BufferedFile::BufferedFile(int fd) : fd_(fd), buffer_(new char[kBufferSize]) {}

BufferedFile::~BufferedFile() {
    flush();
    ::close(fd_);
}

void BufferedFile::flush() {
    if (mode_ == Mode::Writing && end_ > 0) {
        writeAll(fd_, buffer_.get(), end_);
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
            ::lseek(fd_, -static_cast<off_t>(end_ - begin_), SEEK_CUR);
        }
        mode_ = Mode::Writing;
        begin_ = end_ = 0;
    }
}

bool BufferedFile::refill() {
    const ssize_t n = readSome(fd_, buffer_.get(), kBufferSize);
    begin_ = 0;
    end_ = n > 0 ? static_cast<std::size_t>(n) : 0;
    return end_ > 0;
}

bool BufferedFile::atEnd() {
    toReading();
    return begin_ == end_ && !refill();
}

std::string BufferedFile::readLine() {
    toReading();
    std::string line;
    for (;;) {
        if (begin_ == end_ && !refill()) {
            return line;
        }
        const char* data = buffer_.get();
        const char* stop = findLineEnd(data + begin_, data + end_);
        line.append(data + begin_, static_cast<std::size_t>(stop - (data + begin_)));
        begin_ = static_cast<std::size_t>(stop - data);
        if (begin_ == end_) {
            continue; // the line goes on in the next block, or ends with the file
        }
        const char terminator = data[begin_++];
        if (terminator == '\r' && (begin_ < end_ || refill()) && buffer_[begin_] == '\n') {
            ++begin_;
        }
        return line;
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
        if (rest < kBufferSize) {
            if (!refill()) {
                break;
            }
            const std::size_t take = std::min(rest, end_);
            std::memcpy(out + done, buffer_.get(), take);
            begin_ = take;
            done += take;
        } else {
            const ssize_t n = readSome(fd_, out + done, rest);
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
    if (size < kBufferSize - end_) {
        std::memcpy(buffer_.get() + end_, in, size);
        end_ += size;
        return count;
    }
    flush();
    if (size >= kBufferSize) {
        writeAll(fd_, in, size);
    } else {
        std::memcpy(buffer_.get(), in, size);
        end_ = size;
    }
    return count;
}

std::int64_t BufferedFile::length() {
    flush();
    struct stat st {};
    return ::fstat(fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : 0;
}

void BufferedFile::seek(std::int64_t position) {
    flush();
    mode_ = Mode::Reading;
    begin_ = end_ = 0;
    ::lseek(fd_, static_cast<off_t>(position), SEEK_SET);
}

std::int64_t BufferedFile::position() {
    const off_t os = ::lseek(fd_, 0, SEEK_CUR);
    if (os < 0) {
        return 0;
    }
    if (mode_ == Mode::Reading) {
        return static_cast<std::int64_t>(os) - static_cast<std::int64_t>(end_ - begin_);
    }
    return static_cast<std::int64_t>(os) + static_cast<std::int64_t>(end_);
}

} // namespace codarium::textfile
