// The least a reader that returns each line as a string of its own can cost:
// the file read in the reader's blocks, each line found by memchr and copied
// into a new string, nothing else. Prints the number of lines.
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const int fd = argc == 2 ? ::open(argv[1], O_RDONLY) : -1;
    if (fd < 0) {
        std::fprintf(stderr, "usage: line_copy_floor FILE\n");
        return 2;
    }
    std::vector<char> block(65536);
    std::size_t lines = 0;
    std::size_t bytes = 0;
    std::string rest;
    for (ssize_t n; (n = ::read(fd, block.data(), block.size())) > 0;) {
        const char* p = block.data();
        const char* const end = p + n;
        while (const auto* lf = static_cast<const char*>(std::memchr(p, '\n', end - p))) {
            std::string line = rest.empty() ? std::string(p, lf) : rest.append(p, lf);
            rest.clear();
            bytes += line.size();
            ++lines;
            p = lf + 1;
        }
        rest.append(p, end);
    }
    ::close(fd);
    std::printf("%zu lines, %zu bytes of text\n", lines + !rest.empty(), bytes + rest.size());
    return 0;
}
