#pragma once
// Paths and the standard folders. Program paths are Windows-1252 strings with
// "/" between components; nativePath turns one into the file system's form.
#include <QString>
#include <string>
#include <string_view>

namespace codarium::platform {

// The file system's form of a program path (UTF-8 on Linux).
std::string nativePath(std::string_view programPath);
// The program's form of a native path.
std::string programPath(std::string_view nativePath);

// Library text (Windows-1252: category names, code titles, the contents of
// the library's files) and native text (the file system's own bytes, UTF-8
// on Linux) are kept apart by these functions; nothing else converts
// between the two for a path.
//
// nativeFolder + "/" + the library name in the file system's form.
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

// a + "/" + b, without doubling a separator that a already ends with.
std::string joinPath(std::string_view a, std::string_view b);
// The directory part of a path (everything before its last "/"), or "".
std::string directoryOf(std::string_view path);

// An environment variable's value as program text, "" when unset.
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
