#include "app/editor_icon.h"

#include "platform/paths.h"

namespace codarium::app {
namespace {

std::string fileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The editor's name without an extension such as ".exe".
std::string stemOf(std::string_view path) {
    std::string name = fileNameOf(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return name;
}

} // namespace

std::vector<std::string> editorIconCandidates(std::string_view editorPath,
                                              const std::vector<std::string>& dataFolders) {
    std::vector<std::string> out;
    if (editorPath.empty() || editorPath == "0") {
        return out;
    }
    const std::string stem = stemOf(editorPath);
    if (stem.empty()) {
        return out;
    }
    const std::string folder = platform::directoryOf(editorPath);
    out.push_back(platform::joinPath(folder, stem + ".png"));
    out.push_back(platform::joinPath(folder, stem + ".ico"));
    for (const std::string& data : dataFolders) {
        for (const char* size : {"48x48", "32x32", "64x64", "128x128", "256x256"}) {
            out.push_back(data + "/icons/hicolor/" + size + "/apps/" + stem + ".png");
        }
        out.push_back(data + "/pixmaps/" + stem + ".png");
    }
    return out;
}

std::vector<std::string> desktopDataFolders() {
    std::vector<std::string> out;
    std::string home = platform::xdgFolderValue("XDG_DATA_HOME");
    if (home.empty()) {
        const std::string user = platform::environmentValue("HOME");
        if (!user.empty()) {
            home = user + "/.local/share";
        }
    }
    if (!home.empty()) {
        out.push_back(home);
    }
    std::string dirs = platform::environmentValue("XDG_DATA_DIRS");
    if (dirs.empty()) {
        dirs = "/usr/local/share:/usr/share";
    }
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t colon = dirs.find(':', start);
        const std::string part =
            dirs.substr(start, colon == std::string::npos ? colon : colon - start);
        if (part.starts_with('/')) { // relative entries are ignored
            out.push_back(part);
        }
        if (colon == std::string::npos) {
            break;
        }
        start = colon + 1;
    }
    return out;
}

} // namespace codarium::app
