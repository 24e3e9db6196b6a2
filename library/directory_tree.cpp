#include "library/directory_tree.h"

#include "platform/remove_tree.h"

namespace codarium::library {

bool removeDirectoryTree(std::string_view path) {
    return platform::removeTree(path);
}

} // namespace codarium::library
