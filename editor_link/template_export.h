#pragma once
// Installing the library as code templates of the editor: one directory block
// named after the program, in front of the templates the file already holds.
// The editor keeps its templates in UTF-8, so names and codes are converted
// from the code page on the way in.
#include <string>
#include <string_view>

namespace codarium::editor_link {

// The editor's templates file, ~/.purebasic/templates.prefs; "" without a
// home folder.
std::string templatesFilePath();

// Anything (file or folder) under the templates file's name.
bool templatesFileExists(std::string_view templatesPath);

// Appends the template lines (CR LF ends) for the contents of `directory`:
// per folder a "Directory: " line, its contents and "CloseDirectory"; per
// file "Template: ", "  Comment: " (its name without the last three
// characters) and "  Code: " with the file's lines, backslashes doubled,
// joined by backslash-n. Entries come in the search's order (names compared
// without regard to case); a folder linked into its own subtree is walked
// once. A file that cannot be read gets an empty code.
void writeTemplateEntries(std::string_view directory, std::string& out);

enum class TemplateExport {
    Done,
    TemplatesUnreadable, // the old file could not be read: nothing written
    TemplatesReadOnly,   // the old file may not be changed: nothing written
    NotWritten,          // the new file could not be written: the old one stays
};

// Writes the new block for `codesDirectory` followed by the old file's
// contents after its first two lines, and puts the result in place of the
// templates file in one rename once it is complete. A templates file that
// may not be changed (see platform::mayChangeFile) is left as it is.
TemplateExport exportTemplatesTo(std::string_view templatesPath, std::string_view codesDirectory);

} // namespace codarium::editor_link
