#pragma once
// Percent-encoding of the path part of a request target: every byte that may
// not stand raw in it becomes "%" and two upper-case hex digits, so that a
// file or folder name with blanks, letters outside ASCII or "?" and "#" in it
// reaches the server as that one name.
#include <string>
#include <string_view>

namespace codarium {

// How a "%" already in the text is taken.
enum class PercentSigns {
    // The text is a literal name: every "%" is a character of it.
    Literal,
    // The text may already hold escapes: a "%" followed by two hex digits is
    // kept, any other "%" is encoded.
    KeepEscapes,
};

// The bytes of `path` (UTF-8, the form the server's file names have) with "/"
// kept as the separator and every byte outside the unreserved characters,
// the sub-delimiters, ":" and "@" encoded: blanks, control characters, '"',
// "#", "?", "<", ">", "[", "\", "]", "^", "`", "{", "|", "}", DEL and every
// byte from 0x80 up.
std::string percentEncodePath(std::string_view path, PercentSigns percentSigns);

} // namespace codarium
