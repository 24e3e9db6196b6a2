#pragma once
// The texts of the start-up error boxes (UTF-8; CR between sentences).
#include <string_view>

namespace codarium::app::message {

inline constexpr std::string_view ErrorTitle = "Fehler";
inline constexpr std::string_view ExecutableMissing =
    "Die Programmdatei ''Codarium'' konnte im Programmverzeichnis nicht gefunden werden.\r"
    "Um das Problem beheben zu können, instalieren Sie diese Anwendung neu.";
inline constexpr std::string_view HighlighterMissing =
    "Die Datei ''SyntaxHilighting.so'' konnte im Programmverzeichnis nicht gefunden werden.\r"
    "Bitte installieren Sie diese Anwendung neu.";
inline constexpr std::string_view ServerConfigBroken =
    "Fehler beim Lesen der Konfigurationsinformationen.";

} // namespace codarium::app::message
