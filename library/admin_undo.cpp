#include "library/admin_undo.h"

#include "platform/atomic_save.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <filesystem>
#include <system_error>

namespace codarium::library {

AdditionUndo::~AdditionUndo() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
        if (it->isFolder) {
            // Removes only an empty folder: should anything this addition did
            // not make be in it, that stays, and the folder with it.
            std::error_code ignored;
            std::filesystem::remove(it->path, ignored);
        } else {
            platform::removeFile(it->path);
        }
    }
}

bool AdditionUndo::folder(std::string_view path) {
    if (platform::createDirectory(path)) {
        made_.push_back({std::string(path), true});
        return true;
    }
    return platform::directoryExists(path);
}

bool AdditionUndo::emptyFile(std::string_view path) {
    if (newFile(path, "")) {
        return true;
    }
    return platform::fileExists(path);
}

bool AdditionUndo::newFile(std::string_view path, std::string_view bytes) {
    if (!platform::writeFileAtomically(std::string(path), bytes,
                                       platform::ReplaceMode::CreateOnly)) {
        return false;
    }
    made_.push_back({std::string(path), false});
    return true;
}

bool AdditionUndo::newLinkFile(std::string_view path, const std::vector<ApiLink>& links) {
    if (!createLinkFile(path, links)) {
        return false;
    }
    made_.push_back({std::string(path), false});
    return true;
}

} // namespace codarium::library
