#pragma once
// A deterministic PureBasic source of a given size, written the way the
// library's codes are: procedures calling the API, structures, constants,
// strings, comments, pointers, labels and inline assembly.
#include <cstddef>
#include <string>

namespace codarium::bench {

std::string pureBasicDocument(std::size_t bytes);

} // namespace codarium::bench
