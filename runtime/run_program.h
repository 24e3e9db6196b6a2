#pragma once
// Starting another program, or letting the desktop open a document or web
// address, without waiting for it.
#include <string>
#include <string_view>

namespace codarium {

// Non-zero when something was started. The program, parameter and working
// directory are native text (library text goes through
// platform::nativeFormOf first); parameter and working directory may
// be empty (an empty working directory keeps the caller's).
int runProgram(std::string_view programPath, std::string_view parameter,
               std::string_view workingDirectory);

// The command line runProgram starts: the quoted program path (unchanged when
// it already begins with a double quote), then a blank and the parameter.
std::string commandLineFor(std::string_view programPath, std::string_view parameter);

} // namespace codarium
