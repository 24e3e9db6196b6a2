#pragma once
// Unicode text that is to become program text without losing anything: a
// name typed for the library must be stored as typed or refused, never
// quietly changed to "?" as fromQString does with what the code page lacks.
#include <QString>
#include <cstddef>
#include <optional>
#include <string>

namespace codarium::platform {

struct ExactCodePageText {
    // The whole text in the system code page; when a character is missing,
    // only the part before it (for a message that shows where it stands).
    std::string bytes;
    std::optional<char32_t> missing; // the first character the code page lacks
    std::size_t missingIndex = 0;    // its place among the text's characters, from 0

    bool complete() const { return !missing.has_value(); }
};

// The text in the system code page, or the first character it cannot hold. A
// character outside the Basic Multilingual Plane counts once; a lone
// surrogate counts as a character the code page lacks.
ExactCodePageText fromQStringExactly(const QString& text);

} // namespace codarium::platform
