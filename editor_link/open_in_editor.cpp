#include "editor_link/open_in_editor.h"

#include "library/store_paths.h"
#include "platform/paths.h"
#include "runtime/run_program.h"

namespace codarium::editor_link {

std::string editorParameter(std::string_view dataDir, std::string_view category,
                            std::string_view title) {
    return "\"" + std::string(dataDir) + library::sourcePath(category, title) + "\"";
}

int openCodeInEditor(std::string_view editorPath, std::string_view category,
                     std::string_view title) {
    std::string dir = platform::currentDirectory();
    if (dir.empty() || dir.back() != '/') {
        dir += '/';
    }
    return runProgram(editorPath, editorParameter(dir, category, title), dir);
}

} // namespace codarium::editor_link
