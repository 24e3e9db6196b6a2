#pragma once
// What the administrator's dialogs say when a change is refused or fails.
// Program text (the system code page).
#include "library/admin_store.h"
#include "platform/code_page_exact.h"

#include <string>
#include <string_view>

namespace codarium::library {

enum class EditKind { CreateCategory, RemoveCategory, AddCode, RemoveCode };

// The rule a name breaks, as one sentence.
std::string nameProblemText(NameProblem problem);

// The warning for a refused change: what was refused and why.
std::string refusalMessage(EditKind kind, const EditResult& result, std::string_view category,
                           std::string_view title);

// The error shown when a step of a change failed.
std::string failureMessage(EditKind kind);

// The typed texts that are stored in the library's code page.
enum class TypedField { CategoryName, CodeTitle, CodeSource, LinkCommand, LinkAddress };

// The warning for a typed text holding a character the library's code page
// cannot store: which character, and where it stands (for a code, its line).
std::string unstorableCharacterMessage(TypedField field, const platform::ExactCodePageText& typed);

// Command 7 while there is no category to add a code to.
std::string noCategoryMessage();

} // namespace codarium::library
