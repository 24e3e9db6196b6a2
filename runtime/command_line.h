#pragma once
// Splitting a command line into arguments by the quoting rules of the
// Windows C runtime, so that a command line built for a Windows process start
// means the same when started on a system that takes an argument vector.
#include <string>
#include <string_view>
#include <vector>

namespace codarium {

// The first argument is the program: double quotes only group (blanks inside
// them do not end it) and are removed; backslashes are plain characters.
// Later arguments are separated by blanks and tabs; "..." groups; 2n
// backslashes before a double quote give n backslashes and the quote groups,
// 2n + 1 give n backslashes and a literal quote; other backslashes are plain;
// inside a group, "" gives a literal quote and the group goes on.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

} // namespace codarium
