#include "library/store_paths.h"

namespace codarium::library {
namespace {

std::string join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const auto part : parts) {
        out += part;
    }
    return out;
}

} // namespace

std::string categoryListPath() {
    return join({SettingsDirectory, "/Kategorien.ini"});
}

std::string categoryListTempPath() {
    return join({SettingsDirectory, "/Kategorien.tmp"});
}

std::string codeListPath(std::string_view category) {
    return join({SettingsDirectory, "/", category, ".ini"});
}

std::string codeListTempPath(std::string_view category) {
    return join({SettingsDirectory, "/", category, ".tmp"});
}

std::string sourcePath(std::string_view category, std::string_view title) {
    return join({CodesDirectory, "/", category, "/", title, ".pb"});
}

std::string linkFilePath(std::string_view category, std::string_view title) {
    return join({SettingsDirectory, "/", category, "/", title, ".ini"});
}

std::string categorySourceDirectory(std::string_view category) {
    return join({CodesDirectory, "/", category});
}

std::string categoryLinkDirectory(std::string_view category) {
    return join({SettingsDirectory, "/", category});
}

std::string listTempPathFor(std::string_view listPath) {
    constexpr std::string_view ini = ".ini";
    if (listPath.size() >= ini.size() && listPath.substr(listPath.size() - ini.size()) == ini) {
        return join({listPath.substr(0, listPath.size() - ini.size()), ".tmp"});
    }
    return join({listPath, ".tmp"});
}

} // namespace codarium::library
