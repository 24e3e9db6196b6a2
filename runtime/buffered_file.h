#pragma once
// One open file with a buffer shared by reading and writing. The logical
// position is the OS position corrected for the buffer: minus the bytes read
// ahead but not consumed, plus the bytes written but not yet flushed.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace codarium::textfile {

inline constexpr std::size_t kBufferSize = 4096;

class BufferedFile {
public:
    explicit BufferedFile(int fd);
    ~BufferedFile(); // flushes and closes
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;

    bool atEnd();
    std::string readLine();
    std::int64_t read(void* destination, std::int64_t count);
    std::int64_t write(const void* source, std::int64_t count);
    std::int64_t length();
    void seek(std::int64_t position);
    std::int64_t position();

private:
    enum class Mode { Reading, Writing };

    void flush();
    void toReading();
    void toWriting();
    // Refills an exhausted read buffer; false at the end or on an error.
    bool refill();

    int fd_;
    Mode mode_ = Mode::Reading;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0; // reading: first unconsumed byte
    std::size_t end_ = 0;   // reading: end of the bytes read; writing: bytes waiting
};

} // namespace codarium::textfile
