// Reads a file line by line through textfile and prints the number of lines.
#include "runtime/text_file.h"

#include <cstdio>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    using namespace codarium;
    // --reuse reads into one string instead of returning a new one per line.
    const bool reuse = argc == 3 && std::string_view(argv[1]) == "--reuse";
    if (argc != 2 + (reuse ? 1 : 0) || textfile::openRead(1, argv[argc - 1]) == 0) {
        std::fprintf(stderr, "usage: bench_readline [--reuse] FILE\n");
        return 2;
    }
    long long lines = 0;
    std::size_t bytes = 0;
    std::string line;
    while (!textfile::atEnd(1)) {
        if (reuse) {
            textfile::readLine(1, line);
            bytes += line.size();
        } else {
            bytes += textfile::readLine(1).size();
        }
        ++lines;
    }
    textfile::close(1);
    std::printf("%lld lines, %zu bytes of text\n", lines, bytes);
    return 0;
}
