#pragma once
// Reading a file front to back in large blocks, with as little work per file
// as the system allows (fingerprinting many small files is dominated by it).
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace codarium::platform {

class BlockReader {
public:
    // Opens the file (a native path) for reading; others may read and write
    // it meanwhile.
    explicit BlockReader(std::string_view path);
    ~BlockReader();
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    bool isOpen() const { return handle_ >= 0; }
    // Fills destination with up to count bytes; fewer only at the end of the
    // file. -1 on a read error.
    std::int64_t read(char* destination, std::size_t count);

private:
    int handle_ = -1;
};

} // namespace codarium::platform
