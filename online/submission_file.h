#pragma once
// The file a submission sends: the code as the code view saves it, then the
// four details the user typed, one per line.
#include <string>
#include <string_view>

namespace codarium::online {

// The longest code accepted, in bytes of the view's text.
inline constexpr long long MaximumCodeLength = 51200;

// The details of a submission as the fields show them (program text).
struct SubmissionDetails {
    std::string author;
    std::string email;
    std::string title;
    std::string category;
};

// codar_sendcode.pb in the temporary folder; rewritten by every submission
// and left in place afterwards.
std::string submissionFilePath();

// `savedView` is what the code view writes to a file (its mark included).
// Then CR LF, and ";Autor: ", ";E-Mail-Adresse: ", ";Titel: " and
// ";Kategorie: " each followed by its detail unchanged and CR LF. A code that
// ends with a line break is therefore followed by one empty line.
std::string submissionFileBytes(std::string_view savedView, const SubmissionDetails& details);

// Writes the bytes as a fresh file private to the user, renamed into place;
// false when that fails.
bool writeSubmissionFile(std::string_view path, std::string_view bytes);

} // namespace codarium::online
