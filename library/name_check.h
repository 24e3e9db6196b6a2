#pragma once
// Whether a category name or code title may become a path component. Every
// operation that writes or deletes under a name asks this first, also for
// names read back from the list files (the tree still shows those).
#include <cstddef>
#include <string_view>

namespace codarium::library {

enum class NameKind { Category, Title };

// The first rule a name breaks, in the order they are checked.
enum class NameProblem {
    None,
    Empty,
    DotName,            // "." or ".."
    ReservedCharacter,  // one of / \ : * ? " < > |
    ControlCharacter,   // below 32, or 127
    TrailingDotOrBlank, // the file system would drop it
    DeviceName,         // CON, PRN, AUX, NUL, COM1-9, LPT1-9, also with an extension
    CategoryListName,   // "Kategorien" in any case (a category only)
    ListFileEnding,     // ".ini" or ".tmp" at the end (a category only)
    TooLong,            // some file made under the name would exceed the file system's limit
};

NameProblem nameProblem(std::string_view name, NameKind kind);

// Not empty, not "." or "..", none of / \ : * ? " < > |, no control
// character, no trailing dot or blank, no device name (CON, PRN, AUX, NUL,
// COM1-9, LPT1-9, also with an extension). A category is further not
// "Kategorien" in any case, and does not end in ".ini" or ".tmp", which would
// collide with another category's list or temporary file.
bool isSafeName(std::string_view name, NameKind kind);

// The rules of nameProblem, and for a name about to be created also its
// length: every file and folder made under the name (with the ending and
// the temporary file a save gives it) must fit the file system's limit for
// one name, counted in bytes of the name's native (UTF-8) form. Names that
// already exist are not held to it, so that they can still be removed.
NameProblem newNameProblem(std::string_view name, NameKind kind);

// The most bytes a new name's native form may take.
std::size_t longestNewName();

// Both parts of a code's identity are safe.
bool isSafeCode(std::string_view category, std::string_view title);

} // namespace codarium::library
