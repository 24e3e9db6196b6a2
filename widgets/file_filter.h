#pragma once
// The program's file filter notation turned into the file dialog's, free of
// Qt so that it can be tested alone.
#include <string>
#include <string_view>

namespace codarium::widgets {

// "Name|pattern|Name2|pat;pat2" becomes "Name (pattern);;Name2 (pat pat2)".
// A name without a pattern gets "*"; empty input gives "".
std::string dialogFilterOf(std::string_view filter);

} // namespace codarium::widgets
