#pragma once
// What an addition to the store has made so far, so that an addition that
// fails at a later step takes it all away again and leaves the store as it
// was. Only what this addition made is ever removed: a folder or file that
// was there before is used as it is and left alone.
#include "library/link_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

class AdditionUndo {
public:
    AdditionUndo() = default;
    // Removes what was made, newest first, unless keep() was called.
    ~AdditionUndo();
    AdditionUndo(const AdditionUndo&) = delete;
    AdditionUndo& operator=(const AdditionUndo&) = delete;

    // The folder, made here or already there; false when there is none.
    bool folder(std::string_view path);
    // An empty file, made here or already there (its content is kept).
    bool emptyFile(std::string_view path);
    // A new file holding exactly `bytes`; false when anything has the name.
    bool newFile(std::string_view path, std::string_view bytes);
    // A new link file holding `links`; false when anything has the name.
    bool newLinkFile(std::string_view path, const std::vector<ApiLink>& links);

    // The addition is complete: everything made stays.
    void keep() { made_.clear(); }

private:
    struct Made {
        std::string path;
        bool isFolder;
    };
    std::vector<Made> made_;
};

} // namespace codarium::library
