#pragma once
// The editor the desktop opens a kind of file with, standing in for the
// Windows registry's file associations.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::platform {

// The association files and folders, most important first (native paths):
// every mimeapps.list in the freedesktop order (config home, config dirs,
// then the data home's and the data dirs' applications/ folders, each with
// the $XDG_CURRENT_DESKTOP-prefixed file before the plain one), and the
// applications/ folders that hold .desktop files and mimeinfo.cache.
struct AssociationFolders {
    std::vector<std::string> mimeAppsLists;
    std::vector<std::string> applicationFolders;
};
AssociationFolders associationFoldersFromEnvironment();

// The executable (native path) for files with `extension`: the default
// application of the types the shared MIME database gives such a file (other
// than text/plain and application/octet-stream) when its Exec names an
// executable; else $PUREBASIC_HOME/compilers/purebasic when executable; else
// purebasic on PATH; else "".
std::string findAssociatedEditor(std::string_view extension);

// The association lookup alone, for the given MIME types and folders; a
// native path or "".
std::string defaultApplicationExecutable(const std::vector<std::string>& mimeTypes,
                                         const AssociationFolders& folders);

// The editor named by a Windows "Shell\Open\Command" line: when ".exe" occurs
// (in any letter case) the line up to the character after the first one, then
// without double quotes; otherwise the whole line unchanged.
std::string editorFromCommandLine(std::string_view commandLine);

} // namespace codarium::platform
