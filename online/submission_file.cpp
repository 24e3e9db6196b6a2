#include "online/submission_file.h"

#include "platform/paths.h"
#include "platform/private_file.h"

#include <utility>

namespace codarium::online {

std::string submissionFilePath() {
    return platform::joinPath(platform::tempFolder(), "codar_sendcode.pb");
}

std::string submissionFileBytes(std::string_view savedView, const SubmissionDetails& details) {
    constexpr std::string_view LineEnd = "\r\n";
    std::string bytes(savedView);
    bytes += LineEnd;
    const std::pair<std::string_view, const std::string&> lines[] = {
        {";Autor: ", details.author},
        {";E-Mail-Adresse: ", details.email},
        {";Titel: ", details.title},
        {";Kategorie: ", details.category},
    };
    for (const auto& [label, value] : lines) {
        bytes += label;
        bytes += value;
        bytes += LineEnd;
    }
    return bytes;
}

bool writeSubmissionFile(std::string_view path, std::string_view bytes) {
    // The temporary folder is shared: a name planted there by someone else
    // must never be followed or written through.
    return platform::writeFreshPrivateFile(path, bytes);
}

} // namespace codarium::online
