#include "library/admin_store.h"

#include "library/admin_undo.h"
#include "library/directory_tree.h"
#include "library/list_file.h"
#include "library/store_paths.h"
#include "platform/atomic_save.h"
#include "platform/atomic_save_leftovers.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace codarium::library {

using platform::ReplaceMode;
using platform::writeFileAtomically;

namespace {

EditResult refusal(Refusal why, NameProblem problem = NameProblem::None) {
    return {why, problem, true};
}

EditResult failed() {
    return {Refusal::None, NameProblem::None, false};
}

// A folder that is already there is as good as a new one.
bool ensureDirectory(std::string_view path) {
    return platform::createDirectory(path) || platform::directoryExists(path);
}

// A missing file is as good as a removed one.
bool removeIfPresent(std::string_view path) {
    return platform::removeFile(path) || !platform::pathExists(path);
}

} // namespace

bool containsIgnoringCase(const std::vector<std::string>& lines, std::string_view name) {
    const std::string wanted = platform::lowerCased(name);
    for (const auto& line : lines) {
        if (line.size() == name.size() && platform::lowerCased(line) == wanted) {
            return true;
        }
    }
    return false;
}

EditResult createCategory(std::string_view name) {
    if (const auto problem = newNameProblem(name, NameKind::Category);
        problem != NameProblem::None) {
        return refusal(Refusal::UnsafeCategory, problem);
    }
    if (containsIgnoringCase(readLines(categoryListPath()), name)) {
        return refusal(Refusal::CategoryExists);
    }
    // The line in the category list comes last: until it is written the
    // category does not exist, and a failure takes everything made back.
    AdditionUndo made;
    if (!made.folder(categorySourceDirectory(name)) || !made.folder(categoryLinkDirectory(name)) ||
        !made.emptyFile(codeListPath(name)) || !addLineSorted(categoryListPath(), name)) {
        return failed();
    }
    made.keep();
    return {};
}

EditResult removeCategory(std::string_view name) {
    if (const auto problem = nameProblem(name, NameKind::Category); problem != NameProblem::None) {
        return refusal(Refusal::UnsafeCategory, problem);
    }
    bool complete = removeDirectoryTree(categorySourceDirectory(name));
    complete = removeDirectoryTree(categoryLinkDirectory(name)) && complete;
    complete = removeIfPresent(codeListPath(name)) && complete;
    // No later rewrite of the code list would clear what a killed one left.
    platform::removeLeftoverTemporaries(codeListTempPath(name));
    complete = rewriteWithoutLine(categoryListPath(), categoryListTempPath(), name) && complete;
    return complete ? EditResult{} : failed();
}

EditResult addCode(std::string_view category, std::string_view title, std::string_view source,
                   const std::vector<ApiLink>& links) {
    if (const auto problem = nameProblem(category, NameKind::Category);
        problem != NameProblem::None) {
        return refusal(Refusal::UnsafeCategory, problem);
    }
    if (const auto problem = newNameProblem(title, NameKind::Title); problem != NameProblem::None) {
        return refusal(Refusal::UnsafeTitle, problem);
    }
    const std::string sourceFile = sourcePath(category, title);
    const std::string linkFile = linkFilePath(category, title);
    if (containsIgnoringCase(readLines(codeListPath(category)), title) ||
        platform::pathExists(sourceFile) || platform::pathExists(linkFile)) {
        return refusal(Refusal::TitleExists);
    }
    // As for a category, the list line comes last and a failure before it
    // takes the two files back.
    AdditionUndo made;
    if (!made.newFile(sourceFile, source) || !made.newLinkFile(linkFile, links) ||
        !addLineSorted(codeListPath(category), title)) {
        return failed();
    }
    made.keep();
    return {};
}

EditResult removeCode(std::string_view category, std::string_view title) {
    if (const auto problem = nameProblem(category, NameKind::Category);
        problem != NameProblem::None) {
        return refusal(Refusal::UnsafeCategory, problem);
    }
    if (const auto problem = nameProblem(title, NameKind::Title); problem != NameProblem::None) {
        return refusal(Refusal::UnsafeTitle, problem);
    }
    bool complete = removeIfPresent(sourcePath(category, title));
    complete = removeIfPresent(linkFilePath(category, title)) && complete;
    complete =
        rewriteWithoutLine(codeListPath(category), codeListTempPath(category), title) && complete;
    return complete ? EditResult{} : failed();
}

bool removeWholeLibrary() {
    bool complete = removeDirectoryTree(CodesDirectory);
    complete = ensureDirectory(CodesDirectory) && complete;
    complete = removeDirectoryTree(SettingsDirectory) && complete;
    complete = ensureDirectory(SettingsDirectory) && complete;
    complete =
        writeFileAtomically(std::string(categoryListPath()), "", ReplaceMode::Replace) && complete;
    return complete;
}

} // namespace codarium::library
