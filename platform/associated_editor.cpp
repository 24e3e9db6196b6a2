#include "platform/associated_editor.h"

#include "platform/desktop_entry.h"
#include "platform/paths.h"

#include <QFile>
#include <QMimeDatabase>
#include <cstdlib>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

std::string nativeEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::vector<std::string> splitList(std::string_view text, char separator) {
    std::vector<std::string> parts;
    while (!text.empty()) {
        const auto end = text.find(separator);
        if (end != 0) {
            parts.emplace_back(text.substr(0, end));
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return parts;
}

// An XDG base directory variable, or its default under HOME.
std::string baseFolder(const char* name, std::string_view underHome) {
    const std::string value = nativeEnvironment(name);
    return value.empty() ? joinPath(nativeEnvironment("HOME"), underHome) : value;
}

std::vector<std::string> baseFolders(const char* name, std::string_view defaults) {
    const std::string value = nativeEnvironment(name);
    return splitList(value.empty() ? defaults : std::string_view(value), ':');
}

bool isExecutableFile(const std::string& nativePath) {
    struct stat st {};
    return ::stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(nativePath.c_str(), X_OK) == 0;
}

std::string searchPath(std::string_view name) {
    for (const std::string& folder : splitList(nativeEnvironment("PATH"), ':')) {
        const std::string candidate = joinPath(folder, name);
        if (isExecutableFile(candidate)) {
            return candidate;
        }
    }
    return {};
}

// Native names throughout: a home folder outside the code page still works.
bool readNative(const std::string& nativePath, std::string& text) {
    QFile file(QString::fromUtf8(nativePath.data(), static_cast<qsizetype>(nativePath.size())));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

// The executable a desktop file ID starts, or "". The first folder that
// holds the ID decides, as the desktop itself would.
std::string executableOfDesktopId(const std::string& id, const AssociationFolders& folders) {
    std::string text;
    for (const std::string& folder : folders.applicationFolders) {
        if (!readNative(joinPath(folder, id), text)) {
            continue;
        }
        const std::vector<std::string> args = execArguments(desktopEntryExec(text));
        if (args.empty()) {
            return {};
        }
        const std::string& program = args.front();
        if (program.find('/') == std::string::npos) {
            return searchPath(program);
        }
        return isExecutableFile(program) ? program : std::string();
    }
    return {};
}

// The first listed application that names an executable; IDs in `removed`
// (the user's "Removed Associations") do not count.
std::string firstExecutable(const std::vector<std::string>& keyFiles, std::string_view group,
                            std::string_view mimeType, const std::set<std::string>& removed,
                            const AssociationFolders& folders) {
    std::string text;
    for (const std::string& file : keyFiles) {
        if (!readNative(file, text)) {
            continue;
        }
        for (const std::string& id : associatedDesktopIds(text, group, mimeType)) {
            if (removed.count(id) != 0) {
                continue;
            }
            if (std::string program = executableOfDesktopId(id, folders); !program.empty()) {
                return program;
            }
        }
    }
    return {};
}

} // namespace

AssociationFolders associationFoldersFromEnvironment() {
    std::vector<std::string> desktops;
    for (const std::string& name : splitList(nativeEnvironment("XDG_CURRENT_DESKTOP"), ':')) {
        std::string lower = name;
        for (char& c : lower) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        desktops.push_back(lower);
    }
    AssociationFolders folders;
    const auto addLists = [&](const std::string& folder) {
        for (const std::string& desktop : desktops) {
            folders.mimeAppsLists.push_back(joinPath(folder, desktop + "-mimeapps.list"));
        }
        folders.mimeAppsLists.push_back(joinPath(folder, "mimeapps.list"));
    };
    addLists(baseFolder("XDG_CONFIG_HOME", ".config"));
    for (const std::string& folder : baseFolders("XDG_CONFIG_DIRS", "/etc/xdg")) {
        addLists(folder);
    }
    folders.applicationFolders.push_back(
        joinPath(baseFolder("XDG_DATA_HOME", ".local/share"), "applications"));
    for (const std::string& folder : baseFolders("XDG_DATA_DIRS", "/usr/local/share:/usr/share")) {
        folders.applicationFolders.push_back(joinPath(folder, "applications"));
    }
    for (const std::string& folder : folders.applicationFolders) {
        addLists(folder);
    }
    return folders;
}

std::string defaultApplicationExecutable(const std::vector<std::string>& mimeTypes,
                                         const AssociationFolders& folders) {
    const std::vector<std::string>& lists = folders.mimeAppsLists;
    const std::vector<std::string> caches = [&] {
        std::vector<std::string> files;
        for (const std::string& folder : folders.applicationFolders) {
            files.push_back(joinPath(folder, "mimeinfo.cache"));
        }
        return files;
    }();
    std::string text;
    for (const std::string& type : mimeTypes) {
        // A default set by the user outranks removals; the other stages
        // leave out what the user removed.
        std::set<std::string> removed;
        for (const std::string& file : lists) {
            if (readNative(file, text)) {
                for (std::string& id : associatedDesktopIds(text, "Removed Associations", type)) {
                    removed.insert(std::move(id));
                }
            }
        }
        if (std::string program = firstExecutable(lists, "Default Applications", type, {}, folders);
            !program.empty()) {
            return program;
        }
        for (const auto& [files, group] :
             {std::pair{&lists, "Added Associations"}, std::pair{&caches, "MIME Cache"}}) {
            if (std::string program = firstExecutable(*files, group, type, removed, folders);
                !program.empty()) {
                return program;
            }
        }
    }
    return {};
}

std::string findAssociatedEditor(std::string_view extension) {
    std::vector<std::string> types;
    const QString sample =
        QStringLiteral("x.") +
        QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
    for (const QMimeType& type : QMimeDatabase().mimeTypesForFileName(sample)) {
        const QString name = type.name();
        // Every text file has these; they name a viewer, not the editor.
        if (name != QLatin1String("text/plain") &&
            name != QLatin1String("application/octet-stream")) {
            types.push_back(name.toStdString());
        }
    }
    std::string program = defaultApplicationExecutable(types, associationFoldersFromEnvironment());
    if (program.empty()) {
        const std::string home = nativeEnvironment("PUREBASIC_HOME");
        const std::string bundled = joinPath(joinPath(home, "compilers"), "purebasic");
        if (!home.empty() && isExecutableFile(bundled)) {
            program = bundled;
        }
    }
    if (program.empty()) {
        program = searchPath("purebasic");
    }
    return program;
}

std::string editorFromCommandLine(std::string_view commandLine) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i + 4 <= commandLine.size(); ++i) {
        const auto lower = [&](std::size_t k) {
            const char c = commandLine[i + k];
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(0) == '.' && lower(1) == 'e' && lower(2) == 'x' && lower(3) == 'e') {
            found = i;
            break;
        }
    }
    if (found == std::string_view::npos) {
        return std::string(commandLine);
    }
    const std::string_view kept = commandLine.substr(0, found + 5); // ".exe" and one more
    std::string editor;
    for (const char c : kept) {
        if (c != '"') {
            editor += c;
        }
    }
    return editor;
}

} // namespace codarium::platform
