#pragma once
// The administrator's changes to the store: categories and codes created and
// removed, and the whole library emptied. No windows here; the dialogs read
// their fields, call these and show the outcome. Every change is written at
// once; the caller rebuilds the tree afterwards.
//
// Additions refuse names that cannot safely become paths and names that
// already exist (ignoring case, as a file system shared with Windows does),
// before anything is written, so existing data is never replaced; a new name
// must also be short enough for every file made under it. They stop at the
// first step that fails and take back what they made until then (never what
// was there before), so a failed addition leaves the store as it was.
// Removals refuse unsafe names too (names read back from hand-edited lists
// included), then run every step, so that as much as possible is gone.
#include "library/link_file.h"
#include "library/name_check.h"

#include <string_view>
#include <vector>

namespace codarium::library {

enum class Refusal {
    None,
    UnsafeCategory, // see `problem`
    UnsafeTitle,    // see `problem`
    CategoryExists,
    TitleExists,
};

struct EditResult {
    Refusal refusal = Refusal::None;
    NameProblem problem = NameProblem::None;
    bool complete = true; // false: a step failed (nothing is refused then)

    bool refused() const { return refusal != Refusal::None; }
    bool succeeded() const { return !refused() && complete; }
};

// Codes/<name>, Einstellungen/<name>, an empty code list (an existing one is
// kept), then the name added to the category list, which is kept sorted.
EditResult createCategory(std::string_view name);

// The category's two folders (read-only files and links inside included,
// never what links point to), its code list, and its line in the list.
EditResult removeCategory(std::string_view name);

// The source file holding `source` exactly, the link file, then the title
// added to the code list, which is kept sorted.
EditResult addCode(std::string_view category, std::string_view title, std::string_view source,
                   const std::vector<ApiLink>& links);

// The code's source and link files and its line in the code list; the
// category's folders stay.
EditResult removeCode(std::string_view category, std::string_view title);

// Codes/ and Einstellungen/ emptied, with an empty category list. True when
// everything went.
bool removeWholeLibrary();

// Whether `name` is among `lines`, ignoring case as the code page folds it.
bool containsIgnoringCase(const std::vector<std::string>& lines, std::string_view name);

} // namespace codarium::library
