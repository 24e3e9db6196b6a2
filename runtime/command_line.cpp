#include "runtime/command_line.h"

namespace codarium {
namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();

    // The program name.
    {
        std::string program;
        bool quoted = false;
        for (; i < n; ++i) {
            const char c = line[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && isSeparator(c)) {
                break;
            } else {
                program += c;
            }
        }
        args.push_back(std::move(program));
    }

    for (;;) {
        while (i < n && isSeparator(line[i])) {
            ++i;
        }
        if (i >= n) {
            break;
        }
        std::string arg;
        bool quoted = false;
        while (i < n) {
            const char c = line[i];
            if (c == '\\') {
                std::size_t slashes = 0;
                while (i < n && line[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && line[i] == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                    // An even count leaves the quote to the next round.
                } else {
                    arg.append(slashes, '\\');
                }
                continue;
            }
            if (c == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            if (!quoted && isSeparator(c)) {
                break;
            }
            arg += c;
            ++i;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

} // namespace codarium
