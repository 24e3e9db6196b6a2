#include "app/per_user_program_directory.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "platform/file_system.h"
#include "platform/file_tree.h"
#include "platform/paths.h"
#include "platform/remove_tree.h"

namespace codarium::app {
namespace {

// The update check downloads the server's index into the program directory.
constexpr std::string_view ServerIndexFile = "Index.ini";

LinkPlace linkPlaceOf(const std::string& path) {
    LinkPlace place;
    place.exists = platform::entryExists(path);
    place.isLink = place.exists && platform::isSymbolicLink(path);
    if (place.isLink) {
        place.target = platform::symbolicLinkTarget(path);
    }
    return place;
}

bool repairLinks(std::string_view installed, std::string_view perUser) {
    bool complete = true;
    for (const platform::DirectoryEntry& entry : platform::listDirectory(installed)) {
        if (entryUse(entry.name) != EntryUse::Link) {
            continue;
        }
        const std::string target = platform::joinPath(installed, entry.name);
        const std::string link = platform::joinPath(perUser, entry.name);
        switch (linkRepair(linkPlaceOf(link), target)) {
        case LinkRepair::Create:
            complete = platform::createSymbolicLink(target, link) && complete;
            break;
        case LinkRepair::Renew:
            complete = platform::replaceWithSymbolicLink(target, link) && complete;
            break;
        case LinkRepair::Keep:
            break;
        }
    }
    return complete;
}

bool copyLibrary(std::string_view installed, std::string_view perUser) {
    for (const platform::DirectoryEntry& entry : platform::listDirectory(installed)) {
        if (entryUse(entry.name) == EntryUse::CopyOnce && entry.isDirectory &&
            !platform::copyTree(platform::joinPath(installed, entry.name),
                                platform::joinPath(perUser, entry.name))) {
            return false;
        }
    }
    return true;
}

} // namespace

ProgramDirectoryFacts programDirectoryFacts(std::string_view directory) {
    ProgramDirectoryFacts facts;
    facts.installedCopyMarker =
        platform::pathExists(platform::joinPath(directory, InstalledCopyMarker));
    facts.writable = platform::isWritableDirectory(directory);
    return facts;
}

bool needsPerUserCopy(const ProgramDirectoryFacts& facts) {
    return facts.installedCopyMarker || !facts.writable;
}

EntryUse entryUse(std::string_view name) {
    if (name == "Codes" || name == "Einstellungen") {
        return EntryUse::CopyOnce;
    }
    if (name == InstalledCopyMarker || name == PortableSettingsFile || name == ServerIndexFile) {
        return EntryUse::Leave;
    }
    return EntryUse::Link;
}

std::optional<std::string> perUserProgramDirectory(std::string_view dataHome) {
    if (!dataHome.starts_with('/')) {
        return std::nullopt;
    }
    return platform::joinPath(platform::joinPath(dataHome, "Marvolt"),
                              ProgramIdentity::ProgramName);
}

LinkRepair linkRepair(const LinkPlace& place, std::string_view wantedTarget) {
    if (!place.exists) {
        return LinkRepair::Create;
    }
    if (place.isLink && place.target != wantedTarget) {
        return LinkRepair::Renew;
    }
    return LinkRepair::Keep;
}

bool preparePerUserProgramDirectory(std::string_view installed, std::string_view perUser) {
    if (platform::directoryExists(perUser)) {
        repairLinks(installed, perUser);
        return true;
    }
    const std::string parent = platform::directoryOf(perUser);
    if (!platform::createDirectoryPath(parent)) {
        return false;
    }
    const std::string scratch = platform::createUniqueDirectory(
        platform::joinPath(parent, "." + std::string(ProgramIdentity::ProgramName) + "-"));
    if (scratch.empty()) {
        return false;
    }
    if (copyLibrary(installed, scratch) && repairLinks(installed, scratch) &&
        platform::renameReplacing(scratch, perUser)) {
        return true;
    }
    platform::removeTree(scratch);
    // A second instance started at the same moment may have placed its copy
    // first; that one is as good.
    if (platform::directoryExists(perUser)) {
        repairLinks(installed, perUser);
        return true;
    }
    return false;
}

std::string useProgramDirectory(std::string_view found) {
    if (!needsPerUserCopy(programDirectoryFacts(found))) {
        return std::string(found);
    }
    const auto perUser = perUserProgramDirectory(platform::dataHomeFolder());
    if (!perUser || !preparePerUserProgramDirectory(found, *perUser) ||
        !platform::setCurrentDirectory(*perUser)) {
        return std::string(found);
    }
    return platform::currentDirectory();
}

} // namespace codarium::app
