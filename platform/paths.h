#pragma once
// Paths and the standard folders.
//
// A path is held as the file system's own bytes (UTF-8 on Linux) from where
// it enters the program (its own path, the environment, the working folder,
// a file dialog, the editor's files) to where it is used, with "/" between
// components. Every file function of this folder takes such native paths and
// passes them on unchanged.
//
// Library text (category names, code titles, the contents of the library's
// files) is Windows-1252 and never is a path by itself: it becomes part of
// one only through joinLibraryName or nativeFormOf, and a name read back
// from a folder listing becomes library text only through libraryFormOf.
// Widgets get paths through pathToQString, never through the library text
// conversion of code_page.h.
#include <QString>
#include <string>
#include <string_view>

namespace codarium::platform {

// nativeFolder + "/" + nativeName, without doubling a separator that the
// folder ends with. Both parts are native already; "" as the folder gives
// the name alone, a path relative to the working folder.
std::string joinPath(std::string_view nativeFolder, std::string_view nativeName);
// The same with a library name (Windows-1252) as the last part, converted to
// the file system's form on the way.
std::string joinLibraryName(std::string_view nativeFolder, std::string_view libraryName);
// A library name or text in the file system's form: for one component of a
// path, or for an argument handed to another program.
std::string nativeFormOf(std::string_view libraryName);
// A native file name as library text, where the library compares, sorts or
// shows it. Characters Windows-1252 lacks become "?", so the result is only
// for showing and matching, never for opening the file again.
std::string libraryFormOf(std::string_view nativeName);
// Whether libraryFormOf keeps every character of the native text, so that
// the library's own files can hold it unchanged.
bool fitsLibraryText(std::string_view nativeText);

// A native path for the widget layer and back.
QString pathToQString(std::string_view nativePath);
std::string pathFromQString(const QString& path);

// The directory part of a path (everything before its last "/"), or "".
std::string directoryOf(std::string_view path);

// An environment variable's value as the system gave it, "" when unset.
std::string environmentValue(const char* name);

// A desktop base-folder variable ($XDG_CONFIG_HOME, $XDG_DATA_HOME): its
// value when it is an absolute path, else "" (a relative value counts as
// unset).
std::string xdgFolderValue(const char* name);

// The per-user application-data folder: $APPDATA when set, else an absolute
// $XDG_CONFIG_HOME, else ~/.config.
std::string applicationDataFolder();
// The per-user data folder: $XDG_DATA_HOME when it is an absolute path, else
// ~/.local/share; "" when neither is known.
std::string dataHomeFolder();
// The folder for temporary files: $TMPDIR when set, else /tmp.
std::string tempFolder();
// The full path of the running executable.
std::string ownExecutablePath();

std::string currentDirectory();
bool setCurrentDirectory(std::string_view path);

} // namespace codarium::platform
