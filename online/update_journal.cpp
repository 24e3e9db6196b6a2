#include "online/update_journal.h"

#include "online/update_index.h"
#include "platform/atomic_save.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <charconv>

namespace codarium::online {
namespace {

constexpr std::string_view FirstLine = "Aktualisierungsjournal 1";

std::string_view phaseName(JournalPhase phase) {
    switch (phase) {
    case JournalPhase::Fetching:
        return "Laden";
    case JournalPhase::Replacing:
        return "Ersetzen";
    case JournalPhase::RollingBack:
        return "Zuruecknehmen";
    }
    return {};
}

std::optional<std::int64_t> number(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

// "<0|1>|<digest>|<size>|<path>": the path last, so a "|" in it stays its own.
std::optional<JournalFile> parseFile(std::string_view value) {
    JournalFile file;
    std::string_view fields[3];
    for (auto& field : fields) {
        const auto bar = value.find('|');
        if (bar == std::string_view::npos) {
            return std::nullopt;
        }
        field = value.substr(0, bar);
        value.remove_prefix(bar + 1);
    }
    const auto size = number(fields[2]);
    if ((fields[0] != "0" && fields[0] != "1") || !size || value.empty()) {
        return std::nullopt;
    }
    file.hadPrevious = fields[0] == "1";
    file.digest = std::string(fields[1]);
    file.size = *size;
    file.path = std::string(value);
    return file;
}

std::string journalPath(std::string_view programDirectory) {
    return platform::joinPath(programDirectory, JournalFileName);
}

} // namespace

std::string journalText(const UpdateJournal& journal) {
    std::string text(FirstLine);
    text += "\r\nPhase=";
    text += phaseName(journal.phase);
    text += "\r\nZeitstempel=" + std::to_string(journal.timestamp) + "\r\n";
    for (const std::string& folder : journal.folders) {
        text += "Ordner=" + folder + "\r\n";
    }
    for (const JournalFile& file : journal.files) {
        text += std::string("Datei=") + (file.hadPrevious ? "1|" : "0|") + file.digest + "|" +
                std::to_string(file.size) + "|" + file.path + "\r\n";
    }
    // The last line tells a complete journal from one cut short.
    text += "Ende\r\n";
    return text;
}

std::optional<UpdateJournal> parseJournal(std::string_view text) {
    UpdateJournal journal;
    bool first = true;
    bool phaseSeen = false;
    bool ended = false;
    while (!text.empty()) {
        const auto lineEnd = text.find("\r\n");
        if (lineEnd == std::string_view::npos || ended) {
            return std::nullopt;
        }
        const std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(lineEnd + 2);
        if (first) {
            if (line != FirstLine) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        if (line == "Ende") {
            ended = true;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "Phase") {
            phaseSeen = true;
            if (value == phaseName(JournalPhase::Fetching)) {
                journal.phase = JournalPhase::Fetching;
            } else if (value == phaseName(JournalPhase::Replacing)) {
                journal.phase = JournalPhase::Replacing;
            } else if (value == phaseName(JournalPhase::RollingBack)) {
                journal.phase = JournalPhase::RollingBack;
            } else {
                return std::nullopt;
            }
        } else if (key == "Zeitstempel") {
            const auto stamp = number(value);
            if (!stamp) {
                return std::nullopt;
            }
            journal.timestamp = *stamp;
        } else if (key == "Ordner" && safeReleasePath(value)) {
            journal.folders.emplace_back(value);
        } else if (key == "Datei") {
            // Recovery renames and removes by these paths: none may lead out.
            auto file = parseFile(value);
            if (!file || !safeReleasePath(file->path)) {
                return std::nullopt;
            }
            journal.files.push_back(std::move(*file));
        } else {
            return std::nullopt;
        }
    }
    if (!ended || !phaseSeen) {
        return std::nullopt;
    }
    return journal;
}

bool saveJournal(std::string_view programDirectory, const UpdateJournal& journal) {
    return platform::saveFile(journalPath(programDirectory), journalText(journal),
                              platform::ReplaceMode::ReplaceName)
        .ok();
}

std::optional<UpdateJournal> loadJournal(std::string_view programDirectory) {
    std::string text;
    if (!platform::readWholeFile(journalPath(programDirectory), text)) {
        return std::nullopt;
    }
    return parseJournal(text);
}

bool journalExists(std::string_view programDirectory) {
    return platform::pathExists(journalPath(programDirectory));
}

void removeJournal(std::string_view programDirectory) {
    platform::removeFile(journalPath(programDirectory));
}

} // namespace codarium::online
