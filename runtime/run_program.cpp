#include "runtime/run_program.h"

#include "platform/detached_process.h"
#include "platform/paths.h"
#include "runtime/command_line.h"

#include <cstdlib>

namespace codarium {
namespace {

// An executable regular file named `name` in one of the folders of PATH, or
// "" when there is none.
std::string searchPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const auto colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        // An empty entry means the current directory.
        std::string candidate(folder.empty() ? std::string_view(".") : folder);
        candidate += '/';
        candidate += name;
        if (platform::isExecutableFile(candidate)) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return {};
        }
        rest.remove_prefix(colon + 1);
    }
}

// The file to execute for a program name: a name with a "/" is taken as a path
// (relative to the caller's directory, not to the new process's), any other
// is searched for on PATH.
std::string executableFor(const std::string& nativeName) {
    if (nativeName.find('/') == std::string::npos) {
        return searchPath(nativeName);
    }
    if (nativeName.front() == '/') {
        return nativeName;
    }
    return platform::currentDirectory() + "/" + nativeName;
}

} // namespace

std::string commandLineFor(std::string_view programPath, std::string_view parameter) {
    std::string line;
    if (!programPath.empty() && programPath.front() == '"') {
        line = programPath;
    } else {
        line.reserve(programPath.size() + parameter.size() + 3);
        line += '"';
        line += programPath;
        line += '"';
    }
    if (!parameter.empty()) {
        line += ' ';
        line += parameter;
    }
    return line;
}

int runProgram(std::string_view programPath, std::string_view parameter,
               std::string_view workingDirectory) {
    const std::vector<std::string> argv = splitCommandLine(commandLineFor(programPath, parameter));
    if (argv.empty() || argv.front().empty()) {
        return 0;
    }
    const std::string nativeDirectory(workingDirectory);

    const std::string program = executableFor(argv.front());
    if (!program.empty() && platform::startDetached(program, argv, nativeDirectory)) {
        return 1;
    }

    // Not a program (a document, a web address, or nothing that exists): the
    // desktop's opener decides what to do with it.
    const std::string opener = searchPath("xdg-open");
    if (!opener.empty() &&
        platform::startDetached(opener, {"xdg-open", argv.front()}, nativeDirectory)) {
        return 1;
    }
    return 0;
}

} // namespace codarium
