#pragma once
// One open file with a buffer shared by reading and writing. The logical
// position is the OS position corrected for the buffer: minus the bytes read
// ahead but not consumed, plus the bytes written but not yet flushed.
#include "runtime/line_end_map.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace codarium::textfile {

// Large enough that reading line by line costs little more than the system
// calls that copy the file in: at 4 KiB those calls alone took longer than
// everything else a line costs.
inline constexpr std::size_t kBufferSize = 65536;

// The buffer for a file opened only to be read, `size` bytes long: the whole
// file and one byte more when that is less than kBufferSize, so that the many
// short lists and link files do not each take (and clear) 72 KiB for a few
// hundred bytes. Never below 4 KiB, in case the file grows while it is open.
constexpr std::size_t readBufferSize(std::int64_t size) {
    constexpr std::size_t smallest = 4096;
    if (size < 0 || static_cast<std::uint64_t>(size) >= kBufferSize - 1) {
        return kBufferSize;
    }
    const auto wanted = static_cast<std::size_t>(size) + 1;
    return wanted < smallest ? smallest : wanted;
}

class BufferedFile {
public:
    // `capacity` bytes of buffer, at most kBufferSize.
    explicit BufferedFile(int fd, std::size_t capacity = kBufferSize);
    ~BufferedFile(); // flushes and closes
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;

    // atEnd and readLine are called once per line; their common case, a line
    // that lies wholly in the buffer, is inline.
    bool atEnd() {
        if (mode_ == Mode::Reading && begin_ < end_) {
            return false;
        }
        return atEndPastBuffer();
    }
    std::string readLine() {
        std::string line;
        readLine(line);
        return line;
    }
    // The same into `line`, whose storage is reused.
    void readLine(std::string& line) {
        if (mode_ == Mode::Reading && begin_ < end_) {
            const std::size_t stop = nextLineEnd(lineEnds_.get(), begin_);
            // The line's end and the byte after it (a possible LF) are here.
            if (stop + 1 < end_) {
                const char* data = buffer_.get();
                line.assign(data + begin_, stop - begin_);
                begin_ = stop + 1;
                if (data[stop] == '\r' && data[begin_] == '\n') {
                    ++begin_;
                }
                return;
            }
        }
        readLineAcrossRefills(line);
    }
    std::int64_t read(void* destination, std::int64_t count);
    std::int64_t write(const void* source, std::int64_t count);
    std::int64_t length();
    void seek(std::int64_t position);
    std::int64_t position();

private:
    enum class Mode { Reading, Writing };

    bool atEndPastBuffer();
    void readLineAcrossRefills(std::string& line);
    void flush();
    void toReading();
    void toWriting();
    // Refills an exhausted read buffer; false at the end or on an error.
    bool refill();

    int fd_;
    std::size_t capacity_;
    Mode mode_ = Mode::Reading;
    std::unique_ptr<char[]> buffer_;
    std::unique_ptr<std::uint64_t[]> lineEnds_; // valid for the bytes of the last refill
    std::size_t begin_ = 0;                     // reading: first unconsumed byte
    std::size_t end_ = 0; // reading: end of the bytes read; writing: bytes waiting
};

} // namespace codarium::textfile
