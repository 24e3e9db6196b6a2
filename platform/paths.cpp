#include "platform/paths.h"

#include "platform/code_page.h"

#include <algorithm>
#include <cstdlib>
#include <limits.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::string joinPath(std::string_view nativeFolder, std::string_view nativeName) {
    std::string out(nativeFolder);
    if (!out.empty() && out.back() != '/') {
        out += '/';
    }
    out += nativeName;
    return out;
}

std::string joinLibraryName(std::string_view nativeFolder, std::string_view libraryName) {
    return joinPath(nativeFolder, nativeFormOf(libraryName));
}

std::string nativeFormOf(std::string_view libraryName) {
    // Most names are plain ASCII, which both forms share.
    return isAscii(libraryName) ? std::string(libraryName) : toUtf8(libraryName);
}

std::string libraryFormOf(std::string_view nativeName) {
    return isAscii(nativeName) ? std::string(nativeName) : fromUtf8(nativeName);
}

bool fitsLibraryText(std::string_view nativeText) {
    // Bytes that are no valid UTF-8 do not survive the round trip either.
    return isAscii(nativeText) || toUtf8(fromUtf8(nativeText)) == nativeText;
}

QString pathToQString(std::string_view nativePath) {
    return QString::fromUtf8(nativePath.data(), static_cast<qsizetype>(nativePath.size()));
}

std::string pathFromQString(const QString& path) {
    return path.toUtf8().toStdString();
}

std::string directoryOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string xdgFolderValue(const char* name) {
    std::string value = environmentValue(name);
    return value.starts_with('/') ? value : std::string();
}

std::string applicationDataFolder() {
    if (auto appData = environmentValue("APPDATA"); !appData.empty()) {
        return appData;
    }
    if (auto xdg = xdgFolderValue("XDG_CONFIG_HOME"); !xdg.empty()) {
        return xdg;
    }
    return joinPath(environmentValue("HOME"), ".config");
}

std::string dataHomeFolder() {
    if (auto xdg = environmentValue("XDG_DATA_HOME"); xdg.starts_with('/')) {
        return xdg;
    }
    const std::string home = environmentValue("HOME");
    return home.empty() ? std::string() : joinPath(home, ".local/share");
}

std::string tempFolder() {
    auto tmp = environmentValue("TMPDIR");
    return tmp.empty() ? std::string("/tmp") : tmp;
}

std::string ownExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string currentDirectory() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool setCurrentDirectory(std::string_view path) {
    return ::chdir(std::string(path).c_str()) == 0;
}

} // namespace codarium::platform
