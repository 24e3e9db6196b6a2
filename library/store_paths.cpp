#include "library/store_paths.h"

#include "platform/paths.h"

namespace codarium::library {
namespace {

// A library name with its extension, as a component of a native path.
std::string component(std::string_view libraryName, std::string_view extension) {
    std::string name(libraryName);
    name += extension;
    return platform::nativeFormOf(name);
}

} // namespace

std::string categoryListPath() {
    return platform::joinPath(SettingsDirectory, "Kategorien.ini");
}

std::string categoryListTempPath() {
    return platform::joinPath(SettingsDirectory, "Kategorien.tmp");
}

std::string codeListPath(std::string_view category) {
    return platform::joinPath(SettingsDirectory, component(category, ".ini"));
}

std::string codeListTempPath(std::string_view category) {
    return platform::joinPath(SettingsDirectory, component(category, ".tmp"));
}

std::string sourcePath(std::string_view category, std::string_view title) {
    return platform::joinPath(categorySourceDirectory(category), component(title, ".pb"));
}

std::string linkFilePath(std::string_view category, std::string_view title) {
    return platform::joinPath(categoryLinkDirectory(category), component(title, ".ini"));
}

std::string categorySourceDirectory(std::string_view category) {
    return platform::joinLibraryName(CodesDirectory, category);
}

std::string categoryLinkDirectory(std::string_view category) {
    return platform::joinLibraryName(SettingsDirectory, category);
}

std::string listTempPathFor(std::string_view listPath) {
    constexpr std::string_view ini = ".ini";
    std::string out(listPath);
    if (out.ends_with(ini)) {
        out.resize(out.size() - ini.size());
    }
    return out + ".tmp";
}

} // namespace codarium::library
