#pragma once
// Starting the editor with a code's file.
#include <string>
#include <string_view>

namespace codarium::editor_link {

// The editor's one parameter: the absolute path of the code's file in
// double quotes, so that names with blanks stay one argument. `dataDir`
// ends with a separator.
std::string editorParameter(std::string_view dataDir, std::string_view category,
                            std::string_view title);

// Starts `editorPath` with the file of code `title` of `category`, in the
// program directory (the current one) as its working directory, and does
// not wait. Non-zero when something was started; callers show nothing either
// way.
int openCodeInEditor(std::string_view editorPath, std::string_view category,
                     std::string_view title);

} // namespace codarium::editor_link
