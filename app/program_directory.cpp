#include "app/program_directory.h"

#include "app/app_state.h"
#include "app/startup_messages.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "runtime/text_file.h"

namespace codarium::app {

std::optional<std::string> findProgramDirectory(std::string_view ownExecutable) {
    if (!platform::fileExists(ProgramIdentity::ExecutableName)) {
        platform::setCurrentDirectory(platform::directoryOf(ownExecutable));
        if (!platform::fileExists(ProgramIdentity::ExecutableName)) {
            return std::nullopt;
        }
    }
    return platform::currentDirectory();
}

void ensureLibraryStore() {
    if (!platform::directoryExists("Codes")) {
        platform::createDirectory("Codes");
    }
    if (!platform::directoryExists("Einstellungen")) {
        platform::createDirectory("Einstellungen");
    }
    if (!platform::pathExists("Einstellungen/Kategorien.ini")) {
        const textfile::FileId file =
            textfile::create(textfile::AnyFile, "Einstellungen/Kategorien.ini");
        if (file != 0) {
            textfile::close(file);
        }
    }
}

std::optional<std::string_view> missingComponentMessage() {
    // Scintilla is part of this executable (QScintilla is linked in), so the
    // check for its library always holds and is left out.
    if (!platform::fileExists(ProgramIdentity::HighlighterName)) {
        return message::HighlighterMissing;
    }
    return std::nullopt;
}

} // namespace codarium::app
