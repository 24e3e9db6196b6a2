#pragma once
// The texts of the update check's boxes, as program text.
#include <cstdint>
#include <string>
#include <string_view>

namespace codarium::online {

inline constexpr std::string_view UpdateCaption = "Actualiser    ";

std::string noConnectionText();        // no network interface is up
std::string serverUnreachableText();   // the server does not answer a connect
std::string indexDownloadFailedText(); // the index could not be downloaded
std::string noNewVersionText();

// The question for a positive update size: the size in KB (divided by 1024,
// remainder dropped) from 1024 bytes on, else in bytes; lines end with CR.
std::string updateQuestionText(std::int32_t updateSize);

} // namespace codarium::online
