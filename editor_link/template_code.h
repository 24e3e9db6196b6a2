#pragma once
// A code as the editor's templates file holds it: all its lines on one line,
// every backslash doubled and the lines joined by backslash-n. The editor
// reads "\\" back as one backslash and "\n" as a line break.
#include <string>
#include <string_view>

namespace codarium::editor_link {

// Appends one line of the code (a line holds no line break) to `code`, after
// the joining backslash-n unless it is the first line.
void appendTemplateCodeLine(std::string& code, std::string_view line, bool first);

} // namespace codarium::editor_link
