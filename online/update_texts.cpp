#include "online/update_texts.h"

#include "platform/code_page.h"

namespace codarium::online {

std::string noConnectionText() {
    return platform::fromUtf8("Fehler beim Überprüfen der Internetverbindung.");
}

std::string serverUnreachableText() {
    return platform::fromUtf8("Fehler beim Überprüfen des Servers.");
}

std::string indexDownloadFailedText() {
    return platform::fromUtf8("Fehler beim Downloaden der Index-Datei.");
}

std::string noNewVersionText() {
    return "Keine neue Version vorhanden.";
}

std::string updateQuestionText(std::int32_t updateSize) {
    std::string text = platform::fromUtf8("Neue Version vorhanden.\rUpdate-Größe: ");
    if (updateSize >= 1024) {
        text += std::to_string(updateSize / 1024) + " KB";
    } else {
        text += std::to_string(updateSize) + " Bytes";
    }
    text += platform::fromUtf8(
        "\rUm die Software aktualisieren zu können, muss die Software vorher beendet werden."
        "\rMöchten Sie diese Software jetzt beenden und aktualisieren?");
    return text;
}

} // namespace codarium::online
